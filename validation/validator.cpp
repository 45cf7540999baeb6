// CVdXmlValidator: one read of a file through the engine's validated stream, the schema's
// faults put into words (FaultText) and the rules beyond the schema (SurveyChecks).
#include "vdxml/validator.h"

#include <algorithm>
#include <new>

#include "engine/schema_stream.h"
#include "validation/fault_text.h"
#include "validation/schema_text.h"
#include "validation/survey_checks.h"
#include "vdxml/platform/com_error.h"

namespace vdxml_validation {
namespace {

using F = VDXML_FINDING;

// The reader of one validated read: keeps the frames of the open elements and lets the faults
// and the checks report through one sink.
class FileCheck : public vdxml_engine::SchemaEvents {
  public:
    FileCheck(const vdxml_engine::CompiledSchema& schema, IVdXmlFindings& findings)
        : m_findings(findings),
          m_sink([this](F::enmKind kind, long line, long column, std::string message) {
              Report(kind, line, column, message + PointContext());
          }),
          m_text(schema),
          m_checks(schema, m_sink) {}

    void StartElement(std::string_view localName, std::string_view prefix,
                      std::string_view namespaceUri,
                      const std::vector<vdxml_engine::AttributeText>&, bool isDateTime, long line,
                      long column) override {
        if (m_depth > 0) m_frames[m_depth - 1].hasChildren = true;
        if (m_depth == m_frames.size()) m_frames.emplace_back();
        ElementFrame& frame = m_frames[m_depth++];  // cleared, keeping its allocations
        frame.local = localName;
        if (prefix.empty())
            frame.qname = frame.local;
        else
            frame.qname.assign(prefix).append(1, ':').append(localName);
        frame.role = m_checks.RoleOf(frame.local);
        frame.line = line;
        frame.column = column;
        frame.name.clear();
        frame.text.clear();
        frame.hasChildren = false;
        frame.valueFaults.clear();
        ++m_elements;
        m_checks.Opened(Stack(), prefix, namespaceUri, isDateTime);
    }

    // The checks look at values, names and codes, none of which runs to pages: an element's
    // first 64 KiB of text are kept, so that a text of megabytes costs no copy of its own
    // (the schema sees it whole).
    void Text(std::string_view utf8) override {
        constexpr std::size_t kKeptText = 64 * 1024;
        if (m_depth == 0 || m_frames[m_depth - 1].hasChildren) return;
        std::string& text = m_frames[m_depth - 1].text;
        if (text.size() < kKeptText) text.append(utf8.substr(0, kKeptText - text.size()));
    }

    void EndElement() override {
        if (m_depth == 0) return;
        const FrameStack stack = Stack();
        m_text.Value(stack.back(), stack.parent(), m_sink);
        m_checks.Closing(stack);
        if (stack.back().role == Role::Name && m_depth > 1)
            m_frames[m_depth - 2].name = Trimmed(stack.back().text);
        --m_depth;
    }

    void SchemaFault(vdxml_engine::SchemaFaultKind kind, std::string_view message) override {
        if (FaultText::IsValueFault(kind, message) && m_depth > 0)
            m_frames[m_depth - 1].valueFaults.emplace_back(message);
        else
            m_text.Structure(kind, message, Stack(), m_sink);
    }

    // How the read ended, as findings; returns Validate's status.
    long Finish(vdxml_engine::StreamEnd end, const XmlParseError& error) {
        if (end == vdxml_engine::StreamEnd::Failed) {
            // libxml2's faults of well-formedness come as 0xC00C0000 | code, with a line.
            const bool syntax =
                (static_cast<unsigned long>(error.errorCode) & 0xFFFF0000ul) == 0xC00C0000ul;
            if (!syntax) {
                Report(F::KIND_FILE, 0, 0, error.reason.utf8());
                return error.errorCode;
            }
            Report(F::KIND_SYNTAX, error.line, error.linepos, SyntaxMessage(error.reason.utf8()));
        }
        return m_count == 0 ? S_OK : VDXML_E_INVALID;
    }

    long long Elements() const { return m_elements; }

