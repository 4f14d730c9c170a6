#include "cli/cli_host.h"

#include <utility>

#include "cli/cli_texts.h"

namespace horalo::cli {

CliHost::CliHost(std::string folder) : folder_(std::move(folder)) {
    if (folder_.empty()) folder_.push_back('.');
    const char last = folder_.back();
    if (last != '/' && last != '\\') folder_ += '/';
}

int CliHost::ShowText(unsigned, const std::string& text, unsigned style) {
    messages_.push_back(text);
    // A question gets No: the tool never agrees to change anything.
    return (style & kMessageYesNo) ? kAnswerNo : kAnswerOk;
}

std::string CliHost::LoadText(unsigned stringId) { return CliTextOf(stringId); }

std::vector<std::string> CliHost::TakeMessages() { return std::exchange(messages_, {}); }

}  // namespace horalo::cli
