#include "win/win32_file_layer.h"

#include <windows.h>
#include <io.h>

#include <climits>

namespace horalo::win {

long Win32FileLayer::Tell(std::FILE* file) {
    // long has 32 bits here, and the runtime's ftell gives a position beyond
    // them cut to its low bits (a file of 4 GiB and 100 bytes would tell 100,
    // one of 200 GiB nothing): beyond long the position is unknown.
    const long long position = _ftelli64(file);
    return position >= 0 && position <= LONG_MAX ? static_cast<long>(position) : -1;
}

bool Win32FileLayer::FlushToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

bool Win32FileLayer::Truncate(std::FILE* file, long length) {
    return length >= 0 && std::fflush(file) == 0 && _chsize_s(_fileno(file), length) == 0;
}

ReplaceOutcome Win32FileLayer::Replace(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return ReplaceOutcome::Done;
    const DWORD error = GetLastError();
    const bool inUse =
        error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
    return inUse ? ReplaceOutcome::InUse : ReplaceOutcome::Failed;
}

bool Win32FileLayer::Link(const std::string& path, const std::string& alias) {
    return CreateHardLinkA(alias.c_str(), path.c_str(), nullptr) != 0;
}

}  // namespace horalo::win
