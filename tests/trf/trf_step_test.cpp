// Writing transformation steps: name, type and model, the parameter blocks under each flag
// combination that opens or shapes them, their decimals, and the parameter quality with its
// plain square roots and the shift's M0.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "trf_fixture.h"

using namespace vdxml_test;

namespace {
// The element at a path of child names below tree, or null.
const XmlTree* Find(const XmlTree& tree, const std::string& path) {
    const XmlTree* node = &tree;
    for (std::size_t start = 0; node && start <= path.size();) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        node = node->child(path.substr(start, slash - start));
        start = slash + 1;
    }
    return node;
}

// A flag combination and the children it gives a block; empty: no block at all.
struct Layout {
    std::uint8_t flags;
    Names children;
};
}  // namespace

class TrfStepWrite : public TrfTest {
  protected:
    /// Writes one step per layout, each made by make(flags); then checks the children of the
    /// element at path below each step's "TrfParameters", or that there is no such element.
    template <class Make>
    void ExpectLayouts(const std::vector<Layout>& layouts, const std::string& path, Make&& make) {
        for (const Layout& l : layouts) ASSERT_EQ(WriteStep(make(l.flags)), S_OK) << int(l.flags);
        Written();
        for (std::size_t i = 0; i < layouts.size(); ++i) {
            const XmlTree* block = Find(BelowNth("TrfStep", i, "TrfParameters"), path);
            if (layouts[i].children.empty()) {
                EXPECT_EQ(block, nullptr) << int(layouts[i].flags);
                continue;
            }
            ASSERT_NE(block, nullptr) << int(layouts[i].flags);
            EXPECT_EQ(block->childNames(), layouts[i].children) << int(layouts[i].flags);
        }
    }
    /// Writes step and returns its "TrfParameters" element.
    const XmlTree& Parameters(const VDXML_TRFSTEP& step) {
        EXPECT_EQ(WriteStep(step), S_OK);
        Written();
        return Below("TrfStep/TrfParameters");
    }
};

TEST_P(TrfStepWrite, NameTypeAndModelBeforeTheAlwaysPresentParameters) {
    VDXML_TRFSTEP named;
    named.Name = L"Datum shift";
    named.Note = L"from control";
    named.StepType = VDXML_TRFSTEP_HEIGHT;
    named.Model = VDXML_TRF_MODEL_MOLODENSKY_BADEKAS;
    VDXML_TRFSTEP bare;
    bare.Note = L"a note without a name is not written";
    ASSERT_EQ(WriteStep(named), S_OK);
    ASSERT_EQ(WriteStep(bare), S_OK);
    Written();
    const XmlTree& s = BelowNth("TrfStep", 0, "");
    EXPECT_EQ(s.childNames(), (Names{"Name", "Note", "TrfStepType", "TrfModel", "TrfParameters"}));
    EXPECT_EQ(s.childText("TrfStepType"), "4");
    EXPECT_EQ(s.childText("TrfModel"), "2");
    EXPECT_EQ(BelowNth("TrfStep", 1, "").childNames(), Names{"TrfParameters"});
    EXPECT_TRUE(BelowNth("TrfStep", 1, "TrfParameters").children.empty());
}

TEST_P(TrfStepWrite, CodeWithoutTextFailsAfterItsNumberAndStops) {
    struct Case {
        std::uint32_t type;
        std::int32_t model;
        std::int32_t distortion;
        Names written;  // children of "TrfStep"
    };
    const Case cases[] = {
        {5, VDXML_TRF_MODEL_BURSA_WOLF, -1, {"TrfStepType"}},
        {1, 0, -1, {"TrfStepType", "TrfModel"}},  // only -1 means "no model"
        {0, 4, -1, {"TrfModel"}},
        {0, -1, 4, {"TrfParameters"}},
    };
    for (const Case& c : cases) {
        VDXML_TRFSTEP step;
        step.StepType = c.type;
        step.Model = c.model;
        step.Collocation.Flags = 0x0F;
        step.Collocation.Distortion2D = c.distortion;
        step.Collocation.Distortion1D = VDXML_TRF_DISTORTION_LOW;
        step.MeanAccuracy.Flags = 0x03;
        EXPECT_EQ(WriteStep(step), E_FAIL) << c.type << " " << c.model;
    }
    Written();
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(BelowNth("TrfStep", i, "").childNames(), cases[i].written) << i;
    EXPECT_EQ(BelowNth("TrfStep", 1, "").childText("TrfModel"), "0");
    // The failing distortion is the last entry; "Distortion1D" and the mean accuracy are lost.
    const XmlTree& p = BelowNth("TrfStep", 3, "TrfParameters");
    EXPECT_EQ(p.childNames(), Names{"Collocation"});
    EXPECT_EQ(Path(p, "Collocation").childNames().back(), "Distortion2D");
}

