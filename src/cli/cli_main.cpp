// horalo-cli: reports and exports of a Horalo program folder.
#include <exception>
#include <iostream>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "core/io/file_layer.h"
#ifdef _WIN32
#include "win/system_time_zone.h"
#include "win/win32_file_layer.h"
#else
#include "posix/posix_file_layer.h"
#endif

int main(int argc, char** argv) {
    // The tool only reads, yet it takes files as the program does, so the
    // commands meet no other file layer than the program's.
#ifdef _WIN32
    horalo::win::UseSystemTimeZone();
    horalo::win::Win32FileLayer files;
#else
    horalo::posix::PosixFileLayer files;
#endif
    const horalo::ScopedFileLayer filesInstalled(files);
#ifdef _WIN32
    // Lines end in LF on every system, so the output is the same byte for
    // byte and pipes into the same tools.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    int code = horalo::cli::kExitUsage;
    try {
        code = horalo::cli::RunCli(args, std::cout, std::cerr);
    } catch (const std::exception& failure) {
        // The reads refuse files too large to hold before they allocate;
        // whatever still fails is told, never an abort.
        std::cerr << "horalo-cli: " << failure.what() << '\n';
    }
    std::cout.flush();
    return code;
}
