// CVdXmlRecordCallback: a notification object for callers that treat every element kind
// alike. It answers the thirty notifications of IVdXmlNotifications by two functions that
// receive the record of the element that opens or closes, with its kind in the record's type
// code, so that a caller writes two functions instead of thirty.
#pragma once

#include "vdxml/export.h"
#include "vdxml/geometry_records.h"
#include "vdxml/gps_records.h"
#include "vdxml/parser.h"
#include "vdxml/thematic_records.h"
#include "vdxml/tps_records.h"
#include "vdxml/trf_records.h"

class VDXML_API CVdXmlRecordCallback : public IVdXmlNotifications {
  public:
    /// An element of a reported kind opened; record is its record, in its slot of table (see
    /// IVdXmlNotifications for who owns it). The result is passed on to the sender.
    virtual int OnRecordOpen(VdXml::_CURRENCYTABLE& table, VDXML_BASE& record) = 0;
    /// The element whose open was announced last among those still open closes.
    virtual int OnRecordClose(VdXml::_CURRENCYTABLE& table, VDXML_BASE& record) = 0;

    int OnVdXmlBegin(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pRoot); }
    int OnVdXmlClose(VdXml::_CURRENCYTABLE* t) final { return Close(t, t->pRoot); }
    int OnProject(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pProject); }
    int OnProjectClose(VdXml::_CURRENCYTABLE* t) final { return Close(t, t->pProject); }
    int OnPoint(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pPoint); }
    int OnPointClose(VdXml::_CURRENCYTABLE* t) final { return Close(t, t->pPoint); }
    int OnCoord(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pCoord); }
    int OnCoordClose(VdXml::_CURRENCYTABLE* t) final { return Close(t, t->pCoord); }
    int OnDCoord(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pDCoord); }
    int OnDCoordClose(VdXml::_CURRENCYTABLE* t) final { return Close(t, t->pDCoord); }
    int OnTpsSetup(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pTpsSetup); }
    int OnTpsSetupClose(VdXml::_CURRENCYTABLE* t) final { return Close(t, t->pTpsSetup); }
    int OnTpsSetupDetails(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pTpsSetupDetails); }
    int OnTpsSetupDetailsClose(VdXml::_CURRENCYTABLE* t) final {
        return Close(t, t->pTpsSetupDetails);
    }
    int OnTpsObsSet(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pTpsObsSet); }
    int OnTpsObsSetClose(VdXml::_CURRENCYTABLE* t) final { return Close(t, t->pTpsObsSet); }
    int OnCoordinateSystem(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pCoordinateSystem); }
    int OnCoordinateSystemClose(VdXml::_CURRENCYTABLE* t) final {
        return Close(t, t->pCoordinateSystem);
    }
    int OnTrfResidual(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pTrfResidual); }
    int OnTrfResidualClose(VdXml::_CURRENCYTABLE* t) final { return Close(t, t->pTrfResidual); }
    int OnGpsBaseline(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pGpsBaseline); }
    int OnGpsBaselineClose(VdXml::_CURRENCYTABLE* t) final { return Close(t, t->pGpsBaseline); }
    int OnGpsReference(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pGpsReference); }
    int OnGpsReferenceClose(VdXml::_CURRENCYTABLE* t) final { return Close(t, t->pGpsReference); }
    int OnGpsRover(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pGpsRover); }
    int OnGpsRoverClose(VdXml::_CURRENCYTABLE* t) final { return Close(t, t->pGpsRover); }
    int OnCode(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pThematicalCode); }
    int OnCodeClose(VdXml::_CURRENCYTABLE* t) final { return Close(t, t->pThematicalCode); }
    int OnAttribute(VdXml::_CURRENCYTABLE* t) final { return Open(t, t->pThematicalAttribute); }
    int OnAttributeClose(VdXml::_CURRENCYTABLE* t) final {
        return Close(t, t->pThematicalAttribute);
    }

  protected:
    ~CVdXmlRecordCallback() = default;

  private:
    // A notification without its table or record (no sender of the library makes one) is
    // passed over.
    template <class Record>
    int Open(VdXml::_CURRENCYTABLE* table, Record* record) {
        return table && record ? OnRecordOpen(*table, *record) : 0;
    }
    template <class Record>
    int Close(VdXml::_CURRENCYTABLE* table, Record* record) {
        return table && record ? OnRecordClose(*table, *record) : 0;
    }
};
