#include "record_listing.h"

#include <map>

#include "vdxml/vdxml.h"

namespace vdxml_cli {
namespace {
// Receives the replay: every open notification appends the record of its kind.
class Collector : public IVdXmlNotifications {
  public:
    Collector(std::vector<ListedRecord>& out, const std::vector<ListedRecord>* known) : m_out(out) {
        if (known)
            for (const ListedRecord& r : *known) m_known[r.record] = r.index;
    }

    int OnVdXmlBegin(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pRoot); }
    int OnVdXmlClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnProject(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pProject); }
    int OnProjectClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnPoint(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pPoint); }
    int OnPointClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnCoord(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pCoord); }
    int OnCoordClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnDCoord(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pDCoord); }
    int OnDCoordClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnTpsSetup(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pTpsSetup); }
    int OnTpsSetupClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnTpsSetupDetails(VdXml::_CURRENCYTABLE* t) override {
        return Open(t, t->pTpsSetupDetails);
    }
    int OnTpsSetupDetailsClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnTpsObsSet(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pTpsObsSet); }
    int OnTpsObsSetClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnCoordinateSystem(VdXml::_CURRENCYTABLE* t) override {
        return Open(t, t->pCoordinateSystem);
    }
    int OnCoordinateSystemClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnTrfResidual(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pTrfResidual); }
    int OnTrfResidualClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnGpsBaseline(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pGpsBaseline); }
    int OnGpsBaselineClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnGpsReference(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pGpsReference); }
    int OnGpsReferenceClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnGpsRover(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pGpsRover); }
    int OnGpsRoverClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnCode(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pThematicalCode); }
    int OnCodeClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnAttribute(VdXml::_CURRENCYTABLE* t) override { return Open(t, t->pThematicalAttribute); }
    int OnAttributeClose(VdXml::_CURRENCYTABLE*) override { return Close(); }

  private:
    int Open(VdXml::_CURRENCYTABLE*, const VDXML_BASE* record) {
        if (record) {
            const auto known = m_known.find(record);
            const int index =
                known != m_known.end() ? known->second : static_cast<int>(m_out.size());
            m_out.push_back({index, static_cast<int>(m_open.size()), record,
                             m_open.empty() ? nullptr : m_open.back()});
        }
        m_open.push_back(record);
        return 0;
    }
    int Close() {
        if (!m_open.empty()) m_open.pop_back();
        return 0;
    }

    std::vector<ListedRecord>& m_out;
    std::map<const VDXML_BASE*, int> m_known;
    std::vector<const VDXML_BASE*> m_open;  // the records of the open elements, outermost first
};
}  // namespace

std::vector<ListedRecord> ListRecords(CVdXmlTree& tree, const std::vector<ListedRecord>* indexOf) {
    std::vector<ListedRecord> out;
    Collector collector(out, indexOf);
    tree.Scan(&collector);
    return out;
}

}  // namespace vdxml_cli
