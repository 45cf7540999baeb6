// A notification object for the harnesses that checks what the parser promises its callbacks:
// an open notification finds its record in its slot, a close notification matches an element
// of its kind that is open, and every record can be copied. Broken promises abort.
#pragma once

#include <cstdint>
#include <vector>

#include "vdxml/parser.h"

namespace vdxml_fuzz {

class NotificationCheck : public IVdXmlNotifications {
  public:
    /// Open notifications received so far.
    int Opened() const { return m_opened; }
    /// Open notifications whose close has not come.
    std::size_t StillOpen() const { return m_open.size(); }

#define VDXML_FUZZ_PAIR(Open, Close, type)                                          \
    int Open(VdXml::_CURRENCYTABLE* table) override { return OnOpen(table, type); } \
    int Close(VdXml::_CURRENCYTABLE* table) override { return OnClose(table, type); }
    VDXML_FUZZ_PAIR(OnVdXmlBegin, OnVdXmlClose, VDXML_TYPE_ROOT)
    VDXML_FUZZ_PAIR(OnProject, OnProjectClose, VDXML_TYPE_PROJECT)
    VDXML_FUZZ_PAIR(OnPoint, OnPointClose, VDXML_TYPE_POINT)
    VDXML_FUZZ_PAIR(OnCoord, OnCoordClose, VDXML_TYPE_COORD)
    VDXML_FUZZ_PAIR(OnDCoord, OnDCoordClose, VDXML_TYPE_DCOORD)
    VDXML_FUZZ_PAIR(OnTpsSetup, OnTpsSetupClose, VDXML_TYPE_TPS_SETUP)
    VDXML_FUZZ_PAIR(OnTpsSetupDetails, OnTpsSetupDetailsClose, VDXML_TYPE_TPS_SETUP_DETAILS)
    VDXML_FUZZ_PAIR(OnTpsObsSet, OnTpsObsSetClose, VDXML_TYPE_TPS_OBSSET)
    VDXML_FUZZ_PAIR(OnCoordinateSystem, OnCoordinateSystemClose, VDXML_TYPE_COORDINATESYSTEM)
    VDXML_FUZZ_PAIR(OnTrfResidual, OnTrfResidualClose, VDXML_TYPE_TRFRESIDUAL)
    VDXML_FUZZ_PAIR(OnGpsBaseline, OnGpsBaselineClose, VDXML_TYPE_GPSBASELINE)
    VDXML_FUZZ_PAIR(OnGpsReference, OnGpsReferenceClose, VDXML_TYPE_GPS_REFERENCE)
    VDXML_FUZZ_PAIR(OnGpsRover, OnGpsRoverClose, VDXML_TYPE_GPS_ROVER)
    VDXML_FUZZ_PAIR(OnCode, OnCodeClose, VDXML_TYPE_THEMATICAL_CODE)
    VDXML_FUZZ_PAIR(OnAttribute, OnAttributeClose, VDXML_TYPE_THEMATICAL_ATTRIBUTE)
#undef VDXML_FUZZ_PAIR

  private:
    int OnOpen(VdXml::_CURRENCYTABLE* table, std::int32_t type);
    int OnClose(VdXml::_CURRENCYTABLE* table, std::int32_t type);

    std::vector<std::int32_t> m_open;
    int m_opened = 0;
};

}  // namespace vdxml_fuzz
