// Status codes in HRESULT form. Every operation of the library returns a `long`;
// `long` is 64 bits here, so each failure code is the 32-bit HRESULT sign-extended,
// which keeps the rule "success means status >= 0" true on every platform.
#pragma once

#include <cstdint>

using HRESULT = long;

namespace vdxml_detail {
constexpr long FromHresult(std::uint32_t hr) {
    return static_cast<long>(static_cast<std::int32_t>(hr));
}
}  // namespace vdxml_detail

constexpr long S_OK = 0;
constexpr long S_FALSE = 1;
constexpr long E_FAIL = vdxml_detail::FromHresult(0x80004005u);
constexpr long E_INVALIDARG = vdxml_detail::FromHresult(0x80070057u);
constexpr long E_UNEXPECTED = vdxml_detail::FromHresult(0x8000FFFFu);
constexpr long E_NOTIMPL = vdxml_detail::FromHresult(0x80004001u);
constexpr long E_NOINTERFACE = vdxml_detail::FromHresult(0x80004002u);
constexpr long E_OUTOFMEMORY = vdxml_detail::FromHresult(0x8007000Eu);
constexpr long E_POINTER = vdxml_detail::FromHresult(0x80004003u);
/// Class not registered: what the object factory answers for an unknown or disabled ProgID.
constexpr long REGDB_E_CLASSNOTREG = vdxml_detail::FromHresult(0x80040154u);

/// A Win32 error code as a status: 0x80070000 | (code & 0xFFFF); 0 and below stay unchanged.
constexpr long HRESULT_FROM_WIN32(unsigned long code) {
    return static_cast<long>(code) <= 0
               ? static_cast<long>(code)
               : vdxml_detail::FromHresult(0x80070000u |
                                           (static_cast<std::uint32_t>(code) & 0xFFFFu));
}

constexpr bool SUCCEEDED(long hr) { return hr >= 0; }
constexpr bool FAILED(long hr) { return hr < 0; }
