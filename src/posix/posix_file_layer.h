#pragma once
// The file layer of POSIX systems: the stdio layer with what POSIX adds to
// it, a flush that reaches the disk and cutting an open file short. The
// native programs and tests install it at their start.
#include "core/io/file_layer.h"

namespace horalo::posix {

class PosixFileLayer : public StdioFileLayer {
public:
    bool FlushToDisk(std::FILE* file) override;
    bool Truncate(std::FILE* file, long length) override;
};

}  // namespace horalo::posix
