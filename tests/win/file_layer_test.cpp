// The Windows file layer, installed in the test program as in every Windows
// program of ours.
#include <gtest/gtest.h>
#include <windows.h>
#include <io.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/io/byte_block.h"
#include "core/timelog/log_record.h"
#include "win/win32_file_layer.h"

namespace horalo {
namespace {

std::string Content(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The runtime's rename refuses an existing target: without this layer every
// rewrite of the log would fail.
TEST(FileLayerTest, TheInstalledLayerReplacesAnExistingFileInOneStep) {
    ASSERT_NE(dynamic_cast<win::Win32FileLayer*>(&Files()), nullptr) << "the test program installs the Windows layer";
    const auto folder = std::filesystem::temp_directory_path() / "horalo_file_layer_replace";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto beside = folder / "horalo.log.new", target = folder / "horalo.log";
    std::ofstream(target, std::ios::binary) << "old";
    std::ofstream(beside, std::ios::binary) << "new";

    // Held open without sharing, as by another program: refused as in use,
    // and both files stay as they were.
    const HANDLE held = CreateFileA(target.string().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Files().Replace(beside.string(), target.string()), ReplaceOutcome::InUse);
    CloseHandle(held);
    EXPECT_EQ(Content(target), "old");

    EXPECT_EQ(Files().Replace(beside.string(), target.string()), ReplaceOutcome::Done);
    EXPECT_EQ(Content(target), "new");
    EXPECT_FALSE(std::filesystem::exists(beside));
    std::filesystem::remove_all(folder);
}

// The C runtime's ftell cuts a position beyond its 32-bit long to the low
// bits: a log of 4 GiB and 100 bytes would be read as one of 100 bytes, one
// of 200 GiB as empty. The files are sparse and take no disk.
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
