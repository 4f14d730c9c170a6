// Measures what a user of the program feels at its start and at its quit:
//
//   latency_probe.exe <program.exe> <window property> <log file> [runs]
//
// Each run starts the program from its own folder and times, from just
// before CreateProcess, until a visible top-level window of the new process
// carries the property, and until the program first waits for input. Only
// then, so that no start-up work left for after the window is shown counts
// against the quit, it posts the private quit request (0x054D) to that
// window and times until the log has grown by one 8-byte record beyond its
// size before the request (Horalo's start record is not counted twice), and
// until the process has ended. One warm-up run comes first and is not
// counted: it fills the caches, and Horalo's first start in a fresh prefix
// also writes its default settings.
//
// The figures go to stdout, one line per run and a line of medians that
// scripts/bench-wine.sh reads. Exit code 0 when every run succeeded.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
constexpr UINT kQuitRequest = 0x054D;
constexpr LONGLONG kRecordBytes = 8;
constexpr double kGiveUpMs = 30000;
constexpr DWORD kPollMs = 1;
// A record may land within a millisecond of the request, finer than a
// sleep can tell; so the first moments after it are watched without sleeping.
constexpr double kSpinMs = 50;
constexpr DWORD kSettleMs = 250;  // between runs, so one run's tail is not the next one's start

LARGE_INTEGER Frequency() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency;
}

double Ms(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const LARGE_INTEGER frequency = Frequency();
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

// A missing log counts as empty: the floor program makes it at its quit.
LONGLONG FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

struct WindowQuery {
    DWORD processId;
    const char* property;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto& query = *reinterpret_cast<WindowQuery*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != query.processId || !GetPropA(window, query.property) || !IsWindowVisible(window)) return TRUE;
    query.found = window;
    return FALSE;
}

bool Ended(HANDLE process) { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

struct Run {
    double startToVisible = 0;
    double startToIdle = 0;
    double quitToRecord = 0;
    double quitToEnded = 0;
};

class Probe {
public:
    Probe(std::string program, std::string property, std::string log)
        : program_(std::move(program)), property_(std::move(property)), log_(std::move(log)) {}

    // Fills `run` and returns true, or says what went wrong and returns
    // false; the program never outlives a failed run.
    bool Measure(Run& run) {
        std::string commandLine = "\"" + program_ + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        const std::string folder = FolderOf(program_);

        const LARGE_INTEGER start = Now();
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
            std::printf("cannot start %s (error %lu)\n", program_.c_str(), GetLastError());
            return false;
        }
        CloseHandle(process.hThread);
        const bool done = Follow(process, start, run);
        if (!done && !Ended(process.hProcess)) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, INFINITE);
        }
        CloseHandle(process.hProcess);
        return done;
    }

private:
    static std::string FolderOf(const std::string& path) {
        const auto cut = path.find_last_of("\\/");
        return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
    }

    bool Follow(const PROCESS_INFORMATION& process, LARGE_INTEGER start, Run& run) {
        WindowQuery query{process.dwProcessId, property_.c_str(), nullptr};
        for (;;) {
            EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&query));
            if (query.found) break;
            if (Ended(process.hProcess)) {
                std::printf("the program ended before it showed a window with %s\n", property_.c_str());
                return false;
            }
            if (Ms(start, Now()) > kGiveUpMs) {
                std::printf("no visible window with %s after %.0f ms\n", property_.c_str(), kGiveUpMs);
                return false;
            }
            Sleep(kPollMs);
        }
        run.startToVisible = Ms(start, Now());
        if (WaitForInputIdle(process.hProcess, static_cast<DWORD>(kGiveUpMs)) != 0) {
            std::printf("the program did not wait for input within %.0f ms\n", kGiveUpMs);
            return false;
        }
        run.startToIdle = Ms(start, Now());

        const LONGLONG target = FileSize(log_) + kRecordBytes;
        const LARGE_INTEGER quit = Now();
        if (!PostMessageA(query.found, kQuitRequest, 0, 0)) {
            std::printf("cannot post the quit request (error %lu)\n", GetLastError());
            return false;
        }
        bool recorded = false;
        bool ended = false;
        while (!recorded || !ended) {
            if (!recorded && FileSize(log_) >= target) {
                recorded = true;
                run.quitToRecord = Ms(quit, Now());
            }
            if (!ended && Ended(process.hProcess)) {
                ended = true;
                run.quitToEnded = Ms(quit, Now());
                // The last look: a record written just before the end counts.
                if (!recorded && FileSize(log_) >= target) {
                    recorded = true;
                    run.quitToRecord = run.quitToEnded;
                }
                if (!recorded) {
                    std::printf("the program ended without appending a record to %s\n", log_.c_str());
                    return false;
                }
            }
            if (Ms(quit, Now()) > kGiveUpMs) {
                std::printf("no %s after the quit request within %.0f ms\n", recorded ? "end" : "record",
                            kGiveUpMs);
                return false;
            }
            if (Ms(quit, Now()) < kSpinMs)
                SwitchToThread();
            else
                Sleep(kPollMs);
        }
        return true;
    }

    std::string program_;
    std::string property_;
    std::string log_;
};

double Median(const std::vector<Run>& runs, double Run::*figure) {
    std::vector<double> values;
    for (const Run& run : runs) values.push_back(run.*figure);
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// One line that scripts/bench-wine.sh reads by its labels.
void Print(const std::string& label, const Run& run) {
    std::printf("%s: start->visible %.1f ms, start->idle %.1f ms, quit->record %.1f ms, quit->ended %.1f ms\n",
                label.c_str(), run.startToVisible, run.startToIdle, run.quitToRecord, run.quitToEnded);
    std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: %s <program.exe> <window property> <log file> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc == 5 ? std::atoi(argv[4]) : 7;
    if (runs < 1) {
        std::fprintf(stderr, "runs must be at least 1\n");
        return 2;
    }
    Probe probe(argv[1], argv[2], argv[3]);

    // The probe looks for windows, so it needs the desktop; made by its
    // first user, it would race the program's own start of it in the first
    // run. What it costs is Wine's, paid once by the first program of a
    // session, and reported apart.
    const LARGE_INTEGER beforeDesktop = Now();
    GetDesktopWindow();
    std::printf("desktop ready: %.1f ms\n", Ms(beforeDesktop, Now()));

    Run warmUp;
    if (!probe.Measure(warmUp)) return 1;
    Print("warm-up", warmUp);

    std::vector<Run> all;
    for (int i = 1; i <= runs; ++i) {
        Sleep(kSettleMs);
        Run run;
        if (!probe.Measure(run)) return 1;
        Print("run " + std::to_string(i), run);
        all.push_back(run);
    }
    Run median;
    median.startToVisible = Median(all, &Run::startToVisible);
    median.startToIdle = Median(all, &Run::startToIdle);
    median.quitToRecord = Median(all, &Run::quitToRecord);
    median.quitToEnded = Median(all, &Run::quitToEnded);
    Print("median of " + std::to_string(runs), median);
    return 0;
}
