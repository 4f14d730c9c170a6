#include "core/text/string_list.h"

namespace horalo {

StringList SplitLines(std::string_view text) {
    StringList list;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            list.emplace_back(text.substr(start));
            return list;
        }
        list.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::string NameAt(const StringList& names, int index) {
    return index >= 0 && index < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(index)]
                                                                 : std::to_string(index + 1);
}

StringList SplitStringResource(Host& host, unsigned stringId) { return SplitLines(host.LoadText(stringId)); }

}  // namespace horalo
