#include "library_reading.h"

#include <stdexcept>

#include "vdxml/vdxml.h"

namespace vdxml_bench {
namespace {

// Counts the open notifications and otherwise does nothing.
class CountingNotifications final : public IVdXmlNotifications {
  public:
    long long Opened() const { return m_opened; }

    int OnVdXmlBegin(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnVdXmlClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnProject(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnProjectClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnPoint(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnPointClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnCoord(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnCoordClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnDCoord(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnDCoordClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnTpsSetup(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnTpsSetupClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnTpsSetupDetails(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnTpsSetupDetailsClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnTpsObsSet(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnTpsObsSetClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnCoordinateSystem(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnCoordinateSystemClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnTrfResidual(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnTrfResidualClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnGpsBaseline(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnGpsBaselineClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnGpsReference(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnGpsReferenceClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnGpsRover(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnGpsRoverClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnCode(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnCodeClose(VdXml::_CURRENCYTABLE*) override { return 0; }
    int OnAttribute(VdXml::_CURRENCYTABLE*) override { return Open(); }
    int OnAttributeClose(VdXml::_CURRENCYTABLE*) override { return 0; }

  private:
    int Open() {
        ++m_opened;
        return 0;
    }

    long long m_opened = 0;
};

void Load(CVdXmlTree& tree, const std::string& path) {
    if (FAILED(tree.Load(path.c_str())))
        throw std::runtime_error("library: cannot load the record tree of " + path);
}

}  // namespace

void LoadRecordTree(const std::string& path) {
    CVdXmlTree tree;
    Load(tree, path);
}

long long CountTreeRecords(const std::string& path) {
    CVdXmlTree tree;
    Load(tree, path);
    CountingNotifications callback;
    tree.Scan(&callback);
    return callback.Opened();
}

long long ParseWithEmptyCallback(const std::string& path) {
    CountingNotifications callback;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&callback);
    if (FAILED(parser.Parse(path.c_str())))
        throw std::runtime_error("library: cannot parse " + path);
    return callback.Opened();
}

}  // namespace vdxml_bench
