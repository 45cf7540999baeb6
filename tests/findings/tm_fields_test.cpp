// Found by fuzzing the entry writers: a date-time given as calendar fields added 1900 to the
// year and 1 to the month in int, which overflows for the largest values a caller can pass.
// The fields are written as given, widened first.
#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <string>

#include "support/document_fixture.h"

namespace {

using vdxml_test::BothBackEnds;

class TmFields : public BothBackEnds {};

TEST_P(TmFields, LargestFieldsAreWrittenWithoutOverflow) {
    StartDocument();
    CVdXmlNode box;
    ASSERT_EQ(box.Create(Application(), L"Box", nullptr), S_OK);
    std::tm largest{};
    largest.tm_year = INT_MAX;
    largest.tm_mon = INT_MAX;
    largest.tm_mday = 5;
    EXPECT_EQ(box.InsertEntryDateTimeTm(L"T", largest, 0.25), S_OK);
    std::tm smallest{};
    smallest.tm_year = INT_MIN;
    smallest.tm_mon = INT_MIN;
    EXPECT_EQ(box.InsertEntryDateTimeTm(L"T", smallest, 0.0), S_OK);
    const vdxml_test::XmlTree tree = SaveAndLoad();
    const vdxml_test::XmlTree* written = ApplicationOf(tree).child("Box");
    ASSERT_NE(written, nullptr);
    ASSERT_EQ(written->children.size(), 2u);
    EXPECT_EQ(written->children[0].text, "2147485547-2147483648-05T00:00:00.2500");
    EXPECT_EQ(written->children[1].text, "-2147481748--2147483647-00T00:00:00.0000");
}

VDXML_INSTANTIATE_BOTH_BACKENDS(TmFields);

}  // namespace
