#include <windows.h>

#include "app/recorder_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    horalo::RecorderApp app;
    return app.Run();
}
