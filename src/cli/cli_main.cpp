// horalo-cli: reports and exports of a Horalo program folder.
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
    const int code = horalo::cli::RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    return code;
}
