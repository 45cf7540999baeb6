#include "record_listing.h"

#include <map>

#include "vdxml/vdxml.h"

namespace vdxml_cli {
namespace {
// Receives the replay: every open notification appends the record of its kind.
class Collector : public CVdXmlRecordCallback {
  public:
    Collector(std::vector<ListedRecord>& out, const std::vector<ListedRecord>* known) : m_out(out) {
        if (known)
            for (const ListedRecord& r : *known) m_known[r.record] = r.index;
    }

    int OnRecordOpen(VdXml::_CURRENCYTABLE&, VDXML_BASE& record) override {
        const auto known = m_known.find(&record);
        const int index = known != m_known.end() ? known->second : static_cast<int>(m_out.size());
        m_out.push_back({index, static_cast<int>(m_open.size()), &record,
                         m_open.empty() ? nullptr : m_open.back()});
        m_open.push_back(&record);
        return 0;
    }
    int OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE&) override {
        if (!m_open.empty()) m_open.pop_back();
        return 0;
    }

  private:
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
