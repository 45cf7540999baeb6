// IUnknown and interface identifiers: the reference-counted interface base shared by the
// XML engine's objects and the library's own file stream.
#pragma once

#include <cstdint>

#include "vdxml/export.h"
#include "vdxml/platform/status.h"

/// A 128-bit identifier, laid out as the platform's GUID: the interface identifiers of the
/// XML engine's objects and of the library's own file stream are of this form.
struct VDXML_API GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
/// An interface identifier.
using IID = GUID;
/// An interface identifier passed by reference, as QueryInterface takes it.
using REFIID = const IID&;

/// True when all 16 bytes of a and b agree.
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

/// The base of every interface: reference counting and the question for other interfaces.
/// An object starts with one reference, held by whoever created it, and deletes itself when
/// the last one is released; it is never deleted through this interface.
struct VDXML_API IUnknown {
    static constexpr IID iid = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    /// Asks the object for the interface riid.
    /// @param riid   the identifier of the interface wanted
    /// @param object receives the interface with a reference added, or null
    /// @return S_OK; E_NOINTERFACE (object set to null) when the object does not offer riid;
    ///         E_POINTER when object is null
    virtual long QueryInterface(REFIID riid, void** object) = 0;
    /// Adds a reference. @return the new count, for diagnostics only
    virtual unsigned long AddRef() = 0;
    /// Drops a reference; the last one deletes the object.
    /// @return the new count (0 when the object is gone), for diagnostics only
    virtual unsigned long Release() = 0;

  protected:
    /// Objects go through Release, never through delete on an interface pointer.
    virtual ~IUnknown() = default;
};

/// The identifier of IUnknown, which every object offers.
inline constexpr const IID& IID_IUnknown = IUnknown::iid;
