#include <windows.h>

#include "app/recorder_app.h"
#include "core/calendar/local_time.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    horalo::UseSystemTimeZone();
    horalo::RecorderApp app;
    return app.Run();
}
