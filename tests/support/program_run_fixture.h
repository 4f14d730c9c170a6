#pragma once
// Runs horalo.exe itself from a fresh program folder, the way the logon
// starts it, and finds its windows the way another program would.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "app/registry.h"
#include "core/settings/settings_record.h"
#include "registry_fixture.h"
#include "resource_ids.h"

namespace horalo::test {

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline std::int32_t Int32At(const std::string& bytes, size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes.at(offset + i));
    return static_cast<std::int32_t>(value);
}

struct WindowSearch {
    DWORD processId;
    const char* property;  // null: any dialog-class window
    int controlId;         // 0: any; else the dialog must have this control
    HWND found;
};

inline BOOL CALLBACK FindProcessWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) return TRUE;
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770") return TRUE;
    if (search->property && !GetPropA(window, search->property)) return TRUE;
    if (search->controlId && !GetDlgItem(window, search->controlId)) return TRUE;
    search->found = window;
    return FALSE;
}

inline HWND WaitForWindow(DWORD processId, const char* property, HANDLE process, int controlId = 0) {
    for (int i = 0; i < 300; ++i) {
        WindowSearch search{processId, property, controlId, nullptr};
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

// Every text of a message box's controls, one after the other.
inline std::string BoxTexts(HWND box) {
    std::string texts;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char text[2048] = {};
        GetWindowTextA(child, text, sizeof text);
        texts += text;
        texts += '\n';
    }
    return texts;
}

struct BoxSearch {
    DWORD processId;
    const std::string* text;
    HWND found;
};

inline BOOL CALLBACK FindBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner != search->processId || std::string(className) != "#32770") return TRUE;
    if (GetPropA(window, HORALO_MAIN_DIALOG_PROPERTY) || BoxTexts(window).find(*search->text) == std::string::npos)
        return TRUE;
    search->found = window;
    return FALSE;
}

// A message box of the process that shows `text`. The box exists before
// its texts do, so it is looked for until they are there.
inline HWND WaitForBox(DWORD processId, HANDLE process, const std::string& text) {
    for (int i = 0; i < 300; ++i) {
        BoxSearch search{processId, &text, nullptr};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

class ProgramRun : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteProgramValues();
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        elsewhere_ = temp;
        folder_ = elsewhere_ + "Horalo e2e " + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
    }
    void TearDown() override {
        for (const char* name : {"horalo.exe", "HoraloRDLL.dll", "horalo.log", "horalo.spc", "horalo.spc.new"})
            DeleteFileA((folder_ + name).c_str());
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "horalo.log.cut-*").c_str(), &found);
        for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
            DeleteFileA((folder_ + found.cFileName).c_str());
        if (search != INVALID_HANDLE_VALUE) FindClose(search);
        RemoveDirectoryA(folder_.c_str());
        DeleteProgramValues();
    }

    void CopyIn(const char* name) {
        ASSERT_TRUE(CopyFileA((TestProgramFolder() + name).c_str(), (folder_ + name).c_str(), FALSE)) << name;
    }
    // What the program needs to start and record.
    void CopyProgram() {
        CopyIn("horalo.exe");
        CopyIn("HoraloRDLL.dll");
        CopyIn("horalo.spc");
    }

    // Starts the program with a current folder other than its own, as the
    // logon does.
    void Start() { Start(process_); }
    void Start(PROCESS_INFORMATION& process) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string command = "\"" + folder_ + "horalo.exe\"";
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, elsewhere_.c_str(),
                                   &startup, &process));
        CloseHandle(process.hThread);
    }

    DWORD WaitForExit() { return WaitForExit(process_); }
    static DWORD WaitForExit(PROCESS_INFORMATION& process) {
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hProcess);
        return code;
    }

    void StoreSettings(const SettingsRecord& settings) {
        const SettingsBytes bytes = EncodeSettings(settings);
        WriteRegistryValue(kSettingsValue, bytes.data(), kSettingsRecordSize, false);
        WriteRegistryValue(kPathValue, folder_.data(), static_cast<DWORD>(folder_.size()), true);
    }

    std::string Log() { return ReadFile(folder_ + "horalo.log"); }

    std::string elsewhere_;
    std::string folder_;
    PROCESS_INFORMATION process_{};
};

}  // namespace horalo::test
