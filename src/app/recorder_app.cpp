#include "app/recorder_app.h"

#include <commctrl.h>

#include "app/settings_store.h"
#include "core/special_days/special_entry_file.h"
#include "resource_ids.h"
#include "ui/main/main_dialog.h"
#include "win/resources.h"

namespace horalo {
namespace {
RecorderApp* theApp = nullptr;
constexpr const char* kLanguageLibraryName = "HoraloRDLL.dll";
// No texts exist without the library, so this one message lives here.
constexpr const char* kLibraryMissingText = "Sprach DLL fehlt!\nLanguage DLL is missing!";
}  // namespace

RecorderApp::RecorderApp() : programPath(ProgramPath()) { theApp = this; }

RecorderApp::~RecorderApp() {
    if (theApp == this) theApp = nullptr;
}

RecorderApp& TheApp() { return *theApp; }

bool RecorderApp::InitInstance() {
    SetExitCode(1);
    // The library is looked for in the program's folder first; the current
    // folder is taken out of the search so no stray copy there is loaded.
    SetDllDirectoryA("");
    languageLibrary = LoadLibraryA(kLanguageLibraryName);
    if (!languageLibrary) {
        MessageBoxA(nullptr, kLibraryMissingText, "Horalo", MB_OK);
        return false;
    }
    win::SetResourceModule(languageLibrary);

    // A second recorder of this user only brings the first one forward: two
    // would append to and rewrite the same log. Nothing is written before.
    if (!instance_.Acquire(InstanceMutexName())) {
        ShowRunningInstance();
        SetExitCode(0);
        return false;
    }

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    monthNames = SplitStringResource(host_, IDS_MONTH_NAMES);
    weekdayNames = SplitStringResource(host_, IDS_WEEKDAY_NAMES);

    if (!LoadSettings(settings)) {
        ResetSettings(settings);
        ApplyAutostartAndPath(settings, programPath);
        StoreSettings(settings);
    }

    auto* dialog = new MainDialog(*this);
    if (!dialog->StartWork(true)) {
        delete dialog;
        return false;
    }
    // Without its window the program could be neither reached nor ended,
    // and it would keep every later start out; so the day ends here.
    if (!dialog->CreateModeless(nullptr)) {
        dialog->EndWork(true);
        delete dialog;
        return false;
    }
    if (settings.startHidden == 0 && mainDialog) ShowWindow(mainDialog->Handle(), SW_SHOW);

    RunMessageLoop();
    monthNames.clear();
    weekdayNames.clear();
    return false;
}

void RecorderApp::RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        // Only the main dialog gets dialog keyboard handling here.
        const HWND main = mainDialog ? mainDialog->Handle() : nullptr;
        if (main && IsDialogMessageA(main, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    SetExitCode(static_cast<int>(message.wParam));
}

bool RecorderApp::LoadSpecialEntryList() {
    if (!LoadSpecialEntries(host_, specialEntries)) return false;
    specialEntriesLoaded_ = true;
    specialEntryCount = specialEntries.size();
    specialDays.assign(specialEntries.size(), SpecialDaySlot{});
    return true;
}

bool RecorderApp::SaveSpecialEntryList() {
    if (!specialEntriesLoaded_) return true;
    specialEntriesLoaded_ = false;
    specialEntryCount = 0;
    return SaveSpecialEntries(host_, specialEntries);
}

void RecorderApp::FreeSpecialDayTable() { SpecialDayTable().swap(specialDays); }

int RecorderApp::ExitInstance() {
    if (languageLibrary) {
        win::SetResourceModule(nullptr);
        FreeLibrary(languageLibrary);
        languageLibrary = nullptr;
    }
    return win::Application::ExitInstance();
}

}  // namespace horalo
