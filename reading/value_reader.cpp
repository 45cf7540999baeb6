// The table-driven walk that fills records from an element's descendants.
#include <langinfo.h>

#include <charconv>
#include <cwchar>
#include <string_view>

#include "vdxml/geodesy.h"
#include "vdxml/node.h"

VDXML_ELEMENT VDXML_ELEMENT::FromNode(const IXMLDOMNodePtr& node) {
    IXMLDOMElementPtr element;
    if (node && node->GetnodeType() == NODE_ELEMENT) element = node;
    return VDXML_ELEMENT(element);
}

long CVdXmlNodeBase::ReadValues(VDXML_ELEMENT& element, const VDXML_MAP_PARSE_NODEDATA& map) {
    return _ReadValues(element, map, 0);
}

long CVdXmlNodeBase::_ReadValues(VDXML_ELEMENT& element, const VDXML_MAP_PARSE_NODEDATA& map,
                                 int level) {
    // Recursion depth is bounded by the map's deepest level, never by the document.
    const IXMLDOMElementPtr& node = element.Element();
    if (!node) return E_FAIL;
    const int childLevel = level + 1;
    for (IXMLDOMNodePtr child = node->GetfirstChild(); child; child = child->GetnextSibling()) {
        if (child->GetnodeType() != NODE_ELEMENT) continue;
        const auto row =
            map.find(VDXML_MAP_PARSE_NODEDATA::MakeKey(child->GetnodeName(), childLevel));
        if (row != map.end()) {
            const _bstr_t text = child->GetnodeTypedValue().ToString();
            if (FAILED(AssignValue(text, row->second.format, row->second.pData))) return E_FAIL;
            if (row->second.pFlags) *row->second.pFlags |= row->second.flagMask;
        }
        if (childLevel < map.m_nMaxLevel && child->hasChildNodes()) {
            VDXML_ELEMENT handle = VDXML_ELEMENT::FromNode(child);
            if (FAILED(_ReadValues(handle, map, childLevel))) return E_FAIL;
        }
    }
    return S_OK;
}

namespace {
// The decimal texts the writers produce ("-12.34500") converted by std::from_chars, which
// rounds as wcstod does and is several times faster. Only plain texts of an optional minus,
// digits and one point take this way, and only under a locale whose decimal point is '.':
// everything else (blanks, '+', exponents, "inf", hexadecimal, trailing text) is wcstod's.
bool ParsePlainDecimal(std::wstring_view text, double& value) {
    char plain[64];
    if (text.empty() || text.size() > sizeof plain) return false;
    bool digit = false, point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c >= L'0' && c <= L'9')
            digit = true;
        else if (c == L'.' && !point)
            point = true;
        else if (c != L'-' || i != 0)
            return false;
        plain[i] = static_cast<char>(c);
    }
    if (!digit || std::string_view(nl_langinfo(RADIXCHAR)) != ".") return false;
    const char* end = plain + text.size();
    const auto result = std::from_chars(plain, end, value, std::chars_format::fixed);
    return result.ec == std::errc() && result.ptr == end;
}

// Whole-number conversion as the C run time does it: leading blanks, optional sign, digits
// up to the first other character, 0 when there is none. Out-of-range values wrap as a
// 32-bit integer would.
std::int32_t ToInt32(const wchar_t* text) {
    const long long value = std::wcstoll(text, nullptr, 10);
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<unsigned long long>(value)));
}
}  // namespace

long CVdXmlNodeBase::AssignValue(const _bstr_t& text, VDXML_PARSE_NODEDATA::enmFormat format,
                                 void* data) {
    if (!data) return E_FAIL;
    switch (format) {
        case VDXML_PARSE_NODEDATA::fmtString:
            *static_cast<_bstr_t*>(data) = text;
            return S_OK;
        case VDXML_PARSE_NODEDATA::fmtDouble: {
            double& value = *static_cast<double*>(data);
            if (!ParsePlainDecimal(text.view(), value)) value = std::wcstod(text.c_str(), nullptr);
            return S_OK;
        }
        case VDXML_PARSE_NODEDATA::fmtInt:
        case VDXML_PARSE_NODEDATA::fmtLong:
            *static_cast<std::int32_t*>(data) = ToInt32(text.c_str());
            return S_OK;
        case VDXML_PARSE_NODEDATA::fmtByte:
            *static_cast<std::uint8_t*>(data) =
                static_cast<std::uint8_t>(ToInt32(text.c_str()) & 0xFF);
            return S_OK;
        case VDXML_PARSE_NODEDATA::fmtDateTime: {
            int day = 0, month = 0, year = 0, hour = 0, minute = 0;
            float second = 0.0f;
            std::swscanf(text.c_str(), L"%d.%d.%d %d:%d:%f", &day, &month, &year, &hour, &minute,
                         &second);
            *static_cast<double*>(data) =
                VdXml::Mjd(year, month, day, hour, minute, static_cast<double>(second));
            return S_OK;
        }
        default:
            return E_FAIL;
    }
}
