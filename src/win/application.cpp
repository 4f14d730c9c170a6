#include "win/application.h"

#include <windows.h>

namespace horalo::win {

int Application::Run() {
    if (InitInstance()) {
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        SetExitCode(static_cast<int>(message.wParam));
    }
    return ExitInstance();
}

}  // namespace horalo::win
