#include <windows.h>

#include "app/recorder_app.h"
#include "core/io/file_layer.h"
#include "win/system_time_zone.h"
#include "win/win32_file_layer.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    horalo::win::UseSystemTimeZone();
    // Before anything opens a file: the log's changes replace it in one step
    // and reach the disk only through the Windows layer.
    horalo::win::Win32FileLayer files;
    const horalo::ScopedFileLayer filesInstalled(files);
    horalo::RecorderApp app;
    return app.Run();
}
