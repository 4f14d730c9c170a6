#pragma once
// The one application object: it owns the settings, the name lists and the
// language library for the whole run, and its start-up hook runs the life of
// the program.
#include <windows.h>

#include "app/win_host.h"
#include "core/settings/settings_record.h"
#include "core/text/string_list.h"
#include "win/application.h"

namespace horalo {

class MainDialog;

class RecorderApp : public win::Application {
public:
    RecorderApp();
    ~RecorderApp() override;

    SettingsRecord settings;
    unsigned previewError = 0;
    StringList monthNames;
    StringList weekdayNames;
    HMODULE languageLibrary = nullptr;
    MainDialog* mainDialog = nullptr;  // cleared by the dialog when it goes

    Host& host() { return host_; }

protected:
    bool InitInstance() override;
    int ExitInstance() override;

private:
    void RunMessageLoop();
    WinHost host_;
};

// The running application object.
RecorderApp& TheApp();

}  // namespace horalo
