#pragma once
// A Host for tests: a fresh temporary program folder that is removed again,
// texts from a map, and a recorder of every message shown.
#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "core/host.h"

namespace horalo::test {

struct ShownMessage {
    unsigned stringId = 0;
    unsigned style = 0;
    bool operator==(const ShownMessage&) const = default;
};

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
    int ShowText(unsigned stringId, const std::string& text, unsigned style) override {
        messages.push_back({stringId, style});
        shownTexts.push_back(text);
        return answer;
    }
    std::string LoadText(unsigned stringId) override {
        const auto found = texts.find(stringId);
        return found == texts.end() ? std::string() : found->second;
    }

    // The temporary folder itself (it stays removable whatever programFolder says).
    const std::filesystem::path& Folder() const { return folder_; }
    std::filesystem::path File(const std::string& name) const { return folder_ / name; }

    std::string programFolder;           // what ProgramFolder answers; tests may change it
    std::vector<ShownMessage> messages;  // every message shown, in order
    std::vector<std::string> shownTexts; // their texts, in the same order
    std::map<unsigned, std::string> texts;
    int answer = kAnswerOk;              // what every ShowMessage returns

private:
    std::filesystem::path folder_;
};

}  // namespace horalo::test
