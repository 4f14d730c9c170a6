#pragma once
// The core's view of the running program: the program folder from the
// registry, texts from the language library.
#include <functional>
#include <optional>
#include <string>

#include "core/host.h"

namespace horalo {

class WinHost : public Host {
public:
    // Read from the registry once: every record of one run goes to one log,
    // and an append at log-off spares the registry's round trips.
    std::string ProgramFolder() override;
    std::string LoadText(unsigned stringId) override;
    void LogChanged() override {
        if (logChanged) logChanged();
    }

    // Passes every change of the log on to the windows that show it.
    std::function<void()> logChanged;

private:
    std::optional<std::string> folder_;
};

}  // namespace horalo
