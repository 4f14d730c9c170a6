#pragma once
// The core's Host for a terminal: the folder named on the command line and
// the library's English texts.
#include <string>

#include "core/host.h"

namespace horalo::cli {

class CliHost : public Host {
public:
    explicit CliHost(std::string folder);

    std::string ProgramFolder() override { return folder_; }
    std::string LoadText(unsigned stringId) override;

private:
    std::string folder_;
};

}  // namespace horalo::cli
