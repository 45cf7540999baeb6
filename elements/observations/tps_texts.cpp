// Texts of the orientation methods, reflector types and telescope faces.
#include "vdxml/tps_texts.h"

#include "vdxml/tps_records.h"

namespace VdXml {
namespace {

// One "Invalid" serves the undefined code of every table.
constexpr const wchar_t* kInvalid = L"Invalid";

const VdXmlEnumText kOrientationMethods[] = {
    {VDXML_TPS_METHOD_INVALID, kInvalid},
    {VDXML_TPS_METHOD_SET_AZIMUTH, L"Set azimuth"},
    {VDXML_TPS_METHOD_KNOWN_BACKSIGHT, L"Known backsight"},
    {VDXML_TPS_METHOD_RESECTION, L"Resection"},
    {VDXML_TPS_METHOD_RESECTION_HELMERT, L"Resection Helmert"},
    {VDXML_TPS_METHOD_ORIENTATION_AND_HEIGHT_TRANSFER, L"Orientation and height transfer"},
    {VDXML_TPS_METHOD_LOCAL_COORDINATES, L"Local coordinates"},
    {VDXML_TPS_METHOD_SYSTEM, L"System"},
    {VDXML_TPS_METHOD_LOCAL_RESECTION, L"Local Resection"},
};

// The degree sign is held as its code point so that the text does not depend on the
// encoding of this source file; it exists in the single-byte code page text passes through.
const VdXmlEnumText kReflectorTypes[] = {
    {VDXML_TPS_REFLECTOR_NONE, kInvalid},
    {VDXML_TPS_REFLECTOR_UNKNOWN, L"Unknown"},
    {VDXML_TPS_REFLECTOR_REFLECTORLESS, L"Reflectorless"},
    {VDXML_TPS_REFLECTOR_ROUND_PRISM, L"Round prism"},
    {VDXML_TPS_REFLECTOR_360_PRISM, L"360\u00B0 prism"},
    {VDXML_TPS_REFLECTOR_MINI_PRISM, L"Mini prism"},
    {VDXML_TPS_REFLECTOR_MINI_ZERO_PRISM, L"Mini zero prism"},
    {VDXML_TPS_REFLECTOR_360_MINI_PRISM, L"360\u00B0 mini prism"},
    {VDXML_TPS_REFLECTOR_TAPE, L"Tape"},
    {VDXML_TPS_REFLECTOR_USER_UNDEFINED, L"User undefined"},
    {VDXML_TPS_REFLECTOR_USER_PRISM, L"User prism"},
    {VDXML_TPS_REFLECTOR_USER_TAPE, L"User Tape"},
    {VDXML_TPS_REFLECTOR_KESTO_TAPE, L"Kesto Tape"},
};

const VdXmlEnumText kFaces[] = {
    {VDXML_TPS_FACE_NONE, kInvalid},
    {VDXML_TPS_FACE_I, L"Face I"},
    {VDXML_TPS_FACE_II, L"Face II"},
};

}  // namespace

const VdXmlEnumTable enumTpsOrientationMethod(kOrientationMethods);
const VdXmlEnumTable enumTpsReflectorType(kReflectorTypes);
const VdXmlEnumTable enumTpsFace(kFaces);

const wchar_t* const textTpsKnownAzimuth = L"Known azimuth";

}  // namespace VdXml
