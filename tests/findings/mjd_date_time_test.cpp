// Found by fuzzing the entry writers: a Modified Julian Date before the epoch with a fraction
// of a day was written with a negative time of day ("1858-11-16T-11:-59:-59.0000"), and one a
// hair before midnight as the 24th hour. Every date-time now has its fields in range.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "support/document_fixture.h"

namespace {

using vdxml_test::BothBackEnds;

// True when text is "[-]YYY...-MM-DDThh:mm:ss.ffff" with every field in its range.
bool FieldsInRange(const std::string& text) {
    const std::string shape = "-NN-NNTNN:NN:NN.NNNN";  // N: a digit
    if (text.size() < shape.size() + 3) return false;
    const std::size_t tail = text.size() - shape.size();
    for (std::size_t i = 0; i < shape.size(); ++i) {
        const char c = text[tail + i];
        if (shape[i] == 'N' ? !std::isdigit(static_cast<unsigned char>(c)) : c != shape[i])
            return false;
    }
    const std::size_t yearStart = text[0] == '-' ? 1 : 0;
    if (tail - yearStart < 3) return false;
    for (std::size_t i = yearStart; i < tail; ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    const auto field = [&](std::size_t at) { return std::stoi(text.substr(tail + at, 2)); };
    const int month = field(1), day = field(4), hour = field(7), minute = field(10),
              second = field(13);
    return month >= 1 && month <= 12 && day >= 1 && day <= 31 && hour <= 23 && minute <= 59 &&
           second <= 59;
}

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

TEST(MjdDateTimeShape, FieldCheckRefusesWhatIsOutOfRange) {
    EXPECT_TRUE(FieldsInRange("2023-02-25T23:59:59.9999"));
    EXPECT_TRUE(FieldsInRange("-4713-01-01T00:00:00.0000"));
    EXPECT_FALSE(FieldsInRange("1858-11-16T-11:-59:-59.0000"));
    EXPECT_FALSE(FieldsInRange("2023-02-24T24:00:00.0000"));
    EXPECT_FALSE(FieldsInRange("2023-13-24T00:00:00.0000"));
    EXPECT_FALSE(FieldsInRange("2023-02-00T00:00:00.0000"));
    EXPECT_FALSE(FieldsInRange("23-02-24T00:00:00.0000"));
}

TEST_P(MjdDateTimes, EveryFieldIsInRange) {
    // Days before and after the epoch, at fractions across the day and close to its ends.
    std::vector<double> mjds;
    for (double day : {-400000.0, -36525.0, -2.0, -1.0, 0.0, 1.0, 51544.0, 1999998.0})
        for (double fraction : {0.0, 1e-13, 0.1, 0.5, 0.999999, 1.0 - 1e-11})
            mjds.push_back(day + fraction);
    const std::vector<std::string> texts = Written(mjds);
    ASSERT_EQ(texts.size(), mjds.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_TRUE(FieldsInRange(texts[i])) << mjds[i] << " -> " << texts[i];
}

VDXML_INSTANTIATE_BOTH_BACKENDS(MjdDateTimes);

}  // namespace
