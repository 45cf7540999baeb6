// Writers of the small records shared by many elements.
#include "vdxml/node.h"
#include "vdxml/vocabulary.h"

long CVdXmlNode::InsertItemName(const VDXML_ITEMNAME& item) {
    if (item.Name.empty()) return E_FAIL;
    long hr = InsertEntry(VdXml::tagName, item.Name);
    if (FAILED(hr) || item.Note.empty()) return hr;
    return InsertEntry(VdXml::tagNote, item.Note);
}

namespace {
// Errors and warnings share their layout: a code (0 = none) and a description.
long InsertCodeAndText(const CVdXmlNode& parent, const _bstr_t& tag, std::int32_t code,
                       const _bstr_t& text, const _bstr_t& codeTag, const _bstr_t& textTag,
                       CVdXmlNode& out) {
    if (code == 0 && text.empty()) return E_FAIL;
    long hr = out.Create(parent, tag, nullptr);
    if (FAILED(hr)) return hr;
    if (code != 0) {
        hr = out.InsertEntry(codeTag, static_cast<long>(code));
        if (FAILED(hr)) return hr;
    }
    if (!text.empty()) hr = out.InsertEntry(textTag, text);
    return hr;
}
}  // namespace

long CVdXmlNode::InsertError(const _bstr_t& tag, const VDXML_ERROR& error, CVdXmlNode& out) const {
    return InsertCodeAndText(*this, tag, error.Code, error.Description, VdXml::tagErrorCode,
                             VdXml::tagErrorDescription, out);
}

long CVdXmlNode::InsertError(const _bstr_t& tag, const VDXML_ERROR& error) const {
    CVdXmlNode out;
    return InsertError(tag, error, out);
}

long CVdXmlNode::InsertWarning(const _bstr_t& tag, const VDXML_WARNING& warning,
                               CVdXmlNode& out) const {
    return InsertCodeAndText(*this, tag, warning.Code, warning.Description, VdXml::tagWarningCode,
                             VdXml::tagWarningDescription, out);
}

long CVdXmlNode::InsertWarning(const _bstr_t& tag, const VDXML_WARNING& warning) const {
    CVdXmlNode out;
    return InsertWarning(tag, warning, out);
}

long CVdXmlNode::InsertMinMax(const _bstr_t& tag, const VDXML_MINMAX& mm, unsigned int precision,
                              CVdXmlNode& out) const {
    long hr = out.Create(*this, tag, nullptr);
    if (FAILED(hr)) return hr;
    hr = out.InsertEntry(VdXml::tagMin, mm.Min, precision);
    if (FAILED(hr)) return hr;
    return out.InsertEntry(VdXml::tagMax, mm.Max, precision);
}

long CVdXmlNode::InsertMinMax(const _bstr_t& tag, const VDXML_MINMAX& mm,
                              unsigned int precision) const {
    CVdXmlNode out;
    return InsertMinMax(tag, mm, precision, out);
}

long CVdXmlNode::InsertTimeSpan(const _bstr_t& tag, const VDXML_TIMESPAN& ts,
                                CVdXmlNode& out) const {
    const bool hasStart = VdXmlIsSet(ts.Start), hasEnd = VdXmlIsSet(ts.End),
               hasSpan = VdXmlIsSet(ts.Span);
    if (!hasStart && !hasEnd && !hasSpan) return E_FAIL;
    long hr = out.Create(*this, tag, nullptr);
    if (FAILED(hr)) return hr;
    const auto* computed = &m_listAttrValueSourceComputed;
    if (hasStart)
        hr = out.InsertEntryDateTimeMjd(VdXml::tagStart, ts.Start);
    else if (hasEnd && hasSpan)
        hr = out.InsertEntryDateTimeMjd(VdXml::tagStart, ts.End - ts.Span, computed);
    if (FAILED(hr)) return hr;
    if (hasEnd)
        hr = out.InsertEntryDateTimeMjd(VdXml::tagEnd, ts.End);
    else if (hasStart && hasSpan)
        hr = out.InsertEntryDateTimeMjd(VdXml::tagEnd, ts.Start + ts.Span, computed);
    if (FAILED(hr)) return hr;
    if (hasSpan)
        hr = out.InsertEntryTimeSpanMjd(VdXml::tagDuration, ts.Span);
    else if (hasStart && hasEnd)
        hr = out.InsertEntryTimeSpanMjd(VdXml::tagDuration, ts.End - ts.Start, computed);
    return hr;
}

long CVdXmlNode::InsertTimeSpan(const _bstr_t& tag, const VDXML_TIMESPAN& ts) const {
    CVdXmlNode out;
    return InsertTimeSpan(tag, ts, out);
}

long CVdXmlNode::InsertTimeSpan(const _bstr_t& tag, const VDXML_VEC_TIMESPAN& spans) const {
    for (const VDXML_TIMESPAN& ts : spans) {
        const long hr = InsertTimeSpan(tag, ts);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

long CVdXmlNode::InsertVersion(const VDXML_VERSION& version, CVdXmlNode& out) const {
    if (version.Major == 0) return E_FAIL;
    long hr = out.Create(*this, VdXml::tagVersion, nullptr);
    if (FAILED(hr)) return hr;
    hr = out.InsertEntry(VdXml::tagMajor, static_cast<unsigned char>(version.Major));
    if (FAILED(hr)) return hr;
    hr = out.InsertEntry(VdXml::tagMinor, static_cast<unsigned char>(version.Minor));
    if (FAILED(hr) || version.Build == 0) return hr;
    return out.InsertEntry(VdXml::tagBuild, static_cast<unsigned long>(version.Build));
}

long CVdXmlNode::InsertVersion(const VDXML_VERSION& version) const {
    CVdXmlNode out;
    return InsertVersion(version, out);
}
