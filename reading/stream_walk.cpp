// CVdXmlParser::ParseStream: the walk of Parse over a file read front to back. Each reported
// element's record is filled from its entries as they pass, by the plan of its kind's reader,
// and announced at its first nested reported element or at its end, whichever comes first.
// An entry that would still change a record after that point stops the walk: the record it
// belongs to has already been announced, and Parse would have shown a different one.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/value_text.h"
#include "engine/xml_stream.h"
#include "reading/element_kinds.h"
#include "vdxml/parser.h"
#include "vdxml/vocabulary.h"

namespace {

using vdxml_reading::ElementKind;
using vdxml_reading::ElementKinds;
using vdxml_reading::PlanRow;

// The kinds by element name as UTF-8, made on first use.
const std::unordered_map<std::string, const ElementKind*>& KindsByName() {
    static const auto byName = [] {
        std::unordered_map<std::string, const ElementKind*> map;
        for (const ElementKind& kind : ElementKinds()) map.emplace(kind.tag->utf8(), &kind);
        return map;
    }();
    return byName;
}

const std::string& FileCreatedTag() {
    static const std::string tag = VdXml::tagFileCreated.utf8();
    return tag;
}

class StreamWalk final : public vdxml_engine::XmlEventHandler {
  public:
    StreamWalk(IVdXmlNotifications* callback, VdXml::_CURRENCYTABLE& table)
        : m_callback(callback), m_table(table) {}
    StreamWalk(const StreamWalk&) = delete;
    StreamWalk& operator=(const StreamWalk&) = delete;
    // Whatever stopped the walk, no record outlives it and the table is empty again.
    ~StreamWalk() {
        delete m_pending;
        while (!m_reported.empty()) {
            Reported& r = m_reported.back();
            if (r.state == Reported::Announced) {
                delete r.kind->get(m_table);
                r.kind->set(m_table, r.outer);
            }
            m_reported.pop_back();
        }
    }

    bool OutOfOrder() const { return m_outOfOrder; }
    double FileCreated() const { return m_fileCreated; }
    long OutOfOrderLine() const { return m_outOfOrderLine; }

    bool StartElement(std::string_view qname, bool isDateTime, long line) override;
    bool Text(std::string_view utf8) override;
    bool EndElement() override;

  private:
    // A reported element that is open: its record is pending until announced; a record whose
    // reader refused it leaves its element skipped, with everything inside.
    struct Reported {
        enum State { Pending, Announced, Skipped };
        const ElementKind* kind;
        std::size_t depth;
        State state;
        VDXML_BASE* outer;  // what the kind's slot held before the record was announced
    };
    // An entry of the pending record whose text is being gathered (an element's text includes
    // that of its descendants).
    struct Entry {
        const PlanRow* row;
        std::size_t depth;
        bool isDateTime;
        std::string text;
    };

    bool StopOutOfOrder(long line) {
        m_outOfOrder = true;
        m_outOfOrderLine = line;
        return false;
    }
    // Whether any open reported element has a row for this element. Rows of the pending record
    // start an entry; a row of an announced or skipped record means the file is out of order.
    bool MatchRows(std::string_view qname, bool isDateTime, bool isKind, long line);
    void AssignEntries();
    void Announce(Reported& reported);
    bool InsideSkipped() const {
        return !m_reported.empty() && m_reported.back().state == Reported::Skipped;
    }

