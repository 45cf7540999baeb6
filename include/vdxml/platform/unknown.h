// IUnknown and interface identifiers: the reference-counted interface base shared by the
// XML engine's objects and the library's own file stream.
#pragma once

#include <cstdint>

#include "vdxml/platform/status.h"

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
using IID = GUID;
using REFIID = const IID&;

constexpr bool operator==(const GUID& a, const GUID& b) {
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i]) return false;
    return true;
}
constexpr bool operator!=(const GUID& a, const GUID& b) { return !(a == b); }

/// The identifier of an interface type: every interface declares `static constexpr IID iid`.
template <class I>
constexpr const IID& uuidof() {
    return I::iid;
}

struct IUnknown {
    static constexpr IID iid = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    virtual long QueryInterface(REFIID riid, void** object) = 0;
    virtual unsigned long AddRef() = 0;
    virtual unsigned long Release() = 0;

  protected:
    virtual ~IUnknown() = default;
};

inline constexpr const IID& IID_IUnknown = IUnknown::iid;
