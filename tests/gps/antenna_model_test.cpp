// The antenna model table: which codes have a text.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "vdxml/gps_texts.h"

TEST(AntennaModels, MinusOneIsInvalidAndEachCodeToFortyEightHasItsOwnText) {
    const VdXmlEnumTable& table = VdXml::enumAntennaModel;
    ASSERT_NE(table.Find(-1), nullptr);
    EXPECT_EQ(std::wstring(table.Find(-1)), L"Invalid");
    std::set<std::wstring> texts;
    for (int code = 1; code <= 48; ++code) {
        const wchar_t* text = table.Find(code);
        ASSERT_NE(text, nullptr) << code;
        EXPECT_NE(std::wstring(text), L"") << code;
        EXPECT_NE(std::wstring(text), L"Invalid") << code;
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 48u);  // one model per code
}

TEST(AntennaModels, ZeroAndCodesOutsideTheTableHaveNoText) {
    for (const long long code : {0LL, -2LL, 49LL, 255LL, 0xFFFFFFFFLL})
        EXPECT_EQ(VdXml::enumAntennaModel.Find(code), nullptr) << code;
    EXPECT_EQ(VdXml::enumAntennaModel.size(), 49u);
}
