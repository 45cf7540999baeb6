// Writing transformations: the required model, height mode, source and target systems with
// their models, the steps in order, the residual list that is always there, and the first
// failing step or residual ending the writer.
#include <gtest/gtest.h>

#include "trf_fixture.h"

using namespace vdxml_test;

namespace {

VDXML_TRANSFORMATION Transformation(std::uint32_t type) {
    VDXML_TRANSFORMATION t;
    t.Type = type;
    return t;
}

VDXML_TRFSTEP NamedStep(const wchar_t* name, std::int32_t model = VDXML_TRF_MODEL_NONE) {
    VDXML_TRFSTEP s;
    s.Name = name;
    s.Model = model;
    return s;
}

VDXML_TRFRESIDUAL DistanceResidual(double distance) {
    VDXML_TRFRESIDUAL r = Residual(VDXML_COORD_TYPE_2D, 0x10);
    r.DDistance = distance;
    return r;
}

}  // namespace

class TransformationWrite : public TrfTest {
  protected:
    /// After Written(): the index-th transformation's element at path.
    const XmlTree& Nth(std::size_t index, const std::string& path = "") {
        return BelowNth("Transformation", index, path);
    }
};

TEST_P(TransformationWrite, ModelIsRequiredAndTheResidualListAlwaysThere) {
    VDXML_TRANSFORMATION none = Transformation(VDXML_TRANSFORMATION_NONE);
    none.Name = L"no model";
    none.Steps.push_back(NamedStep(L"step"));
    VDXML_TRANSFORMATION named = Transformation(VDXML_TRANSFORMATION_TWOSTEP);
    named.Name = L"LV95 to local";
    named.Note = L"fitted 2006";
    named.HeightMode = VDXML_HEIGHT_MODE_ORTHOMETRIC;
    EXPECT_EQ(WriteTransformation(none), E_FAIL);
    ASSERT_EQ(WriteTransformation(Transformation(VDXML_TRANSFORMATION_HELMERT2D)), S_OK);
    ASSERT_EQ(WriteTransformation(named), S_OK);
    Written();
    EXPECT_TRUE(Nth(0).children.empty());
    EXPECT_EQ(Nth(1).childNames(), (Names{"Type", "TrfResiduals"}));
    EXPECT_EQ(Nth(1).childText("Type"), "1");
    EXPECT_TRUE(Nth(1, "TrfResiduals").children.empty());
    EXPECT_EQ(Nth(2).childNames(), (Names{"Name", "Note", "Type", "HeightMode", "TrfResiduals"}));
    EXPECT_EQ(Nth(2).childText("Type"), "6");
    EXPECT_EQ(Nth(2).childText("HeightMode"), "2");
}

TEST_P(TransformationWrite, SystemsOnlyWithNamesAndTheirNamedModels) {
    VDXML_TRANSFORMATION t = Transformation(VDXML_TRANSFORMATION_HELMERT3D);
    t.SourceSystem.Name = L"WGS 84";
    t.SourceSystem.Note = L"global";
    t.SourceSystem.Projection.Name = L"Swiss grid";
    t.SourceSystem.Projection.Type = VDXML_PROJECTION_SWISS;
    t.TargetSystem.Name = L"Local";
    t.TargetSystem.Ellipsoid.Name = L"Bessel";
    t.TargetSystem.Ellipsoid.SemiMajorAxis = 6377397.155;
    t.TargetSystem.Ellipsoid.Flattening = 1 / 299.1528128;
    t.TargetSystem.Projection.Type = VDXML_PROJECTION_TM;  // no name: not written
    VDXML_TRANSFORMATION nameless = Transformation(VDXML_TRANSFORMATION_HELMERT3D);
    nameless.SourceSystem.Note = L"nameless";
    nameless.SourceSystem.Ellipsoid.Name = L"GRS 80";
    ASSERT_EQ(WriteTransformation(t), S_OK);
    ASSERT_EQ(WriteTransformation(nameless), S_OK);
    Written();
    EXPECT_EQ(Nth(0).childNames(), (Names{"Type", "SourceSystem", "TargetSystem", "TrfResiduals"}));
    EXPECT_EQ(Nth(0, "SourceSystem").childNames(), (Names{"Name", "Note", "Projection"}));
    EXPECT_EQ(Nth(0, "SourceSystem/Projection").childNames(), (Names{"Name", "Type"}));
    EXPECT_EQ(Nth(0, "SourceSystem/Projection").childText("Type"), "100");
    EXPECT_EQ(Nth(0, "TargetSystem").childNames(), (Names{"Name", "Ellipsoid"}));
    EXPECT_EQ(Nth(0, "TargetSystem/Ellipsoid").childText("InverseFlattening"), "299.15281280000");
    EXPECT_EQ(Nth(1).childNames(), (Names{"Type", "TrfResiduals"}));
}

TEST_P(TransformationWrite, FailingSystemModelStopsTheTransformation) {
    VDXML_TRANSFORMATION t = Transformation(VDXML_TRANSFORMATION_HELMERT3D);
    t.SourceSystem.Name = L"Source";
    t.SourceSystem.Projection.Name = L"odd";
    t.SourceSystem.Projection.Type = 12;  // between the two ranges: no text
    t.TargetSystem.Name = L"Target";
    EXPECT_EQ(WriteTransformation(t), E_FAIL);
    Written();
    EXPECT_EQ(Nth(0).childNames(), (Names{"Type", "SourceSystem"}));
    EXPECT_EQ(Nth(0, "SourceSystem/Projection").childText("Type"), "12");
}

