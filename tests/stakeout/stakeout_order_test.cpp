// The ordering of designs: by the point's name, then by everything else, so that designs
// sharing a name are all kept and equal designs are one.
#include <gtest/gtest.h>

#include <cmath>

#include "stakeout_samples.h"

using namespace vdxml_test;

namespace {
bool Equivalent(const VDXML_STAKEOUT_DESIGN& a, const VDXML_STAKEOUT_DESIGN& b) {
    return !(a < b) && !(b < a);
}
}  // namespace

TEST(StakeoutDesignOrder, ByNameFirstThenByEveryOtherField) {
    VDXML_STAKEOUT_DESIGN a = Design(L"A", VDXML_PNT_CLASS_CONTROL);
    a.Coord.LocalEnh.E = 9999.0;  // later fields do not matter once the names differ
    EXPECT_TRUE(a < Design(L"B", VDXML_PNT_CLASS_ESTIMATED));
    EXPECT_TRUE(Design(L"P10") < Design(L"P9"));  // UTF-16 code units, not numbers

    const VDXML_STAKEOUT_DESIGN base = Design(L"A");
    VDXML_STAKEOUT_DESIGN note = base, cls = base, type = base, height = base, quality = base,
                          geoid = base;
    note.Point.Note = L"n";
    cls.Point.Class = VDXML_PNT_CLASS_ADJUSTED;
    type.Coord.Type = VDXML_COORD_TYPE_2D;
    height.Coord.LocalEnh.HO = 300.001;
    quality.Coord.LocalEnh.Qlty.Q33 = 0.5;
    geoid.Coord.GeoidSeparation = 45.0;
    for (const auto* other : {&note, &cls, &type, &height, &quality, &geoid})
        EXPECT_FALSE(Equivalent(base, *other));
    EXPECT_TRUE(cls < base);     // class 7 before 8
    EXPECT_TRUE(base < height);  // by value
    EXPECT_TRUE(Equivalent(base, Design(L"A")));
}

TEST(StakeoutDesignOrder, NotANumberComesAfterEveryNumberAndKeepsTheOrderStrict) {
    VDXML_STAKEOUT_DESIGN number = Design(L"A"), nan1 = Design(L"A"), nan2 = Design(L"A");
    nan1.Coord.LocalEnh.E = std::nan("");
    nan2.Coord.LocalEnh.E = std::nan("1");
    number.Coord.LocalEnh.E = 1.0e300;
    EXPECT_TRUE(number < nan1);
    EXPECT_FALSE(nan1 < number);
    EXPECT_FALSE(nan1 < nan1);
    EXPECT_TRUE(Equivalent(nan1, nan2));
    VDXML_STAKEOUT_MAP designs;
    for (const auto* d : {&nan1, &number, &nan2}) designs[*d].push_back(Result(L"R"));
    ASSERT_EQ(designs.size(), 2u);
    EXPECT_EQ(designs.rbegin()->second.size(), 2u);  // both NaN designs, last
}
