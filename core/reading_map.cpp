#include "vdxml/reading_map.h"

#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <string>

namespace {

// The name followed by the level's digits, built on the stack where it fits.
_bstr_t BuildKey(const _bstr_t& name, std::int32_t level) {
    wchar_t digits[12];
    wchar_t* const end = digits + 12;
    wchar_t* first = end;
    std::uint32_t magnitude =
        level < 0 ? 0u - static_cast<std::uint32_t>(level) : static_cast<std::uint32_t>(level);
    do {
        *--first = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (level < 0) *--first = L'-';
    const std::wstring_view suffix(first, static_cast<std::size_t>(end - first));
    wchar_t key[64];
    if (name.length() + suffix.size() > 64) return _bstr_t(name.wstr().append(suffix));
    std::wmemcpy(key, name.c_str(), name.length());
    std::wmemcpy(key + name.length(), suffix.data(), suffix.size());
    return _bstr_t(std::wstring_view(key, name.length() + suffix.size()));
}

// Readers ask for the same few keys again and again: the vocabulary's names when they build
// their maps, the names of a loaded tree (one shared string per distinct name) while they
// look values up. A small cache of the thread answers those by the name's storage. An entry
// holds a reference to the name it was made from, so that storage cannot be reused for
// another text while the entry exists.
struct CachedKey {
    _bstr_t name;
    std::int32_t level = 0;
    _bstr_t key;
};
constexpr std::size_t kCachedKeys = 256;  // the slot is the top 8 bits of a hash
thread_local CachedKey t_cachedKeys[kCachedKeys];

}  // namespace

_bstr_t VDXML_MAP_PARSE_NODEDATA::MakeKey(const _bstr_t& name, std::int32_t level) {
    if (name.empty()) return BuildKey(name, level);
    const wchar_t* storage = name.c_str();
    const std::uint64_t identity =
        reinterpret_cast<std::uintptr_t>(storage) ^ (static_cast<std::uint64_t>(level) << 48);
    const std::size_t slot = static_cast<std::size_t>((identity * 0x9E3779B97F4A7C15u) >> 56);
    CachedKey& cached = t_cachedKeys[slot];
    if (cached.name.c_str() == storage && cached.level == level) return cached.key;
    _bstr_t key = BuildKey(name, level);
    cached.name = name;
    cached.level = level;
    cached.key = key;
    return key;
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
