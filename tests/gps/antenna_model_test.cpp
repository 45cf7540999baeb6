// The antenna model table: which codes have a text.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "vdxml/gps_texts.h"

TEST(AntennaModels, InvalidForMinusOneAndOneTextPerCodeToFortyEightOnly) {
    const VdXmlEnumTable& table = VdXml::enumAntennaModel;
    ASSERT_NE(table.Find(-1), nullptr);
    EXPECT_EQ(std::wstring(table.Find(-1)), L"Invalid");
    std::set<std::wstring> texts{L"Invalid", L""};
    for (int code = 1; code <= 48; ++code) {
        ASSERT_NE(table.Find(code), nullptr) << code;
        EXPECT_TRUE(texts.insert(table.Find(code)).second) << code;  // a model of its own
    }
    for (const long long code : {0LL, -2LL, 49LL, 0xFFFFFFFFLL})
        EXPECT_EQ(table.Find(code), nullptr) << code;
}
