#include "app/win_host.h"

#include "app/settings_store.h"
#include "win/resources.h"

namespace horalo {

std::string WinHost::ProgramFolder() {
    if (!folder_) folder_ = ReadProgramFolder();
    return *folder_;
}

std::string WinHost::LoadText(unsigned stringId) { return win::LoadText(stringId); }

}  // namespace horalo
