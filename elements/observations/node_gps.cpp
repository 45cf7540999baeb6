// The antenna and dilution-of-precision blocks of GPS setups, inserted below any node.
#include "elements/entry_sequence.h"
#include "vdxml/gps_records.h"
#include "vdxml/gps_texts.h"
#include "vdxml/node.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;

long CVdXmlNode::InsertAntenna(const VDXML_ANTENNA& antenna, CVdXmlNode& out) const {
    using A = VDXML_ANTENNA;
    if ((antenna.Flags & A::maskRequired) != A::maskRequired) return E_FAIL;
    const long hr = out.Create(*this, VdXml::tagAntenna, nullptr);
    if (FAILED(hr)) return hr;
    const bool phaseCentres = antenna.Flags & A::flagPhaseCentres;
    return EntrySequence(out, hr)
        .Then(true, [&] { return out.InsertEntry(VdXml::tagAntennaName, antenna.AntName); })
        .Then(antenna.Flags & A::flagAntType,
              [&] {
                  return out.InsertEnumeratedSigned(VdXml::tagAntennaType, antenna.AntType,
                                                    VdXml::enumAntennaModel);
              })
        .Then(antenna.Flags & A::flagAntSn,
              [&] { return out.InsertEntry(VdXml::tagAntennaSn, antenna.AntSn); })
        .Number(true, VdXml::tagAntennaVOffset, antenna.AntVO, 5)
        .Number(true, VdXml::tagAntennaHzOffset, antenna.AntHzO, 5)
        .Number(phaseCentres, VdXml::tagAntennaL1PhOffset, antenna.AntL1PhO, 5)
        .Number(phaseCentres, VdXml::tagAntennaL1EastPhOffset, antenna.AntL1EPhO, 5)
        .Number(phaseCentres, VdXml::tagAntennaL1NorthPhOffset, antenna.AntL1NPhO, 5)
        .Number(phaseCentres, VdXml::tagAntennaL2PhOffset, antenna.AntL2PhO, 5)
        .Number(phaseCentres, VdXml::tagAntennaL2EastPhOffset, antenna.AntL2EPhO, 5)
        .Number(phaseCentres, VdXml::tagAntennaL2NorthPhOffset, antenna.AntL2NPhO, 5)
        .Status();
}

long CVdXmlNode::InsertDOPs(const VDXML_DOPS& dops, CVdXmlNode& out) const {
    using D = VDXML_DOPS;
    // The reserved figure opens the block but has no element of its own.
    if (!(dops.Flags & D::maskAny)) return E_FAIL;
    const long hr = out.Create(*this, VdXml::tagDOPs, nullptr);
    if (FAILED(hr)) return hr;
    return EntrySequence(out, hr)
        .Number(dops.Flags & D::flagHDOP, VdXml::tagHDOP, dops.HDOP, 5)
        .Number(dops.Flags & D::flagVDOP, VdXml::tagVDOP, dops.VDOP, 5)
        .Number(dops.Flags & D::flagPDOP, VdXml::tagPDOP, dops.PDOP, 5)
        .Number(dops.Flags & D::flagGDOP, VdXml::tagGDOP, dops.GDOP, 5)
        .Status();
}
