// The texts of the enumerated values of coordinate systems, transformations and steps: every
// code with its text, and the first codes around each table that have none. The writers'
// failure after such a code is covered with each writer.
#include "vdxml/trf_texts.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "vdxml/trf_records.h"

namespace {

struct Expected {
    std::int64_t code;
    const wchar_t* text;
};

void ExpectTable(const VdXmlEnumTable& table, std::initializer_list<Expected> expected,
                 std::initializer_list<std::int64_t> without) {
    EXPECT_EQ(table.size(), expected.size());
    for (const Expected& e : expected) {
        const wchar_t* text = table.Find(e.code);
        ASSERT_NE(text, nullptr) << e.code;
        EXPECT_EQ(std::wstring(text), std::wstring(e.text)) << e.code;
    }
    for (std::int64_t code : without) EXPECT_EQ(table.Find(code), nullptr) << code;
}

}  // namespace

TEST(TrfTexts, TransformationModels) {
    ExpectTable(VdXml::enumTransformationType,
                {{1, L"Helmert2D"},
                 {2, L"Helmert3D"},
                 {3, L"Onestep"},
                 {4, L"Collocation"},
                 {5, L"Stepwise"},
                 {6, L"Twostep"}},
                {0, 7});
}

TEST(TrfTexts, ResidualDistributionsAndHeightModes) {
    ExpectTable(VdXml::enumResidualDistribution,
                {{1, L"No distribution"},
                 {2, L"1 / distance"},
                 {3, L"1 / distance ^ 1.5"},
                 {4, L"1 / distance ^ 2"},
                 {5, L"Multiquadratic"}},
                {0, 6});
    ExpectTable(VdXml::enumHeightMode, {{1, L"Ellipsoidal"}, {2, L"Orthometric"}}, {0, 3});
}

TEST(TrfTexts, ProjectionTypesInTwoRanges) {
    ExpectTable(VdXml::enumProjectionType,
                {{1, L"TM"},
                 {2, L"UTM"},
                 {3, L"Lambert"},
                 {4, L"Polar Stereographic"},
                 {5, L"Double Stereographic"},
                 {6, L"OM"},
                 {7, L"Soldner"},
                 {8, L"Mercator"},
                 {9, L"New Zealand Map Grid"},
                 {10, L"RSO"},
                 {11, L"User defined Exe"},
                 {100, L"Swiss"},
                 {101, L"New Zealand"},
                 {102, L"Malayan"},
                 {103, L"Hungarian"},
                 {104, L"Dutch"},
                 {105, L"Finnish KKJ"},
                 {106, L"Swiss 95"},
                 {107, L"DK Bornholm"},
                 {108, L"DK Jylland"},
                 {109, L"DK Sjelland"},
                 {110, L"SK Krovak"},
                 {111, L"Romanian"},
                 {112, L"DK S34 Bornholm"},
                 {113, L"DK S34 Jylland"},
                 {114, L"DK S34 Sjelland"}},
                {0, 12, 50, 99, 115});
}

TEST(TrfTexts, GeoidAndCountryModels) {
    ExpectTable(VdXml::enumGeoidModelType, {{1, L"Geodetic"}, {2, L"Grid"}}, {0, 3});
    ExpectTable(VdXml::enumCscsMethod, {{1, L"Cartesian"}, {2, L"Geodetic"}, {3, L"Grid"}}, {0, 4});
    ExpectTable(VdXml::enumCscsInterpolation,
                {{1, L"Bi-linear (4 points, 2 values)"},
                 {2, L"Bi-linear (4 points, 3 values)"},
                 {3, L"Spline (16 points, 2 values)"},
                 {4, L"Bi-quadratic (9 points, 2 values)"}},
                {0, 5});
}

TEST(TrfTexts, StepTypesKeepTheFormatsSpelling) {
    ExpectTable(
        VdXml::enumTrfStepType,
        {{1, L"Helmert2D"}, {2, L"Helmert3D"}, {3, L"Collocation"}, {4, L"Height transformaiton"}},
        {0, 5});
}

TEST(TrfTexts, StepModelsAndDistortions) {
    ExpectTable(VdXml::enumTrfModel,
                {{1, L"Bursa Wolf"}, {2, L"Molodensky Badekas"}, {3, L"Unavailable"}},
                {0, 4, VDXML_TRF_MODEL_NONE, 0xFFFFFFFFLL});
    // 0 is the level "None"; -1 means no level and has no text.
    ExpectTable(VdXml::enumTrfDistortion, {{0, L"None"}, {1, L"Low"}, {2, L"Medium"}, {3, L"High"}},
                {-1, 4});
}
