// Texts of the enumerated values of coordinate systems, transformations and their steps.
#include "vdxml/trf_texts.h"

#include "vdxml/trf_records.h"

namespace VdXml {
namespace {

const VdXmlEnumText kTransformationType[] = {
    {VDXML_TRANSFORMATION_HELMERT2D, L"Helmert2D"},
    {VDXML_TRANSFORMATION_HELMERT3D, L"Helmert3D"},
    {VDXML_TRANSFORMATION_ONESTEP, L"Onestep"},
    {VDXML_TRANSFORMATION_COLLOCATION, L"Collocation"},
    {VDXML_TRANSFORMATION_STEPWISE, L"Stepwise"},
    {VDXML_TRANSFORMATION_TWOSTEP, L"Twostep"},
};

const VdXmlEnumText kResidualDistribution[] = {
    {VDXML_RESIDUAL_DISTRIBUTION_NO_DISTRIBUTION, L"No distribution"},
    {VDXML_RESIDUAL_DISTRIBUTION_INVERSE_DISTANCE, L"1 / distance"},
    {VDXML_RESIDUAL_DISTRIBUTION_INVERSE_DISTANCE_1_5, L"1 / distance ^ 1.5"},
    {VDXML_RESIDUAL_DISTRIBUTION_INVERSE_DISTANCE_SQUARED, L"1 / distance ^ 2"},
    {VDXML_RESIDUAL_DISTRIBUTION_MULTIQUADRATIC, L"Multiquadratic"},
};

const VdXmlEnumText kHeightMode[] = {
    {VDXML_HEIGHT_MODE_ELLIPSOIDAL, L"Ellipsoidal"},
    {VDXML_HEIGHT_MODE_ORTHOMETRIC, L"Orthometric"},
};

const VdXmlEnumText kProjectionType[] = {
    {VDXML_PROJECTION_TM, L"TM"},
    {VDXML_PROJECTION_UTM, L"UTM"},
    {VDXML_PROJECTION_LAMBERT, L"Lambert"},
    {VDXML_PROJECTION_POLAR_STEREOGRAPHIC, L"Polar Stereographic"},
    {VDXML_PROJECTION_DOUBLE_STEREOGRAPHIC, L"Double Stereographic"},
    {VDXML_PROJECTION_OM, L"OM"},
    {VDXML_PROJECTION_SOLDNER, L"Soldner"},
    {VDXML_PROJECTION_MERCATOR, L"Mercator"},
    {VDXML_PROJECTION_NZ_MAP_GRID, L"New Zealand Map Grid"},
    {VDXML_PROJECTION_RSO, L"RSO"},
    {VDXML_PROJECTION_USER_DEFINED_EXE, L"User defined Exe"},
    {VDXML_PROJECTION_SWISS, L"Swiss"},
    {VDXML_PROJECTION_NEW_ZEALAND, L"New Zealand"},
    {VDXML_PROJECTION_MALAYAN, L"Malayan"},
    {VDXML_PROJECTION_HUNGARIAN, L"Hungarian"},
    {VDXML_PROJECTION_DUTCH, L"Dutch"},
    {VDXML_PROJECTION_FINNISH_KKJ, L"Finnish KKJ"},
    {VDXML_PROJECTION_SWISS_95, L"Swiss 95"},
    {VDXML_PROJECTION_DK_BORNHOLM, L"DK Bornholm"},
    {VDXML_PROJECTION_DK_JYLLAND, L"DK Jylland"},
    {VDXML_PROJECTION_DK_SJELLAND, L"DK Sjelland"},
    {VDXML_PROJECTION_SK_KROVAK, L"SK Krovak"},
    {VDXML_PROJECTION_ROMANIAN, L"Romanian"},
    {VDXML_PROJECTION_DK_S34_BORNHOLM, L"DK S34 Bornholm"},
    {VDXML_PROJECTION_DK_S34_JYLLAND, L"DK S34 Jylland"},
    {VDXML_PROJECTION_DK_S34_SJELLAND, L"DK S34 Sjelland"},
};

const VdXmlEnumText kGeoidModelType[] = {
    {VDXML_GEOIDMODEL_GEODETIC, L"Geodetic"},
    {VDXML_GEOIDMODEL_GRID, L"Grid"},
};

const VdXmlEnumText kCscsMethod[] = {
    {VDXML_CSCS_METHOD_CARTESIAN, L"Cartesian"},
    {VDXML_CSCS_METHOD_GEODETIC, L"Geodetic"},
    {VDXML_CSCS_METHOD_GRID, L"Grid"},
};

const VdXmlEnumText kCscsInterpolation[] = {
    {VDXML_CSCS_INTERPOLATION_BILINEAR_2, L"Bi-linear (4 points, 2 values)"},
    {VDXML_CSCS_INTERPOLATION_BILINEAR_3, L"Bi-linear (4 points, 3 values)"},
    {VDXML_CSCS_INTERPOLATION_SPLINE, L"Spline (16 points, 2 values)"},
    {VDXML_CSCS_INTERPOLATION_BIQUADRATIC, L"Bi-quadratic (9 points, 2 values)"},
};

// "transformaiton" is the format's own spelling; correcting it would break existing readers.
const VdXmlEnumText kTrfStepType[] = {
    {VDXML_TRFSTEP_HELMERT2D, L"Helmert2D"},
    {VDXML_TRFSTEP_HELMERT3D, L"Helmert3D"},
    {VDXML_TRFSTEP_COLLOCATION, L"Collocation"},
    {VDXML_TRFSTEP_HEIGHT, L"Height transformaiton"},
};

const VdXmlEnumText kTrfModel[] = {
    {VDXML_TRF_MODEL_BURSA_WOLF, L"Bursa Wolf"},
    {VDXML_TRF_MODEL_MOLODENSKY_BADEKAS, L"Molodensky Badekas"},
    {VDXML_TRF_MODEL_UNAVAILABLE, L"Unavailable"},
};

const VdXmlEnumText kTrfDistortion[] = {
    {VDXML_TRF_DISTORTION_NONE, L"None"},
    {VDXML_TRF_DISTORTION_LOW, L"Low"},
    {VDXML_TRF_DISTORTION_MEDIUM, L"Medium"},
    {VDXML_TRF_DISTORTION_HIGH, L"High"},
};

}  // namespace

const VdXmlEnumTable enumTransformationType(kTransformationType);
const VdXmlEnumTable enumResidualDistribution(kResidualDistribution);
const VdXmlEnumTable enumHeightMode(kHeightMode);
const VdXmlEnumTable enumProjectionType(kProjectionType);
const VdXmlEnumTable enumGeoidModelType(kGeoidModelType);
const VdXmlEnumTable enumCscsMethod(kCscsMethod);
const VdXmlEnumTable enumCscsInterpolation(kCscsInterpolation);
const VdXmlEnumTable enumTrfStepType(kTrfStepType);
const VdXmlEnumTable enumTrfModel(kTrfModel);
const VdXmlEnumTable enumTrfDistortion(kTrfDistortion);

}  // namespace VdXml
