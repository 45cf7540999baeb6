#include "vdxml/node.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "core/fixed_text.h"
#include "platform/codepage.h"

namespace {
// Largest precision that still changes the text of a double; larger requests are cut to it.
constexpr unsigned int kMaxPrecision = 1100;
static_assert(kMaxPrecision == vdxml_core::kFixedTextMaxDecimals, "every precision must fit");
constexpr double kLargestValue = 1.7976931348623157e+308;

bool SameBackEnd(const _vdxml_ptr<IVdXmlDoc>& a, const _vdxml_ptr<IVdXmlDoc>& b) {
    return a && b && (a == b || a->IsSameDocument(b.get()));
}

// True when every character is printable ASCII, which every code page leaves as it is.
bool IsPlainText(std::wstring_view text) {
    for (wchar_t c : text)
        if (c < 0x20 || c >= 0x7F) return false;
    return true;
}
}  // namespace

CVdXmlNode::CVdXmlNode() = default;

CVdXmlNode::CVdXmlNode(const CVdXmlNodeBase& owner) : CVdXmlNodeBase(owner) {}

CVdXmlNode::~CVdXmlNode() {
    delete m_element;
    delete m_previous;
}

long CVdXmlNode::PrepareForNewElement(bool clearElement) {
    if (!m_element)
        m_element = new VDXML_ELEMENT;
    else if (clearElement)
        m_element->Clear();
    if (m_previous) m_previous->Clear();
    return S_OK;
}

VDXML_ELEMENT* CVdXmlNode::PrepareEntry() const {
    if (!m_previous)
        m_previous = new VDXML_ELEMENT;
    else
        m_previous->Clear();
    return m_previous;
}

long CVdXmlNode::Create(const _bstr_t& name, std::list<VDXML_ATTRIBUTE>* attrs) {
    _vdxml_ptr<IVdXmlDoc> doc = GetXmlDocument();
    if (!doc) return E_FAIL;
    PrepareForNewElement(true);
    return doc->CreateRootElement(name, GetNamespaceURI(), attrs, m_element);
}

long CVdXmlNode::Create(VDXML_ELEMENT* parent, const _bstr_t& name,
                        const std::list<VDXML_ATTRIBUTE>* attrs) {
    _vdxml_ptr<IVdXmlDoc> doc = GetXmlDocument();
    if (!doc) return E_FAIL;
    PrepareForNewElement(true);
    return doc->CreateElement(parent, name, GetNamespaceURI(), attrs, m_element);
}

long CVdXmlNode::Create(const CVdXmlNode& parent, const _bstr_t& name,
                        const std::list<VDXML_ATTRIBUTE>* attrs) {
    if (!parent.m_element) return E_FAIL;
    if (!SameBackEnd(GetXmlDocument(), parent.GetXmlDocument())) {
        if (FAILED(Initialize(parent.GetRoot()))) return E_FAIL;
    }
    return Create(parent.m_element, name, attrs);
}

long CVdXmlNode::AssignNode(const CVdXmlNode& owner, IXMLDOMNodePtr node) {
    if (!owner.m_element) return E_FAIL;
    if (!SameBackEnd(GetXmlDocument(), owner.GetXmlDocument())) {
        if (FAILED(Initialize(owner.GetRoot()))) return E_FAIL;
    }
    _vdxml_ptr<IVdXmlDoc> doc = GetXmlDocument();
    if (!doc) return E_FAIL;
    PrepareForNewElement(false);
    return doc->AssignNode(m_element, node);
}

long CVdXmlNode::InsertEntry(const _bstr_t& name, _bstr_t value,
                             const std::list<VDXML_ATTRIBUTE>* attrs) const {
    if (!ReplaceSpecialCharacters(value)) return E_FAIL;
    return InsertFormatted(name, nullptr, attrs) == S_OK
               ? GetXmlDocument()->InsertText(m_previous, value)
               : E_FAIL;
}

