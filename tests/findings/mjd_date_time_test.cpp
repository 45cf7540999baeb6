// Found by fuzzing the entry writers: a Modified Julian Date before the epoch with a fraction
// of a day was written with a negative time of day ("1858-11-16T-11:-59:-59.0000"), and one a
// hair before midnight as the 24th hour. Every date-time now has its fields in range.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "support/document_fixture.h"

namespace {

using vdxml_test::BothBackEnds;

class MjdDateTimes : public BothBackEnds {
  protected:
    // The texts of date-time entries written for each value, in order.
    std::vector<std::string> Written(const std::vector<double>& mjds) {
        StartDocument();
        CVdXmlNode box;
        EXPECT_EQ(box.Create(Application(), L"Box", nullptr), S_OK);
        for (double mjd : mjds) EXPECT_EQ(box.InsertEntryDateTimeMjd(L"T", mjd), S_OK) << mjd;
        const vdxml_test::XmlTree tree = SaveAndLoad();
        std::vector<std::string> texts;
        const vdxml_test::XmlTree* written = ApplicationOf(tree).child("Box");
        if (written)
            for (const vdxml_test::XmlTree& entry : written->children) texts.push_back(entry.text);
        return texts;
    }
};

TEST_P(MjdDateTimes, DatesBeforeTheEpochKeepTheirTimeOfDay) {
    EXPECT_EQ(Written({-0.5, -1.0, -0.25, -1.75}),
              (std::vector<std::string>{"1858-11-16T12:00:00.0000", "1858-11-16T00:00:00.0000",
                                        "1858-11-16T18:00:00.0000", "1858-11-15T06:00:00.0000"}));
}

TEST_P(MjdDateTimes, InstantJustBeforeMidnightIsTheNextDay) {
    EXPECT_EQ(Written({59999.5, 60000.0 - 1e-12, 60000.0}),
              (std::vector<std::string>{"2023-02-24T12:00:00.0000", "2023-02-25T00:00:00.0000",
                                        "2023-02-25T00:00:00.0000"}));
}

TEST_P(MjdDateTimes, EveryFieldIsInRange) {
    // Days before and after the epoch, at fractions across the day and close to its ends.
    std::vector<double> mjds;
    for (double day : {-400000.0, -36525.0, -2.0, -1.0, 0.0, 1.0, 51544.0, 1999998.0})
        for (double fraction : {0.0, 1e-13, 0.1, 0.5, 0.999999, 1.0 - 1e-11})
            mjds.push_back(day + fraction);
    const std::regex format(
        R"(-?\d{3,}-(0[1-9]|1[0-2])-(0[1-9]|[12]\d|3[01])T([01]\d|2[0-3]):[0-5]\d:[0-5]\d\.\d{4})");
    const std::vector<std::string> texts = Written(mjds);
    ASSERT_EQ(texts.size(), mjds.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_TRUE(std::regex_match(texts[i], format)) << mjds[i] << " -> " << texts[i];
}

VDXML_INSTANTIATE_BOTH_BACKENDS(MjdDateTimes);

}  // namespace
