#include "app/win_host.h"

#include "app/settings_store.h"
#include "win/message_box.h"
#include "win/resources.h"

namespace horalo {

std::string WinHost::ProgramFolder() {
    if (!folder_) folder_ = ReadProgramFolder();
    return *folder_;
}

int WinHost::ShowText(unsigned, const std::string& text, unsigned style) {
    return win::ShowMessageBox(nullptr, text, style);
}

std::string WinHost::LoadText(unsigned stringId) { return win::LoadText(stringId); }

}  // namespace horalo
