// Texts of the enumerated values of coordinate systems and transformations, written as
// comments after their codes. A code without a text makes its write fail after the number.
#pragma once

#include "vdxml/enum_text.h"
#include "vdxml/export.h"

namespace VdXml {

/// Transformation models 1 "Helmert2D" to 6 "Twostep" (VDXML_TRANSFORMATION_TYPE).
VDXML_API extern const VdXmlEnumTable enumTransformationType;
/// Residual distributions 1 "No distribution" to 5 "Multiquadratic"
/// (VDXML_RESIDUAL_DISTRIBUTION).
VDXML_API extern const VdXmlEnumTable enumResidualDistribution;
/// Height modes 1 "Ellipsoidal", 2 "Orthometric" (VDXML_HEIGHT_MODE).
VDXML_API extern const VdXmlEnumTable enumHeightMode;
/// Projection types 1 "TM" to 11 "User defined Exe" and 100 "Swiss" to 114 "DK S34 Sjelland"
/// (VDXML_PROJECTION_TYPE).
VDXML_API extern const VdXmlEnumTable enumProjectionType;
/// Geoid model types 1 "Geodetic", 2 "Grid" (VDXML_GEOIDMODEL_TYPE).
VDXML_API extern const VdXmlEnumTable enumGeoidModelType;
/// Country-specific model methods 1 "Cartesian", 2 "Geodetic", 3 "Grid" (VDXML_CSCS_METHOD).
VDXML_API extern const VdXmlEnumTable enumCscsMethod;
/// Country-specific model interpolations 1 "Bi-linear (4 points, 2 values)" to
/// 4 "Bi-quadratic (9 points, 2 values)" (VDXML_CSCS_INTERPOLATION).
VDXML_API extern const VdXmlEnumTable enumCscsInterpolation;
/// Step types 1 "Helmert2D" to 4 "Height transformaiton" (VDXML_TRFSTEP_TYPE). The last text
/// is misspelt in the format itself; readers of existing files expect it so.
VDXML_API extern const VdXmlEnumTable enumTrfStepType;
/// Step models 1 "Bursa Wolf", 2 "Molodensky Badekas", 3 "Unavailable" (VDXML_TRF_MODEL).
VDXML_API extern const VdXmlEnumTable enumTrfModel;
/// Collocation distortion levels 0 "None" to 3 "High" (VDXML_TRF_DISTORTION).
VDXML_API extern const VdXmlEnumTable enumTrfDistortion;

}  // namespace VdXml
