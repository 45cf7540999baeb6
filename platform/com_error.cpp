#include "vdxml/platform/com_error.h"

#include <cstdio>

namespace {
const wchar_t* KnownStatusText(long hr) {
    switch (hr) {
        case E_FAIL:
            return L"Unspecified error";
        case E_INVALIDARG:
            return L"One or more arguments are invalid";
        case E_UNEXPECTED:
            return L"Catastrophic failure";
        case E_NOTIMPL:
            return L"Not implemented";
        case E_NOINTERFACE:
            return L"No such interface supported";
        case E_OUTOFMEMORY:
            return L"Out of memory";
        case E_POINTER:
            return L"Invalid pointer";
        case REGDB_E_CLASSNOTREG:
            return L"Class not registered";
        default:
            return nullptr;
    }
}
}  // namespace

_com_error::_com_error(long hr, _bstr_t description) noexcept : m_hr(hr) {
    try {
        m_description = std::move(description);
        if (!m_description.empty()) {
            m_message = m_description.wstr();
        } else if (const wchar_t* known = KnownStatusText(hr)) {
            m_message = known;
        } else {
            wchar_t buffer[64];
            std::swprintf(buffer, 64, L"Error 0x%08lX",
                          static_cast<unsigned long>(hr) & 0xFFFFFFFFul);
            m_message = buffer;
        }
        m_what = WideToUtf8(m_message);
    } catch (...) {
        // Out of memory while describing the error: the status alone still tells it.
    }
}

const wchar_t* _com_error::ErrorMessage() const noexcept { return m_message.c_str(); }
