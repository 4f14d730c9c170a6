// The compiled help file holds the pages the program opens and every page
// its table of contents names. Read from the file's own directory, so a
// help compiler that drops or renames a page is caught here rather than by
// a user pressing Help.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "app/help_topics.h"

namespace {

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint64_t Little(const std::string& bytes, size_t at, int size) {
    uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// The numbers of the directory: seven bits a byte, high bit set while more follow.
uint64_t EncodedNumber(const std::string& bytes, size_t& at) {
    uint64_t value = 0;
    unsigned char byte;
    do {
        byte = static_cast<unsigned char>(bytes.at(at++));
        value = value << 7 | (byte & 0x7F);
    } while (byte & 0x80);
    return value;
}

// The names of the file's directory whose content is not empty: the header
// points at the directory, whose listing chunks ("PMGL") hold the entries.
std::set<std::string> PagesOf(const std::string& file) {
    std::set<std::string> names;
    if (file.compare(0, 4, "ITSF") != 0) return names;
    const size_t directory = Little(file, 0x48, 8);
    if (file.compare(directory, 4, "ITSP") != 0) return names;
    const size_t headerLength = Little(file, directory + 8, 4);
    const size_t chunkSize = Little(file, directory + 0x10, 4);
    for (size_t chunk = directory + headerLength; chunk + chunkSize <= file.size(); chunk += chunkSize) {
        if (file.compare(chunk, 4, "PMGL") != 0) continue;
        const size_t end = chunk + chunkSize - Little(file, chunk + 4, 4);
        for (size_t at = chunk + 0x14; at < end;) {
            const size_t nameLength = EncodedNumber(file, at);
            std::string name = file.substr(at, nameLength);
            at += nameLength;
            EncodedNumber(file, at);  // section
            EncodedNumber(file, at);  // offset
            if (EncodedNumber(file, at) > 0) names.insert(name);
        }
    }
    return names;
}

std::string PageOfTopic(const char* topic) {
    std::string text(topic);
    return text.substr(text.find("::") + 2);
}

TEST(HelpFile, HoldsThePagesTheProgramOpens) {
    const std::string file = ReadFile(HORALO_HELP_FILE);
    ASSERT_FALSE(file.empty()) << HORALO_HELP_FILE;
    const auto pages = PagesOf(file);
    for (const char* topic :
         {horalo::kHelpIndexTopic, horalo::kHelpMainTopic, horalo::kHelpFormTopic, horalo::kHelpYearTopic}) {
        EXPECT_EQ(std::string(topic).rfind("HORALO.CHM::/", 0), 0u) << topic;
        EXPECT_EQ(pages.count(PageOfTopic(topic)), 1u) << topic;
    }
}

TEST(HelpFile, HoldsEveryPageOfItsContentsAndIndex) {
    const auto pages = PagesOf(ReadFile(HORALO_HELP_FILE));
    ASSERT_GT(pages.size(), 8u) << "the help project compiled with its pages";
    for (const char* listing : {HORALO_HELP_SOURCE "/horalo.hhc", HORALO_HELP_SOURCE "/horalo.hhk"}) {
        const std::string text = ReadFile(listing);
        const std::regex local(R"(name="Local" value="([^"#]+))");
        int named = 0;
        for (std::sregex_iterator it(text.begin(), text.end(), local), end; it != end; ++it, ++named)
            EXPECT_EQ(pages.count("/" + (*it)[1].str()), 1u) << listing << ": " << (*it)[1];
        EXPECT_GT(named, 0) << listing;
    }
}

}  // namespace
