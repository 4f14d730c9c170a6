#include "posix/posix_file_layer.h"

#include <stdio.h>
#include <unistd.h>

namespace horalo::posix {

bool PosixFileLayer::FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

bool PosixFileLayer::Truncate(std::FILE* file, long length) {
    return length >= 0 && std::fflush(file) == 0 && ftruncate(fileno(file), length) == 0;
}

}  // namespace horalo::posix
