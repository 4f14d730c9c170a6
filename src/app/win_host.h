#pragma once
// The core's view of the running program: the program folder from the
// registry, texts and message boxes from the language library.
#include "core/host.h"

namespace horalo {

class WinHost : public Host {
public:
    std::string ProgramFolder() override;
    int ShowText(unsigned stringId, const std::string& text, unsigned style) override;
    std::string LoadText(unsigned stringId) override;
};

}  // namespace horalo
