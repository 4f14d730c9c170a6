#pragma once
// The core's view of the running program: the program folder from the
// registry, texts and message boxes from the language library.
#include <optional>
#include <string>

#include "core/host.h"

namespace horalo {

class WinHost : public Host {
public:
    // Read from the registry once: every record of one run goes to one log,
    // and an append at log-off spares the registry's round trips.
    std::string ProgramFolder() override;
    int ShowText(unsigned stringId, const std::string& text, unsigned style) override;
    std::string LoadText(unsigned stringId) override;

private:
    std::optional<std::string> folder_;
};

}  // namespace horalo
