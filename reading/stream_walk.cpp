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
    // fileCreated gets the root's "FileCreated" as soon as it has been read, before the
    // root's open notification.
    StreamWalk(IVdXmlNotifications* callback, VdXml::_CURRENCYTABLE& table, bool complete,
               double& fileCreated)
        : m_callback(callback), m_table(table), m_complete(complete), m_fileCreated(fileCreated) {}
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
    long OutOfOrderLine() const { return m_outOfOrderLine; }

    bool StartElement(std::string_view qname, bool isDateTime, long line,
                      const vdxml_engine::XmlAttributes& attributes) override;
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
        VDXML_BASE* outer;   // what the kind's slot held before the record was announced
        VDXML_BASE* record;  // once announced
    };
    // An entry whose text is being gathered (an element's text includes that of its
    // descendants): for the pending record, or by a complete plan for an announced one.
    struct Entry {
        const PlanRow* row;
        std::size_t depth;
        bool isDateTime;
        bool complete;       // a row of a complete plan
        VDXML_BASE* target;  // an announced record, or null for the pending one
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
    // Rows of the complete plans, by the path of names below each open reported element: an
    // entry of an announced record lands in it when it ends (a late value is in the record
    // at its close notification).
    void MatchCompleteRows(bool isDateTime);
    void AssignEntries();
    bool AssignEntry(const Entry& entry, VDXML_BASE* record, vdxml_elements::ReadScratch* scratch);
    std::size_t OpenPendingEntries() const {
        std::size_t n = 0;
        for (const Entry& e : m_open) n += e.target == nullptr;
        return n;
    }
    // One value into one field; a conversion the engine refuses (a date beyond its calendar)
    // fails the value, as it fails the element reader of a loaded document.
    long Assign(std::string_view text, bool isDateTime, VDXML_PARSE_NODEDATA::enmFormat format,
                void* data) {
        try {
            return vdxml_core::AssignUtf8(text, isDateTime, format, data, m_dotDecimal);
        } catch (const _com_error& e) {
            return e.Error();
        }
    }
    void Announce(Reported& reported);
    bool InsideSkipped() const {
        return !m_reported.empty() && m_reported.back().state == Reported::Skipped;
    }

    IVdXmlNotifications* m_callback;
    VdXml::_CURRENCYTABLE& m_table;
    bool m_complete;
    std::vector<std::string> m_names;  // of the open elements, while reading completely
    std::string m_path;
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
    double& m_fileCreated;
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
        m_open.push_back({&row->second, m_depth, isDateTime, false, nullptr, std::string()});
    }
    return true;
}

void StreamWalk::MatchCompleteRows(bool isDateTime) {
    for (const Reported& r : m_reported) {
        const vdxml_reading::ReadPlan& plan = r.kind->complete();
        const std::size_t below = m_depth - r.depth;
        if (plan.rows.empty() || r.state == Reported::Skipped ||
            below > static_cast<std::size_t>(plan.maxLevel))
            continue;
        m_path.clear();
        for (std::size_t i = r.depth; i < m_depth; ++i) {
            if (!m_path.empty()) m_path += '/';
            m_path += m_names[i];
        }
        const auto row = plan.rows.find(m_path);
        if (row == plan.rows.end()) continue;
        VDXML_BASE* target = r.state == Reported::Announced ? r.record : nullptr;
        m_open.push_back({&row->second, m_depth, isDateTime, true, target, std::string()});
    }
}

