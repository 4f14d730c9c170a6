#pragma once
// The core's Host for a terminal: messages are collected for the error
// stream instead of shown in boxes, and nothing waits for an answer.
#include <string>
#include <vector>

#include "core/host.h"

namespace horalo::cli {

class CliHost : public Host {
public:
    explicit CliHost(std::string folder);

    std::string ProgramFolder() override { return folder_; }
    int ShowText(unsigned stringId, const std::string& text, unsigned style) override;
    std::string LoadText(unsigned stringId) override;

    // Every message the core wanted to show, in order, and forgets them.
    std::vector<std::string> TakeMessages();

private:
    std::string folder_;
    std::vector<std::string> messages_;
};

}  // namespace horalo::cli
