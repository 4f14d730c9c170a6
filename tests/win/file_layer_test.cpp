// The C runtime's ftell cuts a position beyond its 32-bit long to the low
// bits: a log of 4 GiB and 100 bytes would be read as one of 100 bytes, one
// of 200 GiB as empty. The files are sparse and take no disk.
#include <gtest/gtest.h>
#include <io.h>

#include <filesystem>

#include "core/io/byte_block.h"
#include "core/timelog/log_record.h"

namespace horalo {
namespace {

TEST(FileLayerTest, AFileBeyondLongHasNoLengthAndIsNotRead) {
    const std::string path = (std::filesystem::temp_directory_path() / "horalo_file_layer_test.log").string();
    for (const long long size : {(4LL << 30) + 100, 200LL << 30}) {
        std::FILE* out = std::fopen(path.c_str(), "wb");
        ASSERT_TRUE(out);
        ASSERT_EQ(_chsize_s(_fileno(out), size), 0);
        std::fclose(out);
        const FileHandle file(Files().Open(path, "rb"));
        EXPECT_EQ(FileLength(file.get()), -1) << size;
        EXPECT_FALSE(ReadToEnd(file.get(), kLargestLogSize)) << size;
    }
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace horalo
