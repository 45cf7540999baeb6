// Thematic code lists, groups and codes nested as the caller chooses, attribute descriptions
// with their defaults, range and choices, attribute values by their type, and what reading
// restores of codes and attributes.
#include "observation_cases.h"

using namespace vdxml_test;

namespace {
using Desc = VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION;

// Code "Fence" for lines, with a note and a description.
VDXML_THEMATICAL_CODE Fence() {
    VDXML_THEMATICAL_CODE code;
    code.ItemName = {L"Fence", L"wooden"};
    Assign(code, &VDXML_THEMATICAL_CODE::Type, 2, &VDXML_THEMATICAL_CODE::CodeDesc, L"Boundary");
    return code;
}

// A given attribute "Height" of the value type, with a value of each kind.
VDXML_THEMATICAL_ATTRIBUTE Attribute(std::uint32_t valueType, const wchar_t* note = L"") {
    using A = VDXML_THEMATICAL_ATTRIBUTE;
    A attr;
    attr.ItemName = {L"Height", note};
    Assign(attr, &A::Flags, A::flagAttribute, &A::ValueType, valueType, &A::LongValue, -42,
           &A::DoubleValue, 1.5, &A::TextValue, L"tall");
    return attr;
}

// A double attribute "Diameter" of the kind with three defaults, a range of the type and
// choices, as far as the flags give them.
std::function<long(const CVdXmlNode&)> Describes(std::uint8_t flags, void (*change)(Desc&) = Keep,
                                                 std::int32_t kind = 2, std::uint32_t range = 2) {
    Desc d;
    d.ItemName.Name = L"Diameter";
    Assign(d, &Desc::Flags, flags, &Desc::ValueType, 3, &Desc::Type, kind, &Desc::DefaultText,
           L"unknown", &Desc::DefaultLong, -3, &Desc::DefaultDouble, 0.25);
    d.Range.Type = range;
    d.Range.MinMax = {0.1, 2.5};
    d.Choices.Type = 1;
    d.Choices.Texts = {_bstr_t(L"small"), _bstr_t(L"large")};
    d.Choices.Longs = {7};
    d.Choices.Doubles = {0.5, 1.25};
    change(d);
    return [d](const CVdXmlNode& p) { return p.InsertThematicalAttrDesc(d, Out(CVdXmlNode())); };
}

void NoDefaultNumber(Desc& d) { d.DefaultDouble = NAN; }

const std::vector<Case> kCases = {
    // The node writer and the element class write a code alike.
    {"ListGroupAndCodes", S_OK,
     [](const CVdXmlNode& p) {
         VDXML_THEMATICAL_CODELIST list;
         list.ItemName = {L"Topography", L"2024"};
         VDXML_THEMATICAL_CODEGROUP group;
         group.ItemName.Name = L"Boundaries";
         VDXML_THEMATICAL_CODE bare;
         bare.ItemName.Name = L"Tree";
         CVdXmlNode listNode, groupNode;
         if (p.InsertThematicalCodelist(list, listNode) != S_OK ||
             listNode.InsertThematicalCodeGroup(group, groupNode) != S_OK ||
             groupNode.InsertThematicalCode(Fence(), Out(CVdXmlNode())) != S_OK)
             return E_UNEXPECTED;
         return CVdXmlThematicalCode().Create(groupNode, bare);
     }},
    {"UnnamedList", S_OK,
     [](const CVdXmlNode& p) { return p.InsertThematicalCodelist({}, Out(CVdXmlNode())); }},
    {"FullDescription", S_OK, Describes(0x3F)},
    {"PlainFixedDescription", S_OK, Describes(Desc::flagDescription, Keep, 3)},
    {"UntypedRangeAndChoices", S_OK,
     Describes(0x3F, [](Desc& d) { d.Range.Type = d.Choices.Type = 0; })},
    {"EmptyChoices", S_OK,
     Describes(Desc::flagChoices, [](Desc& d) { (d.Choices = {}).Type = 1; })},
    // A normal kind and a whole-number range. The default number is skipped; range and choices
    // follow but keep that status.
    {"DefaultNotANumber", S_FALSE, Describes(0x3F, NoDefaultNumber, 1, 1)},
    {"LongAttribute", S_OK, Writes<CVdXmlThematicalAttribute>(Attribute(1))},
    {"DoubleAttribute", S_OK, Writes<CVdXmlThematicalAttribute>(Attribute(3))},
    {"TextAttribute", S_OK, Writes<CVdXmlThematicalAttribute>(Attribute(4))},
    {"BoolAttribute", S_OK, Writes<CVdXmlThematicalAttribute>(Attribute(2))},
    // The node writer writes no value type, so one without a text does not matter.
    {"NodeAttributes", S_OK,
     [](const CVdXmlNode& p) {
         const long hr = p.InsertThematicalAttr(Attribute(1, L"m"), Out(CVdXmlNode()));
         return hr != S_OK ? hr : p.InsertThematicalAttr(Attribute(6), Out(CVdXmlNode()));
     }},
};
}  // namespace

// Read back: a code's name, type and description, not its note; an attribute's name, its
// value as text and its value type, but no whole number or number.
TEST(Thematic, WrittenAndReadBack) { ExpectFamily("thematic", kCases, {}); }
