// Keys of the reading map: the element name followed by the level in decimal.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "vdxml/reading_map.h"

TEST(ReadingMapKey, NameThenLevelInDecimal) {
    EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(L"Name", 1), L"Name1");
    EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(L"Q11", 4), L"Q114");
    EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(L"E", 0), L"E0");
    EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(L"Pos", 1234567), L"Pos1234567");
    EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(L"", 12), L"12");
}

TEST(ReadingMapKey, NegativeLevelsKeepTheirSign) {
    EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(L"X", -1), L"X-1");
    EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(L"X", INT_MIN), L"X-2147483648");
    EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(L"X", INT_MAX), L"X2147483647");
}

TEST(ReadingMapKey, LongAndNonAsciiNames) {
    const std::wstring longName(200, L'n');
    EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(longName.c_str(), 3), _bstr_t(longName + L"3"));
    const std::wstring edge(53, L'e');  // 53 characters and 11 of the level: exactly 64
    EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(edge.c_str(), INT_MIN),
              _bstr_t(edge + L"-2147483648"));
    EXPECT_EQ(VDXML_MAP_PARSE_NODEDATA::MakeKey(L"H\u00F6he", 2), L"H\u00F6he2");
}
