// Replays the fuzzers' committed corpora through the same checks they run.
#include <gtest/gtest.h>

#include <filesystem>

#include "../../fuzz/form_fuzz_target.h"
#include "../../fuzz/log_fuzz_target.h"

namespace horalo {
namespace {

TEST(FuzzCorpus, EveryFileKeepsTheLogChecks) {
    const auto corpus = std::filesystem::path(__FILE__).parent_path() / "../../fuzz/corpus";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string bytes = fuzz::ReadFile(entry.path());
        fuzz::FuzzTimeLog(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++files;
    }
    EXPECT_GE(files, 8);
}

TEST(FuzzCorpus, EveryFormKeepsThePlaceholderAndRecordSizeChecks) {
    const auto corpus = std::filesystem::path(__FILE__).parent_path() / "../../fuzz/form_corpus";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string bytes = fuzz::ReadFile(entry.path());
        fuzz::FuzzForm(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++files;
    }
    EXPECT_GE(files, 6);
}

}  // namespace
}  // namespace horalo
