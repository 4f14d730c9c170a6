// Notes and names from the ANSI code page into the output's UTF-8.
#include "cli/cli_format.h"

#include <gtest/gtest.h>

namespace horalo::cli {
namespace {

TEST(CodePageTest, NotesBecomeUtf8) {
    const std::tuple<CodePage, std::string, std::string> cases[] = {
        {CodePage::Windows1252, "\x80\xe4\x9f", "\u20ac\u00e4\u0178"},
        {CodePage::Windows1252, "Plain, \"ASCII\" 1-9\n", "Plain, \"ASCII\" 1-9\n"},
        {CodePage::Latin1, "\x80\xff", "\xc2\x80\u00ff"},
        {CodePage::Utf8, "\xc3\xa4 \xf0\x9f\x98\x80", "\u00e4 \U0001F600"},
        // Not UTF-8, an overlong form, a surrogate, a sequence cut short.
        {CodePage::Utf8, "\xe4!\xc0\xae\xed\xa0\x80\xe2\x82", "\ufffd!\ufffd\ufffd\ufffd\ufffd\ufffd\ufffd\ufffd"},
    };
    for (const auto& [page, bytes, utf8] : cases) EXPECT_EQ(ToUtf8(bytes, page), utf8) << bytes;
}

}  // namespace
}  // namespace horalo::cli
