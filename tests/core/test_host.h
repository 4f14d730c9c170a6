#pragma once
// A Host for tests: a fresh temporary program folder that is removed again,
// and texts from a map.
#include <chrono>
#include <filesystem>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "core/host.h"
#include "core/outcome.h"

namespace horalo {
// Names a message in a failed expectation.
inline void PrintTo(const Message& message, std::ostream* out) {
    *out << "message " << message.textId << " style " << message.style << " \"" << message.text << '"';
}
}  // namespace horalo

namespace horalo::test {

class TestHost : public Host {
public:
    TestHost() {
        // Tests run in parallel processes, so the name must not depend on
        // this process alone; create_directory tells us whether it was free.
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
        std::mt19937_64 random(std::random_device{}() ^ static_cast<unsigned long long>(ticks));
        const auto base = std::filesystem::temp_directory_path();
        do {
            folder_ = base / ("horalo_test_" + std::to_string(random()));
        } while (!std::filesystem::create_directory(folder_));
        programFolder = folder_.generic_string() + '/';
    }
    ~TestHost() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    std::string ProgramFolder() override { return programFolder; }
    std::string LoadText(unsigned stringId) override {
        const auto found = texts.find(stringId);
        return found == texts.end() ? std::string() : found->second;
    }

    // The temporary folder itself (it stays removable whatever programFolder says).
    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path File(const std::string& name) const { return folder_ / name; }

    std::string programFolder;           // what ProgramFolder answers; tests may change it
    std::map<unsigned, std::string> texts;

private:
    std::filesystem::path folder_;
};

}  // namespace horalo::test
