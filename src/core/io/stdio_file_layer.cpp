// The portable file layer: only what the C and C++ standard libraries offer.
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "core/io/file_layer.h"

namespace horalo {
namespace {

FileLayer*& CurrentLayer() {
    static StdioFileLayer stdioLayer;
    static FileLayer* current = &stdioLayer;
    return current;
}

}  // namespace

FileLayer& Files() { return *CurrentLayer(); }

ScopedFileLayer::ScopedFileLayer(FileLayer& layer) : previous_(CurrentLayer()) { CurrentLayer() = &layer; }

ScopedFileLayer::~ScopedFileLayer() { CurrentLayer() = previous_; }

long FileLength(std::FILE* file) {
    FileLayer& files = Files();
    const long position = files.Tell(file);
    if (position < 0 || !files.Seek(file, 0, SEEK_END)) return -1;
    const long length = files.Tell(file);
    return files.Seek(file, position, SEEK_SET) ? length : -1;
}

std::FILE* StdioFileLayer::Open(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

std::size_t StdioFileLayer::Read(std::FILE* file, void* buffer, std::size_t count) {
    return count == 0 ? 0 : std::fread(buffer, 1, count, file);
}

std::size_t StdioFileLayer::Write(std::FILE* file, const void* data, std::size_t count) {
    return count == 0 ? 0 : std::fwrite(data, 1, count, file);
}

bool StdioFileLayer::Seek(std::FILE* file, long offset, int origin) { return std::fseek(file, offset, origin) == 0; }

long StdioFileLayer::Tell(std::FILE* file) { return std::ftell(file); }

bool StdioFileLayer::FlushToDisk(std::FILE* file) { return std::fflush(file) == 0; }

bool StdioFileLayer::Close(std::FILE* file) { return std::fclose(file) == 0; }

bool StdioFileLayer::Truncate(std::FILE*, long) { return false; }

bool StdioFileLayer::Remove(const std::string& path) { return std::remove(path.c_str()) == 0; }

ReplaceOutcome StdioFileLayer::Replace(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return ReplaceOutcome::Done;
    const bool inUse = errno == EACCES || errno == EPERM || errno == EBUSY || errno == EROFS;
    return inUse ? ReplaceOutcome::InUse : ReplaceOutcome::Failed;
}

bool StdioFileLayer::Link(const std::string& path, const std::string& alias) {
    std::error_code error;
    std::filesystem::create_hard_link(path, alias, error);
    return !error;
}

}  // namespace horalo
