// The bound of a whole-file read holds to the byte.
#include "core/io/byte_block.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/io/file_layer.h"
#include "test_host.h"

namespace horalo {
namespace {

TEST(ByteBlockTest, ReadToEndTakesAtMostTheLargestSize) {
    test::TestHost host;
    const std::string path = host.File("bytes").string();
    std::ofstream{path};
    const struct {
        std::uintmax_t size;
        std::size_t largest;
        bool read;
    } cases[] = {{0, 0, true}, {100, 100, true}, {101, 100, false}, {std::uintmax_t{1} << 40, 100, false}};
    for (const auto& c : cases) {
        std::filesystem::resize_file(path, c.size);
        const FileHandle file(Files().Open(path, "rb"));
        const std::optional<ByteBlock> block = ReadToEnd(file.get(), c.largest);
        EXPECT_EQ(block.has_value(), c.read) << c.size;
        if (block) EXPECT_EQ(block->size(), c.size);
    }
}

}  // namespace
}  // namespace horalo
