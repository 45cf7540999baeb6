// The description of a thematic attribute "ThematicalAttrDesc": value type, kind, default
// values, range and choice list.
#include "elements/entry_sequence.h"
#include "elements/observations/thematic_entries.h"
#include "vdxml/thematic_texts.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;
using vdxml_elements::WriteSubElement;

namespace {

using Desc = VDXML_THEMATICAL_ATTRIBUTEDESCRIPTION;

// "Rangelist" with the range's type and text, then "Range" ("Min", "Max").
long WriteRange(const CVdXmlNode& parent, const VDXML_THEMATICAL_RANGELIST& range) {
    return WriteSubElement(parent, parent, VdXml::tagRangelist, [&](const CVdXmlNode& node) {
        return EntrySequence(node)
            .Enumerated(VdXml::tagType, range.Type, VdXml::enumThematicRangeType)
            .Then(true, [&] { return node.InsertMinMax(VdXml::tagRange, range.MinMax, 5); })
            .Status();
    });
}

// "Choicelist" with one "Value" per choice: texts, whole numbers, then numbers.
long WriteChoices(const CVdXmlNode& parent, const VDXML_THEMATICAL_CHOICELIST& choices) {
    return WriteSubElement(parent, parent, VdXml::tagChoicelist, [&](const CVdXmlNode& node) {
        EntrySequence values(node);
        for (const _bstr_t& text : choices.Texts)
            values.Then(true, [&] { return node.InsertEntry(VdXml::tagValue, text); });
        for (const std::int32_t value : choices.Longs)
            values.Then(
                true, [&] { return node.InsertEntry(VdXml::tagValue, static_cast<long>(value)); });
        for (const double value : choices.Doubles) values.Number(true, VdXml::tagValue, value, 3);
        return values.Status();
    });
}

}  // namespace

long CVdXmlNode::InsertThematicalAttrDesc(const Desc& desc, CVdXmlNode& out) const {
    if (!vdxml_thematic::HasName(desc.ItemName) || desc.Flags == 0) return E_FAIL;
    long hr = out.Create(*this, VdXml::tagThematicalAttrDesc, nullptr);
    if (FAILED(hr)) return hr;
    hr = out.InsertItemName(desc.ItemName);
    if (FAILED(hr)) return hr;

    // The three default values are independent: each flagged one gets its own element.
    hr = EntrySequence(out, hr)
             .Then(true,
                   [&] {
                       return out.InsertEnumeratedSigned(VdXml::tagValueType, desc.ValueType,
                                                         VdXml::enumThematicValueType);
                   })
             .Then(true,
                   [&] {
                       return out.InsertEnumeratedSigned(VdXml::tagType, desc.Type,
                                                         VdXml::enumThematicAttributeKind);
                   })
             .Then(desc.Flags & Desc::flagDefaultText,
                   [&] { return out.InsertEntry(VdXml::tagDefaultValue, desc.DefaultText); })
             .Then(desc.Flags & Desc::flagDefaultLong,
                   [&] {
                       return out.InsertEntry(VdXml::tagDefaultValue,
                                              static_cast<long>(desc.DefaultLong));
                   })
             .Number(desc.Flags & Desc::flagDefaultDouble, VdXml::tagDefaultValue,
                     desc.DefaultDouble, 3)
             .Status();
    if (FAILED(hr)) return hr;

    // Range and choices only report failures: the result stays that of the last default value
    // (or of the attribute kind).
    if ((desc.Flags & Desc::flagRange) && desc.Range.Type != VDXML_THEMATICAL_RANGE_NONE) {
        const long range = WriteRange(out, desc.Range);
        if (FAILED(range)) return range;
    }
    if ((desc.Flags & Desc::flagChoices) && desc.Choices.Type != 0) {
        const long choices = WriteChoices(out, desc.Choices);
        if (FAILED(choices)) return choices;
    }
    return hr;
}
