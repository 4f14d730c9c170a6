#include "win/application.h"

#include "win/message_loop.h"

namespace horalo::win {

int Application::Run() {
    if (InitInstance()) SetExitCode(RunMessageLoop());
    return ExitInstance();
}

}  // namespace horalo::win
