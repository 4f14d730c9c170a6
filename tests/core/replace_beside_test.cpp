// The one write-beside-then-replace helper, made to fail at each step the
// file layer takes: the file is then the old one or the new one, whole,
// and no file is left beside it.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/io/replace_beside.h"
#include "fault_file_layer.h"
#include "time_log_test_files.h"

namespace horalo {
namespace {

using test::ReadAll;
using test::WriteAll;

TEST(ReplaceBeside, EveryFailureLeavesTheOldFileOrTheNewOneAndNothingBeside) {
    test::TestHost host;
    const std::string path = host.File("data").string(), beside = path + ".new";
    const std::string old = "old content", fresh = "the new content, longer";
    const Bytes first(fresh.begin(), fresh.begin() + 8), second(fresh.begin() + 8, fresh.end());
    const ByteSpan parts[] = {first, {}, second};

    FaultFileLayer layer;
    ScopedFileLayer scope(layer);
    WriteAll(path, old);
    ASSERT_EQ(ReplaceBeside(path, beside, parts), ReplaceResult::Done);
    ASSERT_EQ(ReadAll(path), fresh);
    const FaultFileLayer counted = layer;

    struct Fault {
        FileStep step;
        ReplaceOutcome outcome;
        ReplaceResult result;
    };
    const Fault faults[] = {
        {FileStep::Open, ReplaceOutcome::Failed, ReplaceResult::CannotCreate},
        {FileStep::Write, ReplaceOutcome::Failed, ReplaceResult::WriteFailed},
        {FileStep::Flush, ReplaceOutcome::Failed, ReplaceResult::WriteFailed},
        {FileStep::Close, ReplaceOutcome::Failed, ReplaceResult::WriteFailed},
        {FileStep::Replace, ReplaceOutcome::InUse, ReplaceResult::InUse},
        {FileStep::Replace, ReplaceOutcome::Failed, ReplaceResult::ReplaceFailed},
    };
    for (const Fault& fault : faults) {
        for (int call = 1; call <= counted.Calls(fault.step); ++call) {
            SCOPED_TRACE(testing::Message() << "step " << static_cast<int>(fault.step) << " call " << call);
            WriteAll(path, old);
            layer.FailAt(fault.step, call, fault.outcome);
            EXPECT_EQ(ReplaceBeside(path, beside, parts), fault.result);
            EXPECT_TRUE(layer.Fired());
            EXPECT_EQ(ReadAll(path), old);
            EXPECT_FALSE(std::filesystem::exists(beside));
        }
    }
    // A file of its own beside is overwritten, not appended to.
    WriteAll(beside, "stale");
    layer.Reset();
    EXPECT_EQ(ReplaceBeside(path, beside, parts), ReplaceResult::Done);
    EXPECT_EQ(ReadAll(path), fresh);
}

}  // namespace
}  // namespace horalo