    IVdXmlNotifications* m_callback;
    VdXml::_CURRENCYTABLE& m_table;
    std::size_t m_depth = 0;
    std::vector<Reported> m_reported;
    VDXML_BASE* m_pending = nullptr;  // the record of the innermost pending element
    vdxml_elements::ReadScratch m_scratch;
    bool m_pendingFailed = false;
    bool m_dotDecimal = true;
    std::vector<Entry> m_open;  // entries being gathered, outermost first
    std::vector<Entry> m_done;  // gathered entries, in the order they started
    std::string m_key;
    // The root element's creation time, which no reader reads: gathered on the side.
    bool m_inFileCreated = false;
    bool m_fileCreatedIsDate = false;
    std::string m_fileCreatedText;
    double m_fileCreated = VDXML_UNDEFINED;
    bool m_outOfOrder = false;
    long m_outOfOrderLine = 0;
};

bool StreamWalk::MatchRows(std::string_view qname, bool isDateTime, bool isKind, long line) {
    for (const Reported& r : m_reported) {
        const vdxml_reading::ReadPlan& plan = r.kind->plan();
        const std::size_t level = m_depth - r.depth;
        if (level > static_cast<std::size_t>(plan.maxLevel)) continue;
        m_key.assign(qname).append(std::to_string(level));
        const auto row = plan.rows.find(m_key);
        if (row == plan.rows.end()) continue;
        // A nested reported element announces the pending record as it opens, so even its
        // own text cannot reach that record in time.
        if (r.state != Reported::Pending || isKind) return StopOutOfOrder(line);
        m_open.push_back({&row->second, m_depth, isDateTime, std::string()});
    }
    return true;
}

bool StreamWalk::StartElement(std::string_view qname, bool isDateTime, long line) {
    ++m_depth;
    const auto& kinds = KindsByName();
    const auto found = kinds.find(std::string(qname));
    const ElementKind* kind = found == kinds.end() ? nullptr : found->second;
    if (!MatchRows(qname, isDateTime, kind != nullptr, line)) return false;
    if (m_depth == 2 && !m_reported.empty() && m_reported.front().depth == 1 &&
        m_reported.front().kind->type == VDXML_TYPE_ROOT && qname == FileCreatedTag()) {
        m_inFileCreated = true;
        m_fileCreatedIsDate = isDateTime;
        m_fileCreatedText.clear();
    }
    if (!kind || InsideSkipped()) return true;
    if (!m_reported.empty() && m_reported.back().state == Reported::Pending) {
        // Text still being gathered for the pending record would arrive after its notification.
        if (!m_open.empty()) return StopOutOfOrder(line);
        Announce(m_reported.back());
        if (InsideSkipped()) return true;
    }
    m_pending = kind->create();
    m_reported.push_back({kind, m_depth, Reported::Pending, nullptr});
    m_pendingFailed = !m_pending;
    m_scratch = vdxml_elements::ReadScratch();
    m_dotDecimal = vdxml_core::DecimalPointIsDot();
    return true;
}

bool StreamWalk::Text(std::string_view utf8) {
    for (Entry& entry : m_open) entry.text.append(utf8);
    if (m_inFileCreated) m_fileCreatedText.append(utf8);
    return true;
}

bool StreamWalk::EndElement() {
    if (m_inFileCreated && m_depth == 2) {
        m_inFileCreated = false;
        vdxml_core::AssignUtf8(m_fileCreatedText, m_fileCreatedIsDate,
                               VDXML_PARSE_NODEDATA::fmtDateTime, &m_fileCreated,
                               vdxml_core::DecimalPointIsDot());
    }
    if (!m_open.empty() && m_open.back().depth == m_depth) {
        m_done.push_back(std::move(m_open.back()));
        m_open.pop_back();
        if (m_open.empty()) AssignEntries();
    }
    if (!m_reported.empty() && m_reported.back().depth == m_depth) {
        Reported& r = m_reported.back();
        if (r.state == Reported::Pending) Announce(r);
        if (r.state == Reported::Announced) {
            (m_callback->*r.kind->close)(&m_table);
            delete r.kind->get(m_table);
            r.kind->set(m_table, r.outer);
        }
        m_reported.pop_back();
    }
    --m_depth;
    return true;
}

// The entries land in the order their elements started, as the DOM walk assigns them; the
// first value that cannot be converted makes the reader refuse its record.
void StreamWalk::AssignEntries() {
    for (const Entry& entry : m_done) {
        if (m_pendingFailed) break;
        const PlanRow& row = *entry.row;
        char* base = row.inScratch ? reinterpret_cast<char*>(&m_scratch)
                                   : reinterpret_cast<char*>(m_pending);
        if (FAILED(vdxml_core::AssignUtf8(entry.text, entry.isDateTime, row.format,
                                          base + row.offset, m_dotDecimal))) {
            m_pendingFailed = true;
            break;
        }
        if (row.flagsAt >= 0)
            *reinterpret_cast<std::uint8_t*>(reinterpret_cast<char*>(m_pending) + row.flagsAt) |=
                row.flagMask;
    }
    m_done.clear();
}

void StreamWalk::Announce(Reported& reported) {
    VDXML_BASE* record = m_pending;
    m_pending = nullptr;
    if (m_pendingFailed || FAILED(reported.kind->finish(*record, m_scratch))) {
        delete record;
        reported.state = Reported::Skipped;
        return;
    }
    reported.outer = reported.kind->get(m_table);
    reported.kind->set(m_table, record);
    reported.state = Reported::Announced;
    (m_callback->*reported.kind->open)(&m_table);
}

}  // namespace

long CVdXmlParser::ParseStream(const char* fileName) {
    m_parseError = VDXML_PARSE_ERROR();
    m_fileCreated = VDXML_UNDEFINED;
    if (!m_pCallback || !fileName || !*fileName) {
        m_parseError.status = E_FAIL;
        m_parseError.reason = L"no callback or no file name";
        return E_FAIL;
    }
    StreamWalk walk(m_pCallback, m_table);
    XmlParseError error;
    const vdxml_engine::StreamEnd end = vdxml_engine::StreamFile(fileName, walk, error);
    m_fileCreated = walk.FileCreated();
    if (end == vdxml_engine::StreamEnd::Complete) return S_OK;
    if (end == vdxml_engine::StreamEnd::Stopped && walk.OutOfOrder()) {
        m_parseError.status = VDXML_E_OUT_OF_ORDER;
        m_parseError.line = walk.OutOfOrderLine();
        m_parseError.reason =
            L"an entry of an element comes after one of its nested elements; Parse reads it";
    } else {
        m_parseError.status = FAILED(error.errorCode) ? error.errorCode : E_FAIL;
        m_parseError.line = error.line;
        m_parseError.column = error.linepos;
        m_parseError.reason = error.reason;
    }
    return m_parseError.status;
}
