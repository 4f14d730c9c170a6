#pragma once
// The few texts of the language library the command-line tool shows. It has
// no language library to load them from, so they are kept here; a test
// compares them with res/horalo_rdll.rc so that they cannot drift apart.
#include <span>
#include <string>

namespace horalo::cli {

struct CliText {
    unsigned id;
    const char* text;
};

std::span<const CliText> CliTexts();

// The text with this identifier, empty when the tool does not carry it.
std::string CliTextOf(unsigned id);

}  // namespace horalo::cli