// Creates the entry's element; with text, also writes that (ASCII) text into it.
long CVdXmlNode::InsertFormatted(const _bstr_t& name, const char* text,
                                 const std::list<VDXML_ATTRIBUTE>* attrs) const {
    _vdxml_ptr<IVdXmlDoc> doc = GetXmlDocument();
    if (!doc || !m_element) return E_FAIL;
    VDXML_ELEMENT* entry = PrepareEntry();
    if (FAILED(doc->CreateElement(m_element, name, GetNamespaceURI(), attrs, entry))) return E_FAIL;
    if (!text) return S_OK;
    return doc->InsertText(entry, _bstr_t(text));
}

long CVdXmlNode::InsertEntry(const _bstr_t& name, double value, unsigned int precision,
                             const std::list<VDXML_ATTRIBUTE>* attrs) const {
    if (std::isnan(value) || !(value > -kLargestValue && value < kLargestValue)) return S_FALSE;
    const int digits = static_cast<int>(precision < kMaxPrecision ? precision : kMaxPrecision);
    char text[vdxml_core::kFixedTextCapacity];  // room for every finite value, never cut
    vdxml_core::FormatFixed(text, value, digits);
    return InsertFormatted(name, text, attrs);
}

long CVdXmlNode::InsertEntry(const _bstr_t& name, float value, unsigned int precision,
                             const std::list<VDXML_ATTRIBUTE>* attrs) const {
    const int digits = static_cast<int>(precision < kMaxPrecision ? precision : kMaxPrecision);
    const double widened = value;
    const int needed = std::snprintf(nullptr, 0, "%.*f", digits, widened);
    std::string text(static_cast<std::size_t>(needed) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", digits, widened);
    text.resize(static_cast<std::size_t>(needed));
    return InsertFormatted(name, text.c_str(), attrs);
}

long CVdXmlNode::InsertEntry(const _bstr_t& name, long value,
                             const std::list<VDXML_ATTRIBUTE>* attrs) const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d",
                  static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
    return InsertFormatted(name, buffer, attrs);
}

long CVdXmlNode::InsertEntry(const _bstr_t& name, unsigned long value,
                             const std::list<VDXML_ATTRIBUTE>* attrs) const {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%u", static_cast<std::uint32_t>(value));
    return InsertFormatted(name, buffer, attrs);
}

long CVdXmlNode::InsertEntry(const _bstr_t& name, unsigned char value,
                             const std::list<VDXML_ATTRIBUTE>* attrs) const {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%u", static_cast<unsigned>(value));
    return InsertFormatted(name, buffer, attrs);
}

long CVdXmlNode::InsertComment(const _bstr_t& text) const {
    _vdxml_ptr<IVdXmlDoc> doc = GetXmlDocument();
    if (text.empty() || !doc) return E_FAIL;
    if (GetRoot()->WriteComments() == 0) return S_OK;
    return doc->InsertComment(m_element, text);
}

long CVdXmlNode::InsertEnumText(const wchar_t* text, long numberStatus) const {
    if (FAILED(numberStatus)) return numberStatus;
    return InsertComment(_bstr_t(text));  // a code without a text fails here, after its number
}

long CVdXmlNode::InsertEnumerated(const _bstr_t& name, unsigned long value,
                                  const VdXmlEnumTable& table,
                                  const std::list<VDXML_ATTRIBUTE>* attrs) const {
    return InsertEnumText(table.Find(value), InsertEntry(name, value, attrs));
}

long CVdXmlNode::InsertEnumeratedSigned(const _bstr_t& name, long value,
                                        const VdXmlEnumTable& table,
                                        const std::list<VDXML_ATTRIBUTE>* attrs) const {
    return InsertEnumText(table.Find(value), InsertEntry(name, value, attrs));
}

bool CVdXmlNode::ReplaceSpecialCharacters(_bstr_t& text) const {
    if (!GetRoot()) return false;
    if (IsPlainText(text.view())) return true;  // nothing for any code page to change
    std::wstring passed = text.wstr();
    if (!vdxml_platform::PassThroughCodePage(GetRoot()->CodePage, passed)) return false;
    text = _bstr_t(std::move(passed));
    return true;
}
