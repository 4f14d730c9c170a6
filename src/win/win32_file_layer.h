#pragma once
// The file layer of the Windows programs: the stdio layer with the C
// runtime's and Win32's own calls where the standard ones fall short. Every
// Windows program installs it at its start (ScopedFileLayer), so no change
// of a file loses its replace in one step or its flush to the disk.
#include "core/io/file_layer.h"

namespace horalo::win {

class Win32FileLayer : public StdioFileLayer {
public:
    long Tell(std::FILE* file) override;
    bool FlushToDisk(std::FILE* file) override;
    bool Truncate(std::FILE* file, long length) override;
    // MoveFileEx, as rename refuses an existing target here.
    ReplaceOutcome Replace(const std::string& from, const std::string& to) override;
    bool Link(const std::string& path, const std::string& alias) override;
};

}  // namespace horalo::win
