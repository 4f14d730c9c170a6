#pragma once
// What the Wine benchmarks share: interleaved timing with medians, the
// program around a window (host and services), a temporary program folder
// with a generated log of 30 years, and the plain read of a file that is
// the floor of every log figure.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/calendar/local_time.h"
#include "core/calendar_days/calendar_entry_store.h"
#include "core/settings/settings_record.h"
#include "core/timelog/time_log.h"
#include "ui/app_services.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo {

constexpr int kFirstYear = 1996;
constexpr int kLastYear = 2025;

// ---------------------------------------------------------------- timing

inline double Ms(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency);
}

inline double TimeOf(const std::function<void()>& work) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return Ms(start, end);
}

inline double Median(std::vector<double> values) {
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

inline void Interleave(std::vector<Candidate>& candidates, int repetitions) {
    for (auto& candidate : candidates) candidate.work();  // warm-up, not counted
    const std::size_t count = candidates.size();
    for (int i = 0; i < repetitions; ++i)
        for (std::size_t k = 0; k < count; ++k) {
            Candidate& candidate = candidates[(i + k) % count];
            candidate.times.push_back(TimeOf(candidate.work));
        }
}

inline void PrintLine(const char* name, const std::vector<double>& times) {
    std::printf("  %-38s median %8.3f ms  (min %.3f, max %.3f)\n", name, Median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
}

inline void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// ---------------------------------------------------------------- the program around a window

class BenchHost : public Host {
public:
    explicit BenchHost(std::string folder) : folder_(std::move(folder)) {}
    std::string ProgramFolder() override { return folder_; }
    std::string LoadText(unsigned stringId) override { return win::LoadText(stringId); }
    // Counts what a core operation of the benchmark itself had to tell.
    void Count(const Outcome& outcome) {
        if (!outcome) return;
        ++messages;
        std::printf("message %u would have been shown\n", outcome->textId);
    }
    int messages = 0;

private:
    std::string folder_;
};

class BenchServices : public AppServices {
public:
    // The windows' messages are counted, never shown: a box would stop the run.
    explicit BenchServices(const std::string& folder) : host_(folder), specialDays_(host_) {
        SetFormText(settings_.formText1, "Dana Example, Accounts");
        SetFormText(settings_.formText2, "Staff number 4711");
        win::SetMessageBoxHook([this](const std::string& text, UINT) {
            ++host_.messages;
            std::printf("message would have been shown: %s\n", text.c_str());
            return IDOK;
        });
    }
    ~BenchServices() override { win::SetMessageBoxHook({}); }
    BenchServices(const BenchServices&) = delete;
    BenchServices& operator=(const BenchServices&) = delete;
    Host& host() override { return host_; }
    BenchHost& benchHost() { return host_; }
    SettingsRecord& settings() override { return settings_; }
    SpecialEntryStore& specialDays() override { return specialDays_; }
    ReminderSettings& reminders() override { return reminders_; }
    void StoreSettings() override {}
    void OptionsStored() override {}
    void KeepLastSeen(const LastSeen&) override {}
    std::optional<WindowPlace> KeptPlace(WindowId) override { return std::nullopt; }
    void KeepPlace(WindowId, const WindowPlace&) override {}
    void ShowHelp(HelpTopic) override {}
    void OpenPreview(int, int, HWND) override {}
    void OpenYear(int) override {}
    void OpenCalendar() override {}
    void WatchLog(LogWatcher&) override {}
    void UnwatchLog(LogWatcher&) override {}

private:
    BenchHost host_;
    SettingsRecord settings_ = DefaultSettings();
    ReminderSettings reminders_;
    SpecialEntryStore specialDays_;
};

// ---------------------------------------------------------------- the folder and the log

// Month records of every month at the head, then for every working day a
// start, three notes, three breaks, two more notes and an end; on the 9th,
// when it is a working day, only a note, as for a day off.
inline std::string GenerateLog() {
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

inline bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                      written == bytes.size();
    CloseHandle(file);
    return done;
}

inline constexpr const char* kCopied[] = {"horalo.frm", "HoraloRDLL.dll", "horalo.spc"};

class TempFolder {
public:
    bool Make(std::string source, const std::string& prefix) {
        if (!source.empty() && source.back() != '\\' && source.back() != '/') source += '\\';
        char temp[MAX_PATH];
        if (!GetTempPathA(MAX_PATH, temp)) return false;
        path_ = std::string(temp) + prefix + std::to_string(GetCurrentProcessId()) + "\\";
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

// The floor of the log part: the whole log read with ReadFile, into a
// buffer kept between runs, or into a block allocated for this read as
// each of the preview's reads allocates one.
inline bool ReadWholeFile(const std::string& path, std::vector<char>* kept) {
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

// The program folder of a run: the program's files copied into `folder`,
// the language library loaded as the resource module and the generated log
// written. The library's handle, or null after saying what failed.
inline HMODULE PrepareRun(TempFolder& folder, const char* source, const std::string& prefix) {
    if (!folder.Make(source, prefix)) return std::printf("cannot prepare the temporary folder\n"), nullptr;
    HMODULE language = LoadLibraryA((folder.path() + "HoraloRDLL.dll").c_str());
    if (!language) return std::printf("cannot load the language library\n"), nullptr;
    win::SetResourceModule(language);
    if (!WriteWholeFile(folder.path() + kLogFileName, GenerateLog())) {
        FreeLibrary(language);
        return std::printf("cannot write the log\n"), nullptr;
    }
    return language;
}

// The whole of a benchmark's main for one measure: the program folder and
// the repetitions from the command line, the run's folder prepared with the
// special days read, and the exit code 0 only when the measure succeeded
// and no message would have been shown.
inline int RunBenchmark(int argc, char** argv, const char* name, int defaultRepetitions,
                        const std::function<bool(BenchServices&, int repetitions)>& measure) {
    if (argc < 2) {
        std::printf("usage: %s_benchmark.exe <program folder> [repetitions]\n", name);
        return 2;
    }
    const int repetitions = argc > 2 ? std::max(std::atoi(argv[2]), 1) : defaultRepetitions;
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    TempFolder folder;
    HMODULE language = PrepareRun(folder, argv[1], std::string("horalo_") + name + "_");
    if (!language) return 1;

    BenchServices app(folder.path());
    if (app.specialDays().Load()) return std::printf("cannot read horalo.spc\n"), 1;
    const bool ok = measure(app, repetitions);
    FreeLibrary(language);
    std::printf("messages that would have been shown: %d\n", app.benchHost().messages);
    return ok && app.benchHost().messages == 0 ? 0 : 1;
}

}  // namespace horalo