TEST_P(TransformationWrite, StepsInOrderAndTheFirstFailingOneEndsTheWriter) {
    VDXML_TRANSFORMATION good = Transformation(VDXML_TRANSFORMATION_STEPWISE);
    good.Steps = {NamedStep(L"first"), NamedStep(L"second"), NamedStep(L"third")};
    good.Residuals = {DistanceResidual(0.01)};
    VDXML_TRANSFORMATION bad = good;
    bad.Steps[1].Model = 0;
    ASSERT_EQ(WriteTransformation(good), S_OK);
    EXPECT_EQ(WriteTransformation(bad), E_FAIL);
    Written();
    EXPECT_EQ(Nth(0).childNames(),
              (Names{"Type", "TrfStep", "TrfStep", "TrfStep", "TrfResiduals"}));
    EXPECT_EQ(Nth(0).child("TrfStep", 0)->childText("Name"), "first");
    EXPECT_EQ(Nth(0).child("TrfStep", 2)->childText("Name"), "third");
    EXPECT_EQ(Nth(1).childNames(), (Names{"Type", "TrfStep", "TrfStep"}));
    EXPECT_EQ(Nth(1).child("TrfStep", 1)->childNames(), (Names{"Name", "TrfModel"}));
}

TEST_P(TransformationWrite, ResidualDistributionOnlyWhenGiven) {
    VDXML_TRANSFORMATION given = Transformation(VDXML_TRANSFORMATION_ONESTEP);
    given.ResidualDistribution = VDXML_RESIDUAL_DISTRIBUTION_MULTIQUADRATIC;
    given.Residuals = {DistanceResidual(0.01), DistanceResidual(0.02)};
    VDXML_TRANSFORMATION none = Transformation(VDXML_TRANSFORMATION_ONESTEP);
    none.Residuals = {DistanceResidual(0.03)};
    ASSERT_EQ(WriteTransformation(given), S_OK);
    ASSERT_EQ(WriteTransformation(none), S_OK);
    Written();
    EXPECT_EQ(Nth(0, "TrfResiduals").childNames(),
              (Names{"ResidualDistribution", "TrfResidual", "TrfResidual"}));
    EXPECT_EQ(Nth(0, "TrfResiduals").childText("ResidualDistribution"), "5");
    EXPECT_EQ(Path(*Nth(0, "TrfResiduals").child("TrfResidual", 1), "DCrd").childText("DDistance"),
              "0.02000");
    EXPECT_EQ(Nth(1, "TrfResiduals").childNames(), Names{"TrfResidual"});
}

TEST_P(TransformationWrite, FailingResidualStopsTheFollowingOnes) {
    // Refused before writing anything, and failing halfway with its partial element kept.
    VDXML_TRANSFORMATION refused = Transformation(VDXML_TRANSFORMATION_HELMERT2D);
    refused.Residuals = {DistanceResidual(0.01), Residual(VDXML_COORD_TYPE_NONE, 0x10),
                         DistanceResidual(0.03)};
    VDXML_TRANSFORMATION halfway = refused;
    halfway.Residuals[1] = Residual(VDXML_COORD_TYPE_3D, 0x01);  // no DX, DY, DZ
    EXPECT_EQ(WriteTransformation(refused), E_FAIL);
    EXPECT_EQ(WriteTransformation(halfway), E_FAIL);
    Written();
    EXPECT_EQ(Nth(0, "TrfResiduals").childNames(), Names{"TrfResidual"});
    EXPECT_EQ(Nth(0, "TrfResiduals/TrfResidual/DCrd").childText("DDistance"), "0.01000");
    EXPECT_EQ(Nth(1, "TrfResiduals").childNames(), (Names{"TrfResidual", "TrfResidual"}));
    EXPECT_EQ(Nth(1, "TrfResiduals").child("TrfResidual", 1)->childNames(),
              (Names{"Type", "DCrd"}));
}

TEST_P(TransformationWrite, UnknownCodesFailAfterTheirNumbers) {
    VDXML_TRANSFORMATION type = Transformation(7);
    VDXML_TRANSFORMATION height = Transformation(VDXML_TRANSFORMATION_HELMERT2D);
    height.HeightMode = 3;
    VDXML_TRANSFORMATION distribution = Transformation(VDXML_TRANSFORMATION_HELMERT2D);
    distribution.ResidualDistribution = 6;
    distribution.Residuals = {DistanceResidual(0.01)};
    EXPECT_EQ(WriteTransformation(type), E_FAIL);
    EXPECT_EQ(WriteTransformation(height), E_FAIL);
    EXPECT_EQ(WriteTransformation(distribution), E_FAIL);
    Written();
    EXPECT_EQ(Nth(0).childNames(), Names{"Type"});
    EXPECT_EQ(Nth(0).childText("Type"), "7");
    EXPECT_EQ(Nth(1).childNames(), (Names{"Type", "HeightMode"}));
    EXPECT_EQ(Nth(1).childText("HeightMode"), "3");
    EXPECT_EQ(Nth(2, "TrfResiduals").childNames(), Names{"ResidualDistribution"});
}

VDXML_INSTANTIATE_BOTH_BACKENDS(TransformationWrite);
