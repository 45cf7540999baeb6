// The thematic part of the sample: a code list with one group of three point codes, each
// describing one attribute, and every point coded with one of them and its attribute value.
#include <iterator>

#include "sample_parts.h"
#include "vdxml/thematic_attribute.h"
#include "vdxml/thematic_code.h"

namespace vdxml_cli::sample {
namespace {
using Desc = VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION;

struct PointCodeKind {
    const wchar_t* code;
    const wchar_t* description;
    const wchar_t* attribute;
    std::uint32_t valueType;
};
// Points take these codes in turn; the first point (the control point) is a boundary marker.
const PointCodeKind kCodes[] = {
    {L"BM", L"Boundary marker", L"Material", VDXML_THEMATICAL_VALUE_TEXT},
    {L"FP", L"Fence post", L"Height", VDXML_THEMATICAL_VALUE_DOUBLE},
    {L"MH", L"Manhole cover", L"Rings", VDXML_THEMATICAL_VALUE_LONG},
};
constexpr long long kCodeCount = sizeof kCodes / sizeof kCodes[0];
const wchar_t* const kMaterials[] = {L"Granite", L"Concrete", L"Iron pipe"};

// What each code's attribute may hold: a choice of materials, a range of heights in metres,
// a range of ring counts.
Desc Description(const PointCodeKind& kind) {
    Desc d;
    d.ItemName.Name = kind.attribute;
    d.ValueType = static_cast<std::int32_t>(kind.valueType);
    d.Type = VDXML_THEMATICAL_KIND_NORMAL;
    d.Flags = Desc::flagDescription;
    if (kind.valueType == VDXML_THEMATICAL_VALUE_TEXT) {
        d.Type = VDXML_THEMATICAL_KIND_MANDATORY;
        d.Flags |= Desc::flagDefaultText | Desc::flagChoices;
        d.DefaultText = kMaterials[0];
        d.Choices.Type = VDXML_THEMATICAL_VALUE_TEXT;
        d.Choices.Texts.assign(std::begin(kMaterials), std::end(kMaterials));
    } else {
        const bool real = kind.valueType == VDXML_THEMATICAL_VALUE_DOUBLE;
        d.Flags |= (real ? Desc::flagDefaultDouble : Desc::flagDefaultLong) | Desc::flagRange;
        d.DefaultDouble = 1.2;
        d.DefaultLong = 3;
        d.Range.Type = real ? VDXML_THEMATICAL_RANGE_DOUBLE : VDXML_THEMATICAL_RANGE_LONG;
        d.Range.MinMax.Min = real ? 0.5 : 1.0;
        d.Range.MinMax.Max = real ? 2.5 : 12.0;
    }
    return d;
}

long WriteCode(const CVdXmlNode& group, const PointCodeKind& kind) {
    VDXML_THEMATICAL_CODE code;
    code.ItemName.Name = kind.code;
    code.Type = VDXML_THEMATICAL_GEOMETRY_POINT;
    code.CodeDesc = kind.description;
    CVdXmlThematicalCode codeNode;
    long hr = codeNode.Create(group, code);
    if (FAILED(hr)) return hr;
    CVdXmlNode descNode;
    return codeNode.InsertThematicalAttrDesc(Description(kind), descNode);
}

// The attribute value of the point at index, of its code's value type.
VDXML_THEMATICAL_ATTRIBUTE PointAttribute(const PointCodeKind& kind, long long index) {
    VDXML_THEMATICAL_ATTRIBUTE a;
    a.ItemName.Name = kind.attribute;
    a.Flags = VDXML_THEMATICAL_ATTRIBUTE::flagAttribute;
    a.ValueType = kind.valueType;
    a.TextValue = kMaterials[(index / kCodeCount) % 3];
    a.DoubleValue = 1.0 + 0.1 * static_cast<double>(index % 10);
    a.LongValue = static_cast<std::int32_t>(1 + index % 12);
    return a;
}
}  // namespace

long WriteCodeList(const CVdXmlNode& parent) {
    VDXML_THEMATICAL_CODELIST list;
    list.ItemName.Name = L"Site codes";
    list.ItemName.Note = L"Codes of the objects surveyed on site";
    CVdXmlNode listNode;
    long hr = parent.InsertThematicalCodelist(list, listNode);
    if (FAILED(hr)) return hr;
    VDXML_THEMATICAL_CODEGROUP group;
    group.ItemName.Name = L"Cadastre";
    CVdXmlNode groupNode;
    hr = listNode.InsertThematicalCodeGroup(group, groupNode);
    for (const PointCodeKind& kind : kCodes) {
        if (FAILED(hr)) break;
        hr = WriteCode(groupNode, kind);
    }
    return hr;
}

long WritePointCode(const CVdXmlNode& point, long long index) {
    const PointCodeKind& kind = kCodes[index % kCodeCount];
    VDXML_THEMATICAL_CODE code;
    code.ItemName.Name = kind.code;
    code.Type = VDXML_THEMATICAL_GEOMETRY_POINT;
    CVdXmlThematicalCode codeNode;
    long hr = codeNode.Create(point, code);
    if (FAILED(hr)) return hr;
    CVdXmlThematicalAttribute attributeNode;
    return attributeNode.Create(codeNode, PointAttribute(kind, index));
}

}  // namespace vdxml_cli::sample
