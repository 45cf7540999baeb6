// The "TpsSetup" element: time, instrument height and orientation of a setup, and the
// instrument with its nominal accuracy.
#include "vdxml/tps_setup.h"

#include "elements/entry_sequence.h"
#include "elements/read_rows.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;

long CVdXmlTpsSetup::Create(const CVdXmlNode& parent, const VDXML_TPS_SETUP& setup) {
    // Refused before the child-node table is touched, so GetNode still answers for the
    // previous setup.
    const std::uint8_t required = VDXML_TPS_INSTRUMENT::maskRequired;
    if (!(setup.Flags & VDXML_TPS_SETUP::flagInstrHgt) ||
        (setup.Instrument.Flags & required) != required)
        return E_FAIL;

    long hr = CreateElement(parent, VdXml::tagTpsSetup);
    if (FAILED(hr)) return hr;
    hr = EntrySequence(*this, hr)
             .Then(VdXmlIsSet(setup.Time),
                   [&] { return InsertEntryDateTimeMjd(VdXml::tagTime, setup.Time); })
             .Number(true, VdXml::tagInstrHgt, setup.InstrHgt, 5)
             .Number(setup.Flags & VDXML_TPS_SETUP::flagInstrOrientation,
                     VdXml::tagInstrOrientation, setup.InstrOrientation, 15)
             .Status();
    if (FAILED(hr)) return hr;
    // The instrument always holds the last entry written, so its status is the result.
    return InsertInstrument(setup.Instrument);
}

long CVdXmlTpsSetup::InsertInstrument(const VDXML_TPS_INSTRUMENT& instrument) {
    CVdXmlNode* node = nullptr;
    const long hr = CreateTableElement(*this, NODE_INSTRUMENT, VdXml::tagInstrument, node);
    if (FAILED(hr)) return hr;
    const VDXML_TPS_INSTR_ACCURACY& accuracy = instrument.Accuracy;
    return EntrySequence(*node, hr)
        .Then(!instrument.ItemName.Name.empty(),
              [&] { return node->InsertItemName(instrument.ItemName); })
        .Then(true, [&] { return node->InsertEntry(VdXml::tagType, instrument.Type); })
        .Then(instrument.Flags & VDXML_TPS_INSTRUMENT::flagInstrSn,
              [&] { return node->InsertEntry(VdXml::tagInstrSn, instrument.InstrSn); })
        .Then(instrument.Flags & VDXML_TPS_INSTRUMENT::flagInstrInfo,
              [&] { return node->InsertEntry(VdXml::tagInstrInfo, instrument.InstrInfo); })
        .Then(accuracy.IsGiven(),
              [&] {
                  // A temporary wrapper: the accuracy block is not kept in the child-node table.
                  return vdxml_elements::WriteSubElement(
                      *this, *node, VdXml::tagTpsAccuracy, [&](const CVdXmlNode& block) {
                          return EntrySequence(block)
                              .Number(true, VdXml::tagAbsDistance, accuracy.AbsDistance, 5)
                              .Number(true, VdXml::tagRelDistance, accuracy.RelDistance, 5)
                              .Number(true, VdXml::tagAngle, accuracy.Angle, 15)
                              .Status();
                      });
              })
        .Status();
}

long CVdXmlTpsSetup::Read(VDXML_ELEMENT& element, VDXML_TPS_SETUP& setup) {
    return vdxml_elements::ReadByRows(element, setup, &ReadValues);
}
