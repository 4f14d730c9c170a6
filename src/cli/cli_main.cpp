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
#include "core/calendar/local_time.h"

int main(int argc, char** argv) {
    horalo::UseSystemTimeZone();
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