TEST_P(TrfStepWrite, RotationOriginNeedsX0AndY0) {
    ExpectLayouts({{0x0E, {"X0", "Y0", "Z0"}}, {0x06, {"X0", "Y0"}}, {0x0A, {}}, {0x0C, {}}},
                  "TrfRotOrigin", [](std::uint8_t flags) {
                      VDXML_TRFSTEP s;
                      s.RotOrigin.Flags = flags;
                      return s;
                  });
}

TEST_P(TrfStepWrite, Helmert2DShiftRotationAndScaleWithTheirDecimals) {
    VDXML_TRFSTEP step;
    step.StepType = VDXML_TRFSTEP_HELMERT2D;
    step.RotOrigin.Flags = 0x06;
    step.RotOrigin.X0 = 600000.123456;
    step.Shift = Vector(0x03, 12.3456789, -4.5, 99);
    step.Rotation = Vector(0x04, 0.1, 0.2, 0.000012345678901234);
    step.Scale = Vector(0x03, 1.0000123456789, 0.99999, 7);
    const XmlTree& p = Parameters(step);
    EXPECT_EQ(p.childNames(), (Names{"TrfRotOrigin", "TrfShift", "TrfRot", "TrfScale"}));
    EXPECT_EQ(Path(p, "TrfRotOrigin").childText("X0"), "600000.12346");
    EXPECT_EQ(Path(p, "TrfShift").childNames(), (Names{"ShiftX", "ShiftY"}));
    EXPECT_EQ(Path(p, "TrfShift").childText("ShiftX"), "12.34568");
    EXPECT_EQ(Path(p, "TrfRot").childNames(), Names{"AroundAxisZ"});
    EXPECT_EQ(Path(p, "TrfRot").childText("AroundAxisZ"), "0.000012345678901");
    EXPECT_EQ(Path(p, "TrfScale").childNames(), (Names{"ScaleX", "ScaleY"}));
    EXPECT_EQ(Path(p, "TrfScale").childText("ScaleX"), "1.00001235");
}

TEST_P(TrfStepWrite, ShiftAndScaleComponents) {
    const std::vector<Layout> layouts = {{0x07, {"ShiftX", "ShiftY", "ShiftZ"}},
                                         {0x03, {"ShiftX", "ShiftY"}},
                                         {0x05, {}},
                                         {0x06, {}}};
    ExpectLayouts(layouts, "TrfShift", [](std::uint8_t flags) {
        VDXML_TRFSTEP s;
        s.Shift.Flags = flags;
        s.Scale.Flags = flags;
        return s;
    });
    EXPECT_EQ(BelowNth("TrfStep", 0, "TrfParameters/TrfScale").childNames(),
              (Names{"ScaleX", "ScaleY", "ScaleZ"}));
    EXPECT_EQ(BelowNth("TrfStep", 2, "TrfParameters").child("TrfScale"), nullptr);
}

TEST_P(TrfStepWrite, RotationsAboutXAndYNeedAllThreeBits) {
    ExpectLayouts({{0x07, {"AroundAxisX", "AroundAxisY", "AroundAxisZ"}},
                   {0x05, {"AroundAxisZ"}},
                   {0x06, {"AroundAxisZ"}},
                   {0x03, {}}},
                  "TrfRot", [](std::uint8_t flags) {
                      VDXML_TRFSTEP s;
                      s.Rotation.Flags = flags;
                      return s;
                  });
}

