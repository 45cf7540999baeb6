#include "vdxml/reading_map.h"

#include <cstdio>

_bstr_t VDXML_MAP_PARSE_NODEDATA::MakeKey(const _bstr_t& name, std::int32_t level) {
    wchar_t digits[16];
    std::swprintf(digits, 16, L"%d", level);
    std::wstring key(name.view());
    key += digits;
    return _bstr_t(std::move(key));
}

void VDXML_MAP_PARSE_NODEDATA::AddEntry(const _bstr_t& name, std::int32_t level,
                                        VDXML_PARSE_NODEDATA::enmFormat format, void* pData,
                                        std::uint8_t* pFlags, std::uint8_t flagMask) {
    VDXML_PARSE_NODEDATA row;
    row.nLevel = level;
    row.format = format;
    row.pData = pData;
    row.pFlags = pFlags;
    row.flagMask = pFlags ? flagMask : 0;
    const bool inserted = emplace(MakeKey(name, level), row).second;
    if (inserted && level > m_nMaxLevel) m_nMaxLevel = level;
}
