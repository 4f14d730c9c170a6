// The test programs take files as the programs do: through the layer of
// their platform, installed before the first test runs.
#include "core/io/file_layer.h"
#ifdef _WIN32
#include "win/win32_file_layer.h"
#else
#include "posix/posix_file_layer.h"
#endif

namespace {

#ifdef _WIN32
horalo::win::Win32FileLayer platformFiles;
#else
horalo::posix::PosixFileLayer platformFiles;
#endif
const horalo::ScopedFileLayer kPlatformFilesInstalled(platformFiles);

}  // namespace
