#pragma once
// Help topics shown by the platform's HTML help control, which is loaded on
// first use instead of being linked.
#include <windows.h>

#include <string>

#include "app/help_topics.h"

namespace horalo {

class HelpControlLoader {
public:
    // Loads the control once (its registered path first, then by bare name)
    // and forwards to its ANSI entry point; 0 when it cannot be had. After
    // one failure no further load is tried.
    HWND operator()(HWND owner, const char* file, UINT command, DWORD_PTR data);

    bool Failed() const { return failed_; }
    int LoadAttempts() const { return loadAttempts_; }

private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    HMODULE module_ = nullptr;
    HtmlHelpFunction entry_ = nullptr;
    bool failed_ = false;
    int loadAttempts_ = 0;
};

HelpControlLoader& ProcessHelpControl();

// Shows a topic; the help file is looked up in the given program folder, since
// the current folder of a program started at logon is not its own.
void ShowHelpTopic(const std::string& programFolder, const char* topic);

}  // namespace horalo
