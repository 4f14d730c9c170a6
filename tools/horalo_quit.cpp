// Asks a running Horalo to end the way another program may: it posts the
// private quit request to the main dialog, so the end of work is recorded.
// Exit code 0 when a main dialog was found, 1 otherwise.
#include <windows.h>

#include <cstdio>

#include "resource_ids.h"

namespace {

BOOL CALLBACK PostToMainDialogs(HWND window, LPARAM found) {
    if (GetPropA(window, HORALO_MAIN_DIALOG_PROPERTY)) {
        PostMessageA(window, WM_HORALO_QUIT_REQUEST, 0, 0);
        ++*reinterpret_cast<int*>(found);
    }
    return TRUE;
}
}  // namespace

int main() {
    int found = 0;
    EnumWindows(PostToMainDialogs, reinterpret_cast<LPARAM>(&found));
    if (found == 0) std::fprintf(stderr, "No running Horalo was found.\n");
    return found > 0 ? 0 : 1;
}
