// Times the time-sheet preview under Wine, every figure beside a floor
// measured in the same run:
//
//   preview_benchmark.exe <program folder> [repetitions] [opens]
//
// The program folder must hold horalo.frm, HoraloRDLL.dll and horalo.spc;
// they are copied into a temporary folder together with a generated log of
// 30 years (1996-2025), and the folder is removed at the end.
//
// Repaint: the canvas's Render into a memory bitmap of the client size, as
// each WM_PAINT does, at zoom 1 and at zoom 4 scrolled to the middle of the
// page. Floor: PlayEnhMetaFile of the same file into the same bitmap, with
// the same target rectangle and viewport origin and no replacement. Beside
// them, to tell where a difference goes: Render's two fills alone, the form
// enumerated with every record played unchanged, and the same with the
// placeholders left out (Render without its values).
//
// Opening: CPreView::Open of June 2010 until it returns (the first paint
// happens inside it), a repaint of the whole frame and of its canvas, and
// its destruction. Floor for the log part: the whole log read into memory
// with ReadFile, into a buffer kept between runs and into a new block.
// Beside them, a bare top-level window of the frame's place, and the parts
// of the opening that are no windows: the form's loading, the month
// records, the month's entries and their evaluation.
//
// Medians go to stdout; the exit code is 0 when every step succeeded and
// no message would have been shown.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/calendar/local_time.h"
#include "core/calendar_days/calendar_entry_store.h"
#include "core/evaluation/month_evaluation.h"
#include "core/settings/settings_record.h"
#include "core/sheet/placeholder.h"
#include "core/sheet/sheet_text.h"
#include "core/text/string_list.h"
#include "core/timelog/time_log.h"
#include "print/form_template.h"
#include "print/preview_canvas.h"
#include "print/preview_frame.h"
#include "resource_ids.h"
#include "ui/app_services.h"
#include "win/resources.h"

