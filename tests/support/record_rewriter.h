// Writes what a reader hands over back through the element writers: an independent check of the
// readers, since whatever a reader restores (or misses) shows in the rewritten file, which a
// golden file then pins down.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "vdxml/document.h"
#include "vdxml/parser.h"

namespace vdxml_test {

/// Every open notification creates its element from the record in the table, below the element
/// of the enclosing notification (or below "Application" at the top), in a DOM document started
/// from the root record. A record its writer refuses is noted by its element name and nothing is
/// written for it or below it.
class RecordRewriter : public IVdXmlNotifications {
  public:
    explicit RecordRewriter(std::string path) : m_path(std::move(path)) {}
    virtual ~RecordRewriter() = default;

    /// Saves the rewritten document. @return the document's status (E_FAIL when never begun)
    long Save() { return m_doc.Save(); }
    /// The element names of the records that their writers refused, in order.
    const std::vector<std::string>& Refused() const { return m_refused; }

    int OnVdXmlBegin(VdXml::_CURRENCYTABLE* table) override;
    int OnVdXmlClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnProject(VdXml::_CURRENCYTABLE* t) override;
    int OnProjectClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnPoint(VdXml::_CURRENCYTABLE* t) override;
    int OnPointClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnCoord(VdXml::_CURRENCYTABLE* t) override;
    int OnCoordClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnDCoord(VdXml::_CURRENCYTABLE* t) override;
    int OnDCoordClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnTpsSetup(VdXml::_CURRENCYTABLE* t) override;
    int OnTpsSetupClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnTpsSetupDetails(VdXml::_CURRENCYTABLE* t) override;
    int OnTpsSetupDetailsClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnTpsObsSet(VdXml::_CURRENCYTABLE* t) override;
    int OnTpsObsSetClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnCoordinateSystem(VdXml::_CURRENCYTABLE* t) override;
    int OnCoordinateSystemClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnTrfResidual(VdXml::_CURRENCYTABLE* t) override;
    int OnTrfResidualClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnGpsBaseline(VdXml::_CURRENCYTABLE* t) override;
    int OnGpsBaselineClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnGpsReference(VdXml::_CURRENCYTABLE* t) override;
    int OnGpsReferenceClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnGpsRover(VdXml::_CURRENCYTABLE* t) override;
    int OnGpsRoverClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnCode(VdXml::_CURRENCYTABLE* t) override;
    int OnCodeClose(VdXml::_CURRENCYTABLE*) override { return Close(); }
    int OnAttribute(VdXml::_CURRENCYTABLE* t) override;
    int OnAttributeClose(VdXml::_CURRENCYTABLE*) override { return Close(); }

  private:
    /// Writes record through a new Node below the innermost written element.
    template <class Node, class Record>
    int Open(const char* name, const Record* record);
    int Close();

    std::string m_path;
    CVdXmlDocument m_doc;
    std::vector<std::unique_ptr<CVdXmlNode>> m_nodes;  ///< one per open element; null if refused
    std::vector<std::string> m_refused;
};

}  // namespace vdxml_test