TEST_P(TrfStepWrite, ShiftQualityIsPlainSquareRootsOfItsCofactors) {
    ExpectLayouts({{0x3B, {"M0", "Q11", "Q22", "Sd1", "Sd2", "Q33", "Sd3"}},
                   {0x1B, {"M0", "Q11", "Q22", "Sd1", "Sd2"}},
                   {0x2B, {}}},  // Q11 and Q33 without Q22
                  "TrfShift/Qlty", [](std::uint8_t flags) {
                      VDXML_TRFSTEP s;
                      s.Shift = Vector(flags, 1, 2, 3);
                      s.Shift.Qlty = Cofactors(2.0, 0.0004, 0.0009, 0.0016);
                      return s;
                  });
    const XmlTree& q = BelowNth("TrfStep", 0, "TrfParameters/TrfShift/Qlty");
    EXPECT_EQ(q.childText("M0"), "2.00000");
    EXPECT_EQ(q.childText("Q33"), "0.00160000");
    // sqrt(Q) alone, unmarked: M0 = 2 would double these.
    EXPECT_EQ(q.childText("Sd1"), "0.02000");
    EXPECT_EQ(q.childText("Sd3"), "0.04000");
    EXPECT_FALSE(IsComputed(Path(q, "Sd1")));
}

TEST_P(TrfStepWrite, RotationQualityTakesTheShiftsM0) {
    ExpectLayouts({{0xE4, {"M0", "Q11", "Q22", "Sd1", "Sd2", "Q33", "Sd3"}},
                   {0x84, {"M0", "Q33", "Sd3"}},
                   {0xC4, {"M0", "Q33", "Sd3"}},
                   {0x64, {}}},
                  "TrfRot/Qlty", [](std::uint8_t flags) {
                      VDXML_TRFSTEP s;
                      s.Shift.Qlty.M0 = 1.5;
                      s.Rotation = Vector(flags, 0, 0, 0.00001);
                      s.Rotation.Qlty = Cofactors(9.0, 1e-10, 4e-10, 2.5e-11);
                      return s;
                  });
    const XmlTree& q = BelowNth("TrfStep", 0, "TrfParameters/TrfRot/Qlty");
    EXPECT_EQ(q.childText("M0"), "1.50000");
    EXPECT_EQ(q.childText("Q33"), "0.000000000025000");
    EXPECT_EQ(q.childText("Sd2"), "0.000020000000000");
}

TEST_P(TrfStepWrite, ScaleQualityTakesTheShiftsM0AndWritesQ33WithFiveDecimals) {
    VDXML_TRFSTEP step;
    step.Shift.Qlty.M0 = 0.75;
    step.Scale = Vector(0x3B, 1.00001, 1.00002, 1.00003);
    step.Scale.Qlty = Cofactors(5.0, 0.00000004, 0.00000009, 0.00000016);
    const XmlTree& q = Path(Parameters(step), "TrfScale/Qlty");
    EXPECT_EQ(q.childNames(), (Names{"M0", "Q11", "Q22", "Sd1", "Sd2", "Q33", "Sd3"}));
    EXPECT_EQ(q.childText("M0"), "0.75000");
    EXPECT_EQ(q.childText("Q11"), "0.00000004");
    EXPECT_EQ(q.childText("Q33"), "0.00000");
    EXPECT_EQ(q.childText("Sd3"), "0.00040");
}

TEST_P(TrfStepWrite, NegativeCofactorSkipsItsDeviationAndGoesOn) {
    VDXML_TRFSTEP step;
    step.Shift = Vector(0x3B, 1, 2, 3);
    step.Shift.Qlty = Cofactors(1.0, -0.0004, 0.0009, -0.0001);
    step.Rotation = Vector(0x04, 0, 0, 0.5);
    const XmlTree& p = Parameters(step);
    EXPECT_EQ(Path(p, "TrfShift/Qlty").childNames(), (Names{"M0", "Q11", "Q22", "Sd2", "Q33"}));
    EXPECT_NE(p.child("TrfRot"), nullptr);
}

