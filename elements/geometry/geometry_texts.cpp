// Texts of the enumerated values of points and coordinates.
#include "vdxml/geometry_texts.h"

#include <string>
#include <utility>

namespace VdXml {
namespace {

const VdXmlEnumText kPointClass[] = {
    {1, L"Estimated"}, {2, L"Navigated"}, {3, L"SPP"},      {4, L"Measured"},
    {5, L"Averaged"},  {6, L"Reference"}, {7, L"Adjusted"}, {8, L"Control"},
};

const VdXmlEnumText kPointSubClass[] = {
    {1, L"Adjusted Height"},
    {2, L"Adjusted Position"},
    {3, L"Adjusted Position and Height"},
    {4, L"Code Solution"},
    {5, L"Phase Solution"},
    {6, L"Phase Float Solution"},
    {7, L"Phase Fixed Solution"},
    {8, L"COGO Solution"},
    {9, L"Fixed Weighted"},
    {10, L"Fixed in Height"},
    {11, L"Fixed in Position"},
    {12, L"Fixed in Position and Height"},
    {13, L"HiddenPoint Solution"},
    {14, L"Level Processed"},
};

const VdXmlEnumText kCoordSource[] = {
    {1, L"Fixed by Pen"},     {2, L"Fixed by Digitize Table"}, {3, L"Fixed by Orthogonal Method"},
    {4, L"Fixed by TPS"},     {5, L"Fixed by Level"},          {6, L"Fixed by GPS"},
    {7, L"Fixed by Azimuth"}, {8, L"Fixed by Calculation"},    {9, L"User entered"},
};

const VdXmlEnumText kCoordType[] = {{1, L"1D"}, {2, L"2D"}, {3, L"3D"}};

// In the order the texts are joined.
const VdXmlEnumText kAvgStatusBits[] = {
    {0x01, L"Use never"},
    {0x02, L"Use always"},
    {0x04, L"Not used"},
    {0x08, L"Out of limit"},
};

const VdXmlEnumText kRelativeAngularUnit[] = {{1, L"rad.km"}};

const VdXmlEnumText kRelativeHeightUnit[] = {
    {1, L"m/sqrt(km)"},
    {2, L"fts/sqrt(km)"},
    {3, L"fti/sqrt(km)"},
};

}  // namespace

const VdXmlEnumTable enumPointClass(kPointClass);
const VdXmlEnumTable enumPointSubClass(kPointSubClass);
const VdXmlEnumTable enumCoordSource(kCoordSource);
const VdXmlEnumTable enumCoordType(kCoordType);
const VdXmlEnumTable enumAvgStatusBits(kAvgStatusBits);
const VdXmlEnumTable enumRelativeAngularUnit(kRelativeAngularUnit);
const VdXmlEnumTable enumRelativeHeightUnit(kRelativeHeightUnit);
const _bstr_t textPartsPerMillion(L"ppm");

_bstr_t AvgStatusText(std::uint8_t status) {
    std::wstring text;
    for (const VdXmlEnumText& bit : enumAvgStatusBits) {
        if ((status & bit.code) == 0) continue;
        if (!text.empty()) text += L", ";
        text += bit.text;
    }
    return _bstr_t(std::move(text));
}

}  // namespace VdXml
