// Status codes in HRESULT form. Every operation of the library returns a `long`;
// `long` is 64 bits here, so each failure code is the 32-bit HRESULT sign-extended,
// which keeps the rule "success means status >= 0" true on every platform.
#pragma once

#include <cstdint>

/// A status: 0 or more for success, negative for failure.
using HRESULT = long;

namespace vdxml_detail {
/// A 32-bit HRESULT bit pattern as a status, sign-extended to long.
constexpr long FromHresult(std::uint32_t hr) {
    return static_cast<long>(static_cast<std::int32_t>(hr));
}
}  // namespace vdxml_detail

/// Success.
constexpr long S_OK = 0;
/// Success with nothing done: a number not written because it is not finite, a stream read
/// at its end, and the like.
constexpr long S_FALSE = 1;
/// Failure without a more precise status: a refused record, a missing document, an element
/// that could not be written.
constexpr long E_FAIL = vdxml_detail::FromHresult(0x80004005u);
/// An argument the callee cannot work with (a bad name, an unknown property, ...).
constexpr long E_INVALIDARG = vdxml_detail::FromHresult(0x80070057u);
/// A call at the wrong time, such as a stream used without an open file.
constexpr long E_UNEXPECTED = vdxml_detail::FromHresult(0x8000FFFFu);
/// An operation the object does not offer.
constexpr long E_NOTIMPL = vdxml_detail::FromHresult(0x80004001u);
/// The object does not offer the interface asked for.
constexpr long E_NOINTERFACE = vdxml_detail::FromHresult(0x80004002u);
/// Memory ran out.
constexpr long E_OUTOFMEMORY = vdxml_detail::FromHresult(0x8007000Eu);
/// A null pointer where an object or an out-parameter was required.
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

/// True for a success status (S_OK, S_FALSE, ...).
constexpr bool SUCCEEDED(long hr) { return hr >= 0; }
/// True for a failure status.
constexpr bool FAILED(long hr) { return hr < 0; }
