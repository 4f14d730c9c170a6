#include "core/text/format_text.h"

#include <cstdio>
#include <vector>

namespace horalo {

std::string FormatString(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::string text = FormatStringV(format, args);
    va_end(args);
    return text;
}

std::string FormatStringV(const char* format, std::va_list args) {
    std::vector<char> buffer(256);
    for (;;) {
        std::va_list copy;
        va_copy(copy, args);
        const int length = std::vsnprintf(buffer.data(), buffer.size(), format, copy);
        va_end(copy);
        if (length >= 0 && static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), length);
        // C99 reports the length needed; older runtimes only report failure.
        if (length < 0 && buffer.size() >= (1u << 24)) return {};
        buffer.resize(length >= 0 ? static_cast<std::size_t>(length) + 1 : buffer.size() * 2);
    }
}

}  // namespace horalo
