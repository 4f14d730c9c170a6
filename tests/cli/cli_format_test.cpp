// Notes and names from the ANSI code page into the output's UTF-8.
#include "cli/cli_format.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace horalo::cli {
namespace {

TEST(CodePageTest, NotesBecomeUtf8) {
    const struct {
        CodePage page;
        std::string bytes;
        std::string utf8;
    } cases[] = {
        {CodePage::Windows1252, "\x80", "\u20ac"},
        {CodePage::Windows1252, "\xe4", "\u00e4"},
        {CodePage::Windows1252, "\x9f", "\u0178"},
        {CodePage::Windows1252, "Plain, \"ASCII\" 1-9\n", "Plain, \"ASCII\" 1-9\n"},
        {CodePage::Windows1252, "\x81", "\xc2\x81"},  // undefined: its C1 code point
        {CodePage::Latin1, "\x80\xff", "\xc2\x80\u00ff"},
        {CodePage::Utf8, "\xc3\xa4 \xf0\x9f\x98\x80", "\u00e4 \U0001F600"},
        {CodePage::Utf8, "\xe4!", "\ufffd!"},                     // not UTF-8
        {CodePage::Utf8, "\xc0\xae", "\ufffd\ufffd"},             // overlong
        {CodePage::Utf8, "\xed\xa0\x80", "\ufffd\ufffd\ufffd"},   // a surrogate
        {CodePage::Utf8, "\xf4\x90\x80\x80", "\ufffd\ufffd\ufffd\ufffd"},  // beyond U+10FFFF
        {CodePage::Utf8, "\xe2\x82", "\ufffd\ufffd"},             // cut short
    };
    for (const auto& c : cases) EXPECT_EQ(ToUtf8(c.bytes, c.page), c.utf8) << c.bytes;
}

// Every byte as the C library converts it; where it knows none, the byte
// must be one of the five that Windows-1252 leaves undefined.
TEST(CodePageTest, EveryByteAsTheCLibraryConvertsIt) {
    for (const auto& [page, name, undefined] :
         {std::tuple{CodePage::Windows1252, "WINDOWS-1252", "\x81\x8d\x8f\x90\x9d"},
          std::tuple{CodePage::Latin1, "ISO-8859-1", ""}}) {
        const iconv_t converter = iconv_open("UTF-8", name);
        ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1)) << name;
        std::string unknown;
        for (int byte = 1; byte < 256; ++byte) {
            char in = static_cast<char>(byte), out[8];
            char *inAt = &in, *outAt = out;
            std::size_t inLeft = 1, outLeft = sizeof out;
            if (iconv(converter, &inAt, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1)) {
                unknown += in;
                continue;
            }
            EXPECT_EQ(ToUtf8(std::string(1, in), page), std::string(out, outAt)) << name << ' ' << byte;
        }
        iconv_close(converter);
        EXPECT_EQ(unknown, undefined) << name;
    }
}

}  // namespace
}  // namespace horalo::cli