namespace horalo {
namespace {

constexpr int kFirstYear = 1996;
constexpr int kLastYear = 2025;
constexpr int kYear = 2010;  // the month shown: June of a year in the middle of the log
constexpr int kMonth = 5;
constexpr int kClientWidth = 760;
constexpr int kClientHeight = 1000;
constexpr COLORREF kDeskColour = RGB(128, 128, 128);  // the canvas's own desk

// ---------------------------------------------------------------- timing

double Ms(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency);
}

double TimeOf(const std::function<void()>& work) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return Ms(start, end);
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Several candidates timed in one loop, each repetition starting with a
// different one, so a slow phase of the machine falls on all of them.
struct Candidate {
    const char* name;
    std::function<void()> work;
    std::vector<double> times;
};

void Interleave(std::vector<Candidate>& candidates, int repetitions) {
    for (auto& candidate : candidates) candidate.work();  // warm-up, not counted
    const std::size_t count = candidates.size();
    for (int i = 0; i < repetitions; ++i)
        for (std::size_t k = 0; k < count; ++k) {
            Candidate& candidate = candidates[(i + k) % count];
            candidate.times.push_back(TimeOf(candidate.work));
        }
}

void PrintLine(const char* name, const std::vector<double>& times) {
    std::printf("  %-38s median %8.3f ms  (min %.3f, max %.3f)\n", name, Median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// ---------------------------------------------------------------- the program around the preview

class BenchHost : public Host {
public:
    explicit BenchHost(std::string folder) : folder_(std::move(folder)) {}
    std::string ProgramFolder() override { return folder_; }
    int ShowText(unsigned stringId, const std::string&, unsigned) override {
        ++messages;
        std::printf("message %u would have been shown\n", stringId);
        return kAnswerOk;
    }
    std::string LoadText(unsigned stringId) override { return win::LoadText(stringId); }
    int messages = 0;

private:
    std::string folder_;
};

class BenchServices : public AppServices {
public:
    explicit BenchServices(const std::string& folder) : host_(folder), specialDays_(host_) {
        SetFormText(settings_.formText1, "Dana Example, Accounts");
        SetFormText(settings_.formText2, "Staff number 4711");
    }
    Host& host() override { return host_; }
    BenchHost& benchHost() { return host_; }
    SettingsRecord& settings() override { return settings_; }
    SpecialEntryStore& specialDays() override { return specialDays_; }
    void StoreSettings() override {}
    void ShowHelp(HelpTopic) override {}
    void OpenPreview(int, int, HWND) override {}

private:
    BenchHost host_;
    SettingsRecord settings_ = DefaultSettings();
    SpecialEntryStore specialDays_;
};

// ---------------------------------------------------------------- the folder and the log

// Month records of every month at the head, then for every working day a
// start, three notes, three breaks, two more notes and an end; on the 9th,
// when it is a working day, only a note, as for a day off.
std::string GenerateLog() {
    std::vector<LogRecord> records;
    for (int year = kFirstYear; year <= kLastYear; ++year)
        for (int month = 0; month < 12; ++month) records.push_back(LogRecord::Month(MonthKey(year, month), 2, 130));
    for (int year = kFirstYear; year <= kLastYear; ++year)
        for (int month = 0; month < 12; ++month)
            for (int day = 1; day <= 31; ++day) {
                const auto start =
                    static_cast<TimeValue>(MakeLocalTime(year, month, day, 8, 0, 0, DaylightSaving::FromCalendar));
                std::tm local{};
                if (!ToLocalTime(start, local) || local.tm_mon != month || local.tm_wday == 0 || local.tm_wday == 6)
                    continue;
                if (day == 9) {
                    records.push_back(LogRecord::Note(start, "vacation"));
                    continue;
                }
                // Days differ a little, so the balances do too.
                const TimeValue end = start + 9 * 3600 + (day % 5 - 2) * 20 * 60;
                records.push_back(LogRecord::Of(LogRecordType::WorkStart, start));
                for (int i = 0; i < 3; ++i) {
                    records.push_back(LogRecord::Note(start + 3600 * (i + 1), "project meeting"));
                    records.push_back(LogRecord::Break(start + 3600 * (i + 2), start + 3600 * (i + 2) + 900));
                }
                records.push_back(LogRecord::Note(start + 7 * 3600, "review"));
                records.push_back(LogRecord::Note(start + 8 * 3600, "plan"));
                records.push_back(LogRecord::Of(LogRecordType::WorkEnd, end));
            }
    std::string bytes;
    for (const auto& record : records) {
        const auto encoded = EncodeRecord(record);
        bytes.append(encoded.begin(), encoded.end());
    }
    std::printf("log: %zu records, %zu bytes, %d-%d\n", records.size(), bytes.size(), kFirstYear, kLastYear);
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                      written == bytes.size();
    CloseHandle(file);
    return done;
}

constexpr const char* kCopied[] = {"horalo.frm", "HoraloRDLL.dll", "horalo.spc"};

class TempFolder {
public:
    bool Make(std::string source) {
        if (!source.empty() && source.back() != '\\' && source.back() != '/') source += '\\';
        char temp[MAX_PATH];
        if (!GetTempPathA(MAX_PATH, temp)) return false;
        path_ = std::string(temp) + "horalo_preview_" + std::to_string(GetCurrentProcessId()) + "\\";
        if (!CreateDirectoryA(path_.c_str(), nullptr)) return false;
        for (const char* name : kCopied)
            if (!CopyFileA((source + name).c_str(), (path_ + name).c_str(), FALSE)) {
                std::printf("cannot copy %s%s\n", source.c_str(), name);
                return false;
            }
        return true;
    }
    ~TempFolder() {
        if (path_.empty()) return;
        for (const char* name : kCopied) DeleteFileA((path_ + name).c_str());
        DeleteFileA((path_ + kLogFileName).c_str());
        RemoveDirectoryA(path_.c_str());
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// ---------------------------------------------------------------- repaint

// The month as the preview fills it: month records, entries, evaluation.
bool FillSheet(BenchServices& app, TimeSheet& sheet) {
    Host& host = app.host();
    MonthRecordList months;
    if (LogFile log = OpenLogFile(host, "rb")) months = ReadMonthRecords(log.get());
    sheet.settings = &app.settings();
    sheet.absenceMark = host.LoadText(IDS_ABSENCE_MARK);
    sheet.month = kMonth;
    sheet.year = kYear;
    sheet.hoursDeducted = MonthHoursDeducted(months, kYear, kMonth);
    sheet.carriedBalance = MonthCarriedBalance(months, kYear, kMonth);
    std::vector<DayEntry> entries;
    if (LogFile log = OpenLogFile(host, "rb")) entries = ReadDayEntries(kYear, kMonth, log.get());
    const StringList weekdays = SplitStringResource(host, IDS_WEEKDAY_NAMES);
    const MonthEvaluationContext context{kYear,    kMonth, sheet.carriedBalance, app.settings(), true,
                                         app.specialDays().entries(), weekdays};
    return !entries.empty() && EvaluateMonth(host, entries, context, sheet.evaluation);
}

struct FormCount {
    const TimeSheet* sheet = nullptr;
    int records = 0, texts = 0, placeholders = 0, drawn = 0, dropped = 0;
};

int CALLBACK CountRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM parameter) {
    auto& count = *reinterpret_cast<FormCount*>(parameter);
    ++count.records;
    count.texts += record->iType == EMR_EXTTEXTOUTA || record->iType == EMR_EXTTEXTOUTW;
    const FormRecordDecision decision =
        ClassifyFormRecord(std::span(reinterpret_cast<const std::uint8_t*>(record), record->nSize));
    count.dropped += decision.action == FormRecordAction::Drop;
    if (decision.action == FormRecordAction::Replace) {
        ++count.placeholders;
        count.drawn += !PlaceholderText(decision.placeholder, *count.sheet).empty();
    }
    return 1;
}

int CALLBACK PlayEveryRecord(HDC dc, HANDLETABLE* handles, const ENHMETARECORD* record, int count, LPARAM) {
    PlayEnhMetaFileRecord(dc, handles, record, count);
    return 1;
}

// Render's callback without its replacements: every record classified,
// the placeholders left out, everything else played.
int CALLBACK PlayAllButPlaceholders(HDC dc, HANDLETABLE* handles, const ENHMETARECORD* record, int count, LPARAM) {
    const FormRecordDecision decision =
        ClassifyFormRecord(std::span(reinterpret_cast<const std::uint8_t*>(record), record->nSize));
    if (decision.action == FormRecordAction::Play) PlayEnhMetaFileRecord(dc, handles, record, count);
    return 1;
}

LRESULT CALLBACK HolderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// The class of the canvas's holder and of the bare frame beside the preview.
void RegisterHolderClass() {
    const WNDCLASSA holderClass{CS_HREDRAW | CS_VREDRAW, HolderProc, 0, 0, GetModuleHandleA(nullptr), nullptr,
                                LoadCursorA(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                nullptr, "HoraloBenchHolder"};
    RegisterClassA(&holderClass);
}

struct RepaintFigures {
    double render = 0, floor = 0;
};

bool MeasureRepaint(BenchServices& app, const std::string& formPath, int zoom, int repetitions,
                    RepaintFigures& figures) {
    FormTemplate form;
    if (!form.Load(formPath)) return std::printf("cannot load %s\n", formPath.c_str()), false;
    if (!FillSheet(app, form.sheet())) return std::printf("the month did not evaluate\n"), false;

    // A borderless top-level window whose client is the canvas's size.
    HWND holder = CreateWindowExA(0, "HoraloBenchHolder", "", WS_POPUP | WS_VISIBLE, 0, 0, kClientWidth,
                                  kClientHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    PreviewCanvas canvas(form);
    if (!holder || !canvas.Create(holder, RECT{0, 0, kClientWidth, kClientHeight}, nullptr)) {
        std::printf("cannot create the canvas\n");
        if (holder) DestroyWindow(holder);
        return false;
    }
    PumpMessages();
    if (zoom != 1) {
        canvas.SetZoom(zoom);
        PumpMessages();
        // The thumb of each bar to the middle of its range, as a user drags it.
        const CanvasLayout& l = canvas.Layout();
        const auto middle = [](int zoomed, int client) { return std::max(zoomed - client, 0) / 2; };
        SendMessageA(canvas.Handle(), WM_VSCROLL,
                     MAKEWPARAM(SB_THUMBPOSITION, middle(l.ZoomedHeight(), l.clientHeight)), 0);
        SendMessageA(canvas.Handle(), WM_HSCROLL,
                     MAKEWPARAM(SB_THUMBPOSITION, middle(l.ZoomedWidth(), l.clientWidth)), 0);
        PumpMessages();
    }
    const CanvasLayout layout = canvas.Layout();
    const CanvasRect page = FormRectangle(layout);
    const RECT target{page.left, page.top, page.right, page.bottom};
    std::printf("zoom %d: client %d x %d, page %d x %d at (%d, %d), scrolled to (%d, %d)\n", layout.zoom,
                layout.clientWidth, layout.clientHeight, page.right - page.left, page.bottom - page.top, page.left,
                page.top, layout.horizontalPosition, layout.verticalPosition);

    HDC windowDc = GetDC(canvas.Handle());
    HDC memory = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, std::max(layout.clientWidth, 1), std::max(layout.clientHeight, 1));
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HENHMETAFILE metafile = GetEnhMetaFileA(formPath.c_str());

    const auto atOrigin = [&](auto play) {
        POINT old{};
        SetViewportOrgEx(memory, -layout.horizontalPosition, -layout.verticalPosition, &old);
        play();
        SetViewportOrgEx(memory, old.x, old.y, nullptr);
    };
    std::vector<Candidate> candidates{
        {"PlayEnhMetaFile (floor)", [&] { atOrigin([&] { PlayEnhMetaFile(memory, metafile, &target); }); }, {}},
        {"PreviewCanvas::Render", [&] { canvas.Render(memory); }, {}},
        {"  its two fills alone",
         [&] {
             RECT client{0, 0, layout.clientWidth, layout.clientHeight};
             HBRUSH desk = CreateSolidBrush(kDeskColour);
             FillRect(memory, &client, desk);
             DeleteObject(desk);
             RECT paper{page.left - layout.horizontalPosition, page.top - layout.verticalPosition,
                        page.right - layout.horizontalPosition, page.bottom - layout.verticalPosition};
             FillRect(memory, &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
         },
         {}},
        {"  EnumEnhMetaFile, all played",
         [&] { atOrigin([&] { EnumEnhMetaFile(memory, metafile, PlayEveryRecord, nullptr, &target); }); }, {}},
        {"  the same, placeholders left out",
         [&] { atOrigin([&] { EnumEnhMetaFile(memory, metafile, PlayAllButPlaceholders, nullptr, &target); }); },
         {}},
    };
    const bool ready = metafile && bitmap;
    if (ready) Interleave(candidates, repetitions);

    FormCount count{&form.sheet()};
    if (ready) EnumEnhMetaFile(nullptr, metafile, CountRecord, &count, nullptr);
    if (metafile) DeleteEnhMetaFile(metafile);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(canvas.Handle(), windowDc);
    DestroyWindow(holder);
    PumpMessages();
    if (!ready) return std::printf("cannot open the form or make the bitmap\n"), false;
    if (count.drawn == 0) return std::printf("no placeholder of the form has a value\n"), false;

    std::printf("  form: %d records, %d text records, %d placeholders (%d with a value this month, %d dropped)\n",
                count.records, count.texts, count.placeholders, count.drawn, count.dropped);
    for (const auto& candidate : candidates) PrintLine(candidate.name, candidate.times);
    figures.floor = Median(candidates[0].times);
    figures.render = Median(candidates[1].times);
    return true;
}

// ---------------------------------------------------------------- opening

// The floor of the log part: the whole log read with ReadFile, into a
// buffer kept between runs, or into a block allocated for this read as
// each of the preview's reads allocates one.
bool ReadWholeFile(const std::string& path, std::vector<char>* kept) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD size = GetFileSize(file, nullptr);
    std::unique_ptr<char[]> block;
    char* into = nullptr;
    if (kept) {
        if (kept->size() < size) kept->resize(size);
        into = kept->data();
    } else {
        block = std::make_unique_for_overwrite<char[]>(size);
        into = block.get();
    }
    DWORD got = 0;
    const bool done = ReadFile(file, into, size, &got, nullptr) && got == size;
    CloseHandle(file);
    return done;
}

struct Series {
    const char* name;
    std::vector<double> times;
    double Median() const { return horalo::Median(times); }
};

struct OpenFigures {
    double open = 0, logPart = 0, floor = 0, freshFloor = 0;
};

bool MeasureOpen(BenchServices& app, int opens, OpenFigures& figures) {
    Host& host = app.host();
    const std::string logPath = host.ProgramFolder() + kLogFileName;
    std::vector<char> kept;
    enum {
        kFloor, kFreshFloor, kOpen, kFrameRepaint, kCanvasRepaint, kDestroy, kBareFrame, kBareDestroy,
        kLoad, kMonths, kMonth
    };
    std::vector<Series> series{{"whole log, ReadFile (floor)", {}},
                               {"the same into a new block", {}},
                               {"CPreView::Open", {}},
                               {"RedrawWindow of the frame", {}},
                               {"RedrawWindow of the canvas", {}},
                               {"DestroyWindow", {}},
                               {"a bare frame, shown and painted", {}},
                               {"  and destroyed", {}},
                               {"  FormTemplate::Load", {}},
                               {"  ReadMonthRecords", {}},
                               {"  month records, entries, evaluation", {}}};
    bool ok = true;
    int paintedInside = 0;
    RECT placed{};
    for (int i = 0; i <= opens && ok; ++i) {  // the first round is a warm-up
        double times[kMonth + 1] = {};
        times[kFloor] = TimeOf([&] { ok = ReadWholeFile(logPath, &kept) && ok; });
        times[kFreshFloor] = TimeOf([&] { ok = ReadWholeFile(logPath, nullptr) && ok; });

        bool closed = false;
        CPreView* frame = nullptr;
        times[kOpen] = TimeOf([&] { frame = CPreView::Open(app, kMonth, kYear, nullptr, [&closed] { closed = true; }); });
        if (!frame) return std::printf("CPreView::Open failed\n"), false;
        const HWND window = frame->Handle();
        const HWND canvas = frame->Canvas().Handle();
        paintedInside += i > 0 && !GetUpdateRect(canvas, nullptr, FALSE);
        GetWindowRect(window, &placed);
        PumpMessages();
        constexpr UINT kRepaint = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN;
        times[kFrameRepaint] = TimeOf([&] { RedrawWindow(window, nullptr, nullptr, kRepaint); });
        times[kCanvasRepaint] = TimeOf([&] { RedrawWindow(canvas, nullptr, nullptr, kRepaint); });
        times[kDestroy] = TimeOf([&] { DestroyWindow(window); });
        PumpMessages();
        ok = ok && closed;

        // For comparison, what any top-level window of that place costs.
        HWND bare = nullptr;
        times[kBareFrame] = TimeOf([&] {
            bare = CreateWindowExA(WS_EX_APPWINDOW, "HoraloBenchHolder", "", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                   placed.left, placed.top, placed.right - placed.left, placed.bottom - placed.top,
                                   nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
            ShowWindow(bare, SW_SHOW);
            UpdateWindow(bare);
        });
        PumpMessages();
        times[kBareDestroy] = TimeOf([&] { ok = DestroyWindow(bare) && ok; });
        PumpMessages();

        // The parts of the opening that are no windows.
        FormTemplate form;
        times[kLoad] = TimeOf([&] { ok = form.Load(host.ProgramFolder() + "horalo.frm") && ok; });
        times[kMonths] = TimeOf([&] {
            LogFile log = OpenLogFile(host, "rb");
            ok = log && !ReadMonthRecords(log.get()).empty() && ok;
        });
        times[kMonth] = TimeOf([&] { ok = FillSheet(app, form.sheet()) && ok; });
        if (i > 0)
            for (int k = 0; k <= kMonth; ++k) series[k].times.push_back(times[k]);
    }
    if (!ok) return std::printf("a step of the opening failed\n"), false;
    std::printf("opening June %d, %d runs after a warm-up; frame %ld x %ld; first paint inside Open in %d:\n", kYear,
                opens, placed.right - placed.left, placed.bottom - placed.top, paintedInside);
    for (const auto& s : series) PrintLine(s.name, s.times);
    figures.open = series[kOpen].Median();
    figures.logPart = series[kMonth].Median();
    figures.floor = series[kFloor].Median();
    figures.freshFloor = series[kFreshFloor].Median();
    return true;
}

}  // namespace
}  // namespace horalo

int main(int argc, char** argv) {
    using namespace horalo;
    if (argc < 2) {
        std::printf("usage: preview_benchmark.exe <program folder> [repetitions] [opens]\n");
        return 2;
    }
    const int repetitions = argc > 2 ? std::max(std::atoi(argv[2]), 1) : 50;
    const int opens = argc > 3 ? std::max(std::atoi(argv[3]), 1) : 10;
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    TempFolder folder;
    if (!folder.Make(argv[1])) return std::printf("cannot prepare the temporary folder\n"), 1;
    HMODULE language = LoadLibraryA((folder.path() + "HoraloRDLL.dll").c_str());
    if (!language) return std::printf("cannot load the language library\n"), 1;
    win::SetResourceModule(language);
    if (!WriteWholeFile(folder.path() + kLogFileName, GenerateLog())) return std::printf("cannot write the log\n"), 1;

    BenchServices app(folder.path());
    if (!app.specialDays().Load()) return std::printf("cannot read horalo.spc\n"), 1;
    const std::string formPath = folder.path() + "horalo.frm";
    RegisterHolderClass();

    RepaintFigures zoom1, zoom4;
    OpenFigures opening;
    bool ok = MeasureRepaint(app, formPath, 1, repetitions, zoom1);
    ok = ok && MeasureRepaint(app, formPath, 4, repetitions, zoom4);
    ok = ok && MeasureOpen(app, opens, opening);
    FreeLibrary(language);
    if (!ok) return 1;

    std::printf("\n%-44s %10s %10s %8s\n", "median", "time", "floor", "ratio");
    const auto row = [](const char* name, double time, double floor) {
        std::printf("%-44s %7.2f ms %7.2f ms %7.2fx\n", name, time, floor, floor > 0 ? time / floor : 0.0);
    };
    row("repaint, zoom 1 (target 1.3x)", zoom1.render, zoom1.floor);
    row("repaint, zoom 4 (target 1.3x)", zoom4.render, zoom4.floor);
    row("opening (floor: the log read)", opening.open, opening.floor);
    row("  its log part", opening.logPart, opening.floor);
    row("  its log part, floor with a new block", opening.logPart, opening.freshFloor);
    std::printf("messages that would have been shown: %d\n", app.benchHost().messages);
    return app.benchHost().messages == 0 ? 0 : 1;
}
