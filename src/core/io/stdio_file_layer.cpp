// The one place in the core that differs by platform: flushing a file to the
// disk, cutting it short and replacing it in one step.
#include <cerrno>
#include <climits>

#include "core/io/file_layer.h"

#ifdef _WIN32
#include <io.h>
// Declared here: the core takes nothing from the platform SDK headers.
extern "C" __declspec(dllimport) int __stdcall MoveFileExA(const char* from, const char* to, unsigned long flags);
extern "C" __declspec(dllimport) unsigned long __stdcall GetLastError();
extern "C" __declspec(dllimport) int __stdcall CreateHardLinkA(const char* alias, const char* path, void* security);
#else
#include <unistd.h>
#endif

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

long StdioFileLayer::Tell(std::FILE* file) {
#ifdef _WIN32
    // long has 32 bits here, and the runtime's ftell gives a position beyond
    // them cut to its low bits (a file of 4 GiB and 100 bytes would tell 100,
    // one of 200 GiB nothing): beyond long the position is unknown.
    const long long position = _ftelli64(file);
    return position >= 0 && position <= LONG_MAX ? static_cast<long>(position) : -1;
#else
    return std::ftell(file);
#endif
}

bool StdioFileLayer::FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

bool StdioFileLayer::Close(std::FILE* file) { return std::fclose(file) == 0; }

bool StdioFileLayer::Truncate(std::FILE* file, long length) {
    if (length < 0 || std::fflush(file) != 0) return false;
#ifdef _WIN32
    return _chsize_s(_fileno(file), length) == 0;
#else
    return ftruncate(fileno(file), length) == 0;
#endif
}

bool StdioFileLayer::Remove(const std::string& path) { return std::remove(path.c_str()) == 0; }

ReplaceOutcome StdioFileLayer::Replace(const std::string& from, const std::string& to) {
#ifdef _WIN32
    constexpr unsigned long kReplaceExisting = 0x1, kWriteThrough = 0x8;
    if (MoveFileExA(from.c_str(), to.c_str(), kReplaceExisting | kWriteThrough)) return ReplaceOutcome::Done;
    constexpr unsigned long kAccessDenied = 5, kSharingViolation = 32, kLockViolation = 33;
    const unsigned long error = GetLastError();
    const bool inUse = error == kAccessDenied || error == kSharingViolation || error == kLockViolation;
#else
    if (std::rename(from.c_str(), to.c_str()) == 0) return ReplaceOutcome::Done;
    const bool inUse = errno == EACCES || errno == EPERM || errno == EBUSY || errno == EROFS;
#endif
    return inUse ? ReplaceOutcome::InUse : ReplaceOutcome::Failed;
}

bool StdioFileLayer::Link(const std::string& path, const std::string& alias) {
#ifdef _WIN32
    return CreateHardLinkA(alias.c_str(), path.c_str(), nullptr) != 0;
#else
    return link(path.c_str(), alias.c_str()) == 0;
#endif
}

}  // namespace horalo
