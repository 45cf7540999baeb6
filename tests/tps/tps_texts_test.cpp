// The texts of orientation methods, reflector types and faces, and the degree sign of the
// 360-degree prisms on its way through the code page into the file.
#include "vdxml/tps_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_files.h"
#include "tps_fixture.h"
#include "vdxml/tps_setup.h"

using namespace vdxml_test;

namespace {
struct Expected {
    std::int64_t code;
    const wchar_t* text;
};

void ExpectTable(const VdXmlEnumTable& table, std::initializer_list<Expected> expected,
                 std::int64_t firstWithout) {
    EXPECT_EQ(table.size(), expected.size());
    for (const Expected& e : expected) {
        const wchar_t* text = table.Find(e.code);
        ASSERT_NE(text, nullptr) << e.code;
        EXPECT_EQ(std::wstring(text), std::wstring(e.text)) << e.code;
    }
    EXPECT_EQ(table.Find(firstWithout), nullptr);
}
}  // namespace

TEST(TpsTexts, OrientationMethods) {
    ExpectTable(VdXml::enumTpsOrientationMethod,
                {{0, L"Invalid"},
                 {1, L"Set azimuth"},
                 {2, L"Known backsight"},
                 {3, L"Resection"},
                 {4, L"Resection Helmert"},
                 {5, L"Orientation and height transfer"},
                 {6, L"Local coordinates"},
                 {7, L"System"},
                 {8, L"Local Resection"}},
                9);
    EXPECT_EQ(std::wstring(VdXml::textTpsKnownAzimuth), L"Known azimuth");
}

TEST(TpsTexts, ReflectorTypesWithNoneAsAllBitsSet) {
    ExpectTable(VdXml::enumTpsReflectorType,
                {{0xFFFFFFFF, L"Invalid"},
                 {0, L"Unknown"},
                 {1, L"Reflectorless"},
                 {2, L"Round prism"},
                 {3, L"360\u00B0 prism"},
                 {4, L"Mini prism"},
                 {5, L"Mini zero prism"},
                 {6, L"360\u00B0 mini prism"},
                 {7, L"Tape"},
                 {8, L"User undefined"},
                 {9, L"User prism"},
                 {10, L"User Tape"},
                 {11, L"Kesto Tape"}},
                12);
    // The writer looks codes up as unsigned 32-bit numbers, never as -1.
    EXPECT_EQ(VdXml::enumTpsReflectorType.Find(-1), nullptr);
}

TEST(TpsTexts, Faces) {
    ExpectTable(VdXml::enumTpsFace, {{0, L"Invalid"}, {1, L"Face I"}, {2, L"Face II"}}, 3);
}

class TpsDegreeSign : public TpsTest {};

TEST_P(TpsDegreeSign, SurvivesTheCodePageIntoTheUtf16File) {
    VDXML_TPS_SETUP record = MinimalSetup();
    record.Instrument.Type = VdXml::enumTpsReflectorType.Find(VDXML_TPS_REFLECTOR_360_PRISM);
    CVdXmlTpsSetup setup;
    ASSERT_EQ(setup.Create(Application(), record), S_OK);
    Written();
    EXPECT_EQ(Nth("TpsSetup").child("Instrument")->childText("Type"), "360\xC2\xB0 prism");
    const std::string bytes = ReadBytes(path());
    const std::string utf16le(
        "3\0"
        "6\0"
        "0\0"
        "\xB0\0",
        8);
    EXPECT_NE(bytes.find(utf16le), std::string::npos);
}

VDXML_INSTANTIATE_BOTH_BACKENDS(TpsDegreeSign);
