#include "cli/cli_host.h"

#include <utility>

#include "cli/cli_texts.h"

namespace horalo::cli {

CliHost::CliHost(std::string folder) : folder_(std::move(folder)) {
    if (folder_.empty()) folder_.push_back('.');
    const char last = folder_.back();
    if (last != '/' && last != '\\') folder_ += '/';
}

std::string CliHost::LoadText(unsigned stringId) { return CliTextOf(stringId); }

}  // namespace horalo::cli
