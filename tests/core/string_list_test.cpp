#include "core/text/string_list.h"

#include <gtest/gtest.h>

#include "resource_ids.h"
#include "test_host.h"

namespace horalo {
namespace {

TEST(StringListSplitLines, EveryLineFeedStartsAnEntry) {
    EXPECT_EQ(SplitLines("Jan\nFeb"), (StringList{"Jan", "Feb"}));
    EXPECT_EQ(SplitLines("Jan\n"), (StringList{"Jan", ""}));
    EXPECT_EQ(SplitLines("\nJan"), (StringList{"", "Jan"}));
    EXPECT_EQ(SplitLines("a\n\n\nb"), (StringList{"a", "", "", "b"}));
    EXPECT_EQ(SplitLines("\n"), (StringList{"", ""}));
}

TEST(StringListSplitLines, EmptyTextIsOneEmptyEntry) { EXPECT_EQ(SplitLines(""), StringList{""}); }

TEST(StringListSplitLines, CarriageReturnStaysWithItsEntry) {
    EXPECT_EQ(SplitLines("Jan\r\nFeb\r"), (StringList{"Jan\r", "Feb\r"}));
    EXPECT_EQ(SplitLines("\r"), StringList{"\r"});
}

TEST(StringListSplitStringResource, SplitsTheHostsText) {
    test::TestHost host;
    host.texts[IDS_MONTH_NAMES] = "Jan\nFeb\nMar\nApr\nMay\nJun\nJul\nAug\nSep\nOct\nNov\nDec";
    const StringList months = SplitStringResource(host, IDS_MONTH_NAMES);
    ASSERT_EQ(months.size(), 12u);
    EXPECT_EQ(months.front(), "Jan");
    EXPECT_EQ(months.back(), "Dec");
    EXPECT_EQ(SplitStringResource(host, IDS_WEEKDAY_NAMES), StringList{""});  // missing: one empty entry
}

}  // namespace
}  // namespace horalo
