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
#include "core/evaluation/loaded_month.h"
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
#include "wine_bench.h"

namespace horalo {
namespace {

constexpr int kYear = 2010;  // the month shown: June of a year in the middle of the log
constexpr int kMonth = 5;
constexpr int kClientWidth = 760;
constexpr int kClientHeight = 1000;
constexpr COLORREF kDeskColour = RGB(128, 128, 128);  // the canvas's own desk

// ---------------------------------------------------------------- repaint

// The month as the preview fills it: one read of the log for the month
// records and the entries, and their evaluation.
bool FillSheet(BenchServices& app, TimeSheet& sheet) {
    Host& host = app.host();
    WithOutcome<LoadedMonth> loaded = LoadMonth(host, kYear, kMonth, app.settings(), app.specialDays().entries());
    app.benchHost().Count(loaded.outcome);
    app.benchHost().Count(loaded.value.maximumNotice);
    sheet.settings = &app.settings();
    sheet.absenceMark = host.LoadText(IDS_ABSENCE_MARK);
    sheet.compensationMark = host.LoadText(IDS_COMPENSATION_MARK);
    sheet.month = kMonth;
    sheet.year = kYear;
    sheet.hoursDeducted = loaded.value.hoursDeducted;
    sheet.carriedBalance = loaded.value.carriedBalance;
    sheet.evaluation = std::move(loaded.value.evaluation);
    return !loaded.value.entries.empty() && loaded.value.complete;
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
                               {"  LoadMonth: month records, entries, evaluation", {}}};
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
            auto [log, opened] = OpenLogFile(host, "rb");
            app.benchHost().Count(opened);
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
    HMODULE language = PrepareRun(folder, argv[1], "horalo_preview_");
    if (!language) return 1;

    BenchServices app(folder.path());
    if (app.specialDays().Load()) return std::printf("cannot read horalo.spc\n"), 1;
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
