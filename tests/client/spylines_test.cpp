// The lines of the spy list: one per spectator, found again without regard to case,
// and the player number each line starts with.
#include "client/SpyLines.h"

#include <gtest/gtest.h>

// --- line rules ------------------------------------------------------------------------

TEST(SpyLines, EntryIsNumberColonBlankName)
{
    EXPECT_EQ(spylines::entry(7, "Ann"), "7: Ann");
    EXPECT_EQ(spylines::entry(9, ""), "9: ");
}

TEST(SpyLines, IndexOfIgnoresCaseAndFindsTheFirst)
{
    const QStringList lines = {"7: Ann", "8: bob", "9: BOB", "8: Bob"};
    EXPECT_EQ(spylines::indexOf(lines, "7: ANN"), 0);
    EXPECT_EQ(spylines::indexOf(lines, "8: BOB"), 1);
    EXPECT_EQ(spylines::indexOf(lines, "9: bob"), 2);
    EXPECT_EQ(spylines::indexOf(lines, "7: Ann "), -1);
    EXPECT_EQ(spylines::indexOf(lines, "7: An"), -1);
    EXPECT_EQ(spylines::indexOf({}, "7: Ann"), -1);
}

TEST(SpyLines, SlotIsTheNumberBeforeTheFirstColon)
{
    EXPECT_EQ(spylines::slotOf("7: Ann"), 7);
    EXPECT_EQ(spylines::slotOf("8: Mr: Smith"), 8);
    EXPECT_EQ(spylines::slotOf("12"), 12);
    EXPECT_FALSE(spylines::slotOf("x: Ann").has_value());
    EXPECT_FALSE(spylines::slotOf(": Ann").has_value());
    EXPECT_FALSE(spylines::slotOf("7a: Ann").has_value());
    EXPECT_FALSE(spylines::slotOf("").has_value());
}

TEST(SpyLines, SlotAtRefusesLinesThatDoNotExist)
{
    const QStringList lines = {"7: Ann", "odd line", "9: Cy"};
    EXPECT_EQ(spylines::slotAt(lines, 0), 7);
    EXPECT_EQ(spylines::slotAt(lines, 2), 9);
    EXPECT_FALSE(spylines::slotAt(lines, 1).has_value());
    EXPECT_FALSE(spylines::slotAt(lines, -1).has_value());
    EXPECT_FALSE(spylines::slotAt(lines, 3).has_value());
}