bool StreamWalk::StartElement(std::string_view qname, bool isDateTime, long line,
                              const vdxml_engine::XmlAttributes&) {
    ++m_depth;
    const auto& kinds = KindsByName();
    const auto found = kinds.find(std::string(qname));
    const ElementKind* kind = found == kinds.end() ? nullptr : found->second;
    if (!MatchRows(qname, isDateTime, kind != nullptr, line)) return false;
    if (m_complete) {
        if (m_names.size() < m_depth) m_names.resize(m_depth);
        m_names[m_depth - 1].assign(qname);
        MatchCompleteRows(isDateTime);
    }
    if (m_depth == 2 && !m_reported.empty() && m_reported.front().depth == 1 &&
        m_reported.front().kind->type == VDXML_TYPE_ROOT && qname == FileCreatedTag()) {
        m_inFileCreated = true;
        m_fileCreatedIsDate = isDateTime;
        m_fileCreatedText.clear();
    }
    if (!kind || InsideSkipped()) return true;
    if (!m_reported.empty() && m_reported.back().state == Reported::Pending) {
        // Text still being gathered for the pending record by its reader's rows would arrive
        // after its notification; by a complete plan it is added to the announced record.
        for (const Entry& e : m_open)
            if (!e.target && !e.complete) return StopOutOfOrder(line);
        Reported& pending = m_reported.back();
        Announce(pending);
        for (auto e = m_open.begin(); e != m_open.end();) {
            if (e->target) {
                ++e;
            } else if (pending.state == Reported::Announced) {
                (e++)->target = pending.record;
            } else {
                e = m_open.erase(e);
            }
        }
        if (InsideSkipped()) return true;
    }
    m_pending = kind->create();
    m_reported.push_back({kind, m_depth, Reported::Pending, nullptr, nullptr});
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
        m_dotDecimal = vdxml_core::DecimalPointIsDot();
        Assign(m_fileCreatedText, m_fileCreatedIsDate, VDXML_PARSE_NODEDATA::fmtDateTime,
               &m_fileCreated);
    }
    while (!m_open.empty() && m_open.back().depth == m_depth) {
        Entry entry = std::move(m_open.back());
        m_open.pop_back();
        if (entry.target)
            AssignEntry(entry, entry.target, nullptr);
        else
            m_done.push_back(std::move(entry));
    }
    if (!m_done.empty() && OpenPendingEntries() == 0) AssignEntries();
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

// One gathered text into its field (and the field's flags); a block that only is present
// sets its flags. False when the value cannot be converted.
bool StreamWalk::AssignEntry(const Entry& entry, VDXML_BASE* record,
                             vdxml_elements::ReadScratch* scratch) {
    const PlanRow& row = *entry.row;
    char* base = row.inScratch ? reinterpret_cast<char*>(scratch) : reinterpret_cast<char*>(record);
    if (row.hasData) {
        void* data = base + row.offset;
        if (FAILED(Assign(entry.text, entry.isDateTime, row.format, data))) return false;
        if (row.reciprocal) {
            double& value = *static_cast<double*>(data);
            value = value != 0.0 ? 1.0 / value : 0.0;
        }
    }
    if (row.flagsAt >= 0) {
        char* flags = reinterpret_cast<char*>(record) + row.flagsAt;
        if (row.wideFlags)
            *reinterpret_cast<std::uint16_t*>(flags) |= row.flagMask;
        else
            *reinterpret_cast<std::uint8_t*>(flags) |= static_cast<std::uint8_t>(row.flagMask);
    }
    return true;
}

// The entries land in the order their elements started, as the DOM walk assigns them; the
// first value that cannot be converted makes the reader refuse its record.
void StreamWalk::AssignEntries() {
    for (const Entry& entry : m_done) {
        if (m_pendingFailed) break;
        if (!AssignEntry(entry, m_pending, &m_scratch)) m_pendingFailed = true;
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
    reported.record = record;
    reported.kind->set(m_table, record);
    reported.state = Reported::Announced;
    (m_callback->*reported.kind->open)(&m_table);
}

}  // namespace

long CVdXmlParser::ParseStream(const char* fileName) {
    return ParseStream(fileName, VDXML_READ_AS_PARSE);
}

long CVdXmlParser::ParseStream(const char* fileName, unsigned long options) {
    m_parseError = VDXML_PARSE_ERROR();
    m_fileCreated = VDXML_UNDEFINED;
    if (!m_pCallback || !fileName || !*fileName) {
        m_parseError.status = E_FAIL;
        m_parseError.reason = L"no callback or no file name";
        return E_FAIL;
    }
    StreamWalk walk(m_pCallback, m_table, (options & VDXML_READ_COMPLETE) != 0, m_fileCreated);
    XmlParseError error;
    const vdxml_engine::StreamEnd end = vdxml_engine::StreamFile(fileName, walk, error);
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