  private:
    void Report(F::enmKind kind, long line, long column, const std::string& message) {
        VDXML_FINDING finding;
        finding.kind = kind;
        finding.line = line;
        finding.column = column;
        finding.message = _bstr_t(message);
        ++m_count;
        m_findings.OnFinding(finding);
    }

    FrameStack Stack() const { return FrameStack(m_frames.data(), m_depth); }

    // A fault of well-formedness; a file that ends inside an element says which.
    std::string SyntaxMessage(const std::string& reason) const {
        if (reason.rfind("Premature end of data", 0) == 0 && m_depth > 0) {
            const ElementFrame& open = m_frames[m_depth - 1];
            return "the file ends before element \"" + open.qname + "\" (line " +
                   std::to_string(open.line) + ") is closed";
        }
        std::string text = reason;
        if (!text.empty() && text.front() >= 'A' && text.front() <= 'Z') text.front() += 'a' - 'A';
        return "not well-formed XML: " + text;
    }

    // The point a finding is in, named: a file written on one line has no other landmark.
    std::string PointContext() const {
        for (std::size_t i = m_depth; i-- > 0;)
            if (m_frames[i].role == Role::Point && !m_frames[i].name.empty())
                return " (point " + Quoted(m_frames[i].name) + ")";
        return "";
    }

    IVdXmlFindings& m_findings;
    FindingSink m_sink;
    FaultText m_text;
    SurveyChecks m_checks;
    std::vector<ElementFrame> m_frames;  // reused by depth: m_depth of them are open
    std::size_t m_depth = 0;
    long long m_elements = 0;
    long long m_count = 0;
};

// Collects findings into a vector.
class Collector : public IVdXmlFindings {
  public:
    explicit Collector(std::vector<VDXML_FINDING>& out) : m_out(out) {}
    void OnFinding(const VDXML_FINDING& finding) override { m_out.push_back(finding); }

  private:
    std::vector<VDXML_FINDING>& m_out;
};

}  // namespace
}  // namespace vdxml_validation

struct CVdXmlValidator::Impl {
    vdxml_engine::CompiledSchema schema;
    std::string compileFailure;  // why the schema did not compile, once tried
    bool tried = false;
    long long elements = 0;
};

CVdXmlValidator::CVdXmlValidator() : m_impl(new Impl) {}

CVdXmlValidator::~CVdXmlValidator() { delete m_impl; }

const std::string& CVdXmlValidator::GetSchemaText() {
    static const std::string text(vdxml_validation::SchemaText());
    return text;
}

long CVdXmlValidator::Validate(const char* path, IVdXmlFindings& findings) {
    using vdxml_validation::FileCheck;
    m_impl->elements = 0;
    try {
        if (!m_impl->tried) {
            m_impl->tried = true;
            m_impl->schema.Compile(vdxml_validation::SchemaText(), m_impl->compileFailure);
        }
        if (!m_impl->schema.IsCompiled()) {
            VDXML_FINDING finding;
            finding.kind = VDXML_FINDING::KIND_FILE;
            finding.message =
                _bstr_t("the format's schema does not compile: " + m_impl->compileFailure);
            findings.OnFinding(finding);
            return E_FAIL;
        }
        FileCheck check(m_impl->schema, findings);
        XmlParseError error;
        const vdxml_engine::StreamEnd end =
            vdxml_engine::ValidateFileStream(path ? path : "", m_impl->schema, check, error);
        m_impl->elements = check.Elements();
        return check.Finish(end, error);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const _com_error& e) {  // out of memory in a string, or from the caller's handler
        return e.Error();
    } catch (const std::exception&) {  // from the caller's handler
        return E_FAIL;
    }
}

long CVdXmlValidator::Validate(const char* path, std::vector<VDXML_FINDING>& findings) {
    findings.clear();
    vdxml_validation::Collector collector(findings);
    const long hr = Validate(path, collector);
    // Findings about a project's codes are made when the project ends: into file order.
    std::stable_sort(
        findings.begin(), findings.end(),
        [](const VDXML_FINDING& a, const VDXML_FINDING& b) { return a.line < b.line; });
    return hr;
}

long long CVdXmlValidator::GetElementCount() const { return m_impl->elements; }