TEST_P(TrfStepWrite, HeightBlockOpensOnlyWithParameters) {
    ExpectLayouts({{0x02, {"ParameterA", "ParameterB"}},
                   {0x01, {"ParameterA", "ParameterB"}},
                   {0x1C, {"ParameterC", "InclinationXAxis", "InclinationYAxis"}},
                   {0x3F,
                    {"ParameterA", "ParameterB", "ParameterC", "InclinationXAxis",
                     "InclinationYAxis", "MeanAccuracy"}},
                   {0x18, {}},
                   {0x20, {}}},
                  "TrfHgt", [](std::uint8_t flags) {
                      VDXML_TRFSTEP s;
                      s.Height.Flags = flags;
                      s.Height.ParameterA = 0.123456789;
                      return s;
                  });
    EXPECT_EQ(BelowNth("TrfStep", 0, "TrfParameters/TrfHgt").childText("ParameterA"), "0.12345679");
}

TEST_P(TrfStepWrite, CollocationRequiresAllFourMatrixElements) {
    const Names matrix = {"Element11", "Element12", "Element21", "Element22"};
    Names full = matrix;
    full.insert(full.end(), {"DistortionRightAngle", "Distortion2D", "Distortion1D"});
    ExpectLayouts({{0x1F, full}, {0x0F, matrix}, {0x17, {}}, {0x1B, {}}, {0x1D, {}}, {0x1E, {}}},
                  "Collocation", [](std::uint8_t flags) {
                      VDXML_TRFSTEP s;
                      s.Collocation.Flags = flags;
                      s.Collocation.DistortionRightAngle = 0.000001;
                      // 0 is the level "None" and written; -1 is not.
                      s.Collocation.Distortion2D = flags & 0x10 ? VDXML_TRF_DISTORTION_NONE : -1;
                      s.Collocation.Distortion1D = flags & 0x10 ? VDXML_TRF_DISTORTION_HIGH : -1;
                      return s;
                  });
    const XmlTree& c = BelowNth("TrfStep", 0, "TrfParameters/Collocation");
    EXPECT_EQ(c.childText("DistortionRightAngle"), "0.000001000000000");
    EXPECT_EQ(c.childText("Distortion2D"), "0");
    EXPECT_EQ(c.childText("Distortion1D"), "3");
}

TEST_P(TrfStepWrite, StochasticsAndMeanAccuracyOnlyAsPairs) {
    ExpectLayouts({{0x03, {"TrfApriori", "TrfAposteriori"}}, {0x01, {}}, {0x02, {}}},
                  "TrfStochastics", [](std::uint8_t flags) {
                      VDXML_TRFSTEP s;
                      s.Stochastics.Flags = flags;
                      s.Stochastics.Aposteriori = 0.0123456789;
                      s.MeanAccuracy.Flags = flags;
                      return s;
                  });
    EXPECT_EQ(BelowNth("TrfStep", 0, "TrfParameters/TrfStochastics").childText("TrfAposteriori"),
              "0.01234568");
    EXPECT_EQ(BelowNth("TrfStep", 0, "TrfParameters/TrfMeanAccuracy").childNames(),
              (Names{"MeanX", "MeanY"}));
    EXPECT_TRUE(BelowNth("TrfStep", 1, "TrfParameters").children.empty());
}

TEST_P(TrfStepWrite, EveryBlockInItsOrder) {
    VDXML_TRFSTEP step;
    step.RotOrigin.Flags = 0x06;
    step.Shift.Flags = 0x03;
    step.Rotation.Flags = 0x04;
    step.Scale.Flags = 0x03;
    step.Height.Flags = 0x04;
    step.Stochastics.Flags = 0x03;
    step.Collocation.Flags = 0x0F;
    step.MeanAccuracy.Flags = 0x03;
    EXPECT_EQ(Parameters(step).childNames(),
              (Names{"TrfRotOrigin", "TrfShift", "TrfRot", "TrfScale", "TrfHgt", "TrfStochastics",
                     "Collocation", "TrfMeanAccuracy"}));
}

VDXML_INSTANTIATE_BOTH_BACKENDS(TrfStepWrite);
