#include "core/calendar_days/calendar_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace horalo {
namespace {

SpecialEntry Named(const std::string& name, std::int16_t day = 1) {
    SpecialEntry entry;
    entry.name = name;
    entry.day = day;
    return entry;
}

std::vector<std::string> Names(const SpecialEntryList& list) {
    std::vector<std::string> names;
    for (const SpecialEntry& entry : list) names.push_back(entry.name.value_or("<none>"));
    return names;
}

class SpecialEntryEditTest : public ::testing::Test {
protected:
    int Edit(SpecialEntry& entry, int code) { return EditSpecialEntries(entry, list, code); }
    int Add(SpecialEntry entry) { return Edit(entry, kAddOrReplace); }
    SpecialEntryList list;
};

TEST_F(SpecialEntryEditTest, EmptyListAndUnknownCodes) {
    SpecialEntry entry = Named("A");
    const SpecialEntry before = entry;
    EXPECT_EQ(Edit(entry, kFindByName), kSpecialEditNoEntry);
    EXPECT_EQ(Edit(entry, kDeleteByName), kSpecialEditNameUnknown);
    EXPECT_EQ(Edit(entry, kFirstEntry), kSpecialEditNoEntry);
    EXPECT_EQ(Edit(entry, kNextEntry), kSpecialEditNoEntry);
    EXPECT_EQ(Edit(entry, 5), kSpecialEditBadCode);
    EXPECT_EQ(Edit(entry, -1), kSpecialEditBadCode);
    EXPECT_EQ(entry, before);
    EXPECT_TRUE(list.empty());
}

TEST_F(SpecialEntryEditTest, AddAppendsAndReplacesByNameInPlace) {
    EXPECT_EQ(Add(Named("A")), kSpecialEditDone);
    EXPECT_EQ(Add(Named("B")), kSpecialEditDone);
    EXPECT_EQ(Add(Named("C")), kSpecialEditDone);

    SpecialEntry changed = Named("B", 17);
    changed.secondText = "second";
    changed.holiday = 1;
    EXPECT_EQ(Add(changed), kSpecialEditReplaced);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(*std::next(list.begin()), changed);

    // Names compare exactly.
    EXPECT_EQ(Add(Named("b")), kSpecialEditDone);
    EXPECT_EQ(list.back().name, "b");
    EXPECT_EQ(list.size(), 4u);
}

TEST_F(SpecialEntryEditTest, FindAndWalkCopyTheElementAndMoveTheCursor) {
    for (const char* name : {"A", "B", "C"}) Add(Named(name, static_cast<std::int16_t>(name[0])));

    SpecialEntry entry = Named("B");
    EXPECT_EQ(Edit(entry, kFindByName), kSpecialEditDone);
    EXPECT_EQ(entry.day, 'B');
    EXPECT_EQ(Edit(entry, kNextEntry), kSpecialEditDone);
    EXPECT_EQ(entry.name, "C");
    EXPECT_EQ(Edit(entry, kNextEntry), kSpecialEditNoEntry);
    EXPECT_EQ(entry.name, "C") << "a walk past the end leaves the entry as it was";

    std::vector<std::string> walked;
    for (int result = Edit(entry, kFirstEntry); result == kSpecialEditDone; result = Edit(entry, kNextEntry))
        walked.push_back(*entry.name);
    EXPECT_EQ(walked, (std::vector<std::string>{"A", "B", "C"}));

    // A failed search leaves no cursor to walk on from.
    entry = Named("c");
    EXPECT_EQ(Edit(entry, kFindByName), kSpecialEditNoEntry);
    EXPECT_EQ(Edit(entry, kNextEntry), kSpecialEditNoEntry);
}

TEST_F(SpecialEntryEditTest, EntriesWithoutANameNeverMatch) {
    Add(Named("A"));
    SpecialEntry nameless;
    EXPECT_EQ(Add(nameless), kSpecialEditDone);
    EXPECT_EQ(Add(nameless), kSpecialEditDone);
    EXPECT_EQ(list.size(), 3u);
    EXPECT_EQ(Edit(nameless, kFindByName), kSpecialEditNoEntry);
    EXPECT_EQ(Edit(nameless, kDeleteByName), kSpecialEditNameUnknown);

    SpecialEntry entry;
    EXPECT_EQ(Edit(entry, kFirstEntry), kSpecialEditDone);
    EXPECT_EQ(Edit(entry, kNextEntry), kSpecialEditDone);
    EXPECT_FALSE(entry.name.has_value());
}

TEST_F(SpecialEntryEditTest, DeleteUnlinksTheFirstOfTheNameAndNeverLeavesADanglingCursor) {
    for (const char* name : {"A", "B", "C"}) Add(Named(name));
    SpecialEntry entry = Named("B");
    ASSERT_EQ(Edit(entry, kFindByName), kSpecialEditDone);
    EXPECT_EQ(Edit(entry, kDeleteByName), kSpecialEditDone);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(Edit(entry, kNextEntry), kSpecialEditNoEntry);
    EXPECT_EQ(Edit(entry, kDeleteByName), kSpecialEditNameUnknown);

    // Deleting another element keeps the cursor where it was.
    ASSERT_EQ(Edit(entry, kFirstEntry), kSpecialEditDone);
    SpecialEntry last = Named("C");
    EXPECT_EQ(Edit(last, kDeleteByName), kSpecialEditDone);
    EXPECT_EQ(Edit(entry, kNextEntry), kSpecialEditNoEntry);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"A"}));
}

TEST_F(SpecialEntryEditTest, ACopiedListHasItsOwnCursor) {
    for (const char* name : {"A", "B"}) Add(Named(name));
    SpecialEntry entry;
    ASSERT_EQ(Edit(entry, kFirstEntry), kSpecialEditDone);
    SpecialEntryList copy = list;
    EXPECT_EQ(copy, list);
    EXPECT_EQ(EditSpecialEntries(entry, copy, kNextEntry), kSpecialEditNoEntry);
    EXPECT_EQ(Edit(entry, kNextEntry), kSpecialEditDone);
    EXPECT_EQ(entry.name, "B");
}

}  // namespace
}  // namespace horalo
