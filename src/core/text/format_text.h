#pragma once
// printf-style formatting into a string of any length, for texts of the
// language library that take arguments.
#include <cstdarg>
#include <string>

namespace horalo {

std::string FormatString(const char* format, ...);
std::string FormatStringV(const char* format, std::va_list args);

}  // namespace horalo
