// Plumbing shared by the engine's COM-style objects: QueryInterface over a list of
// interfaces, and raising a failure as _com_error.
#pragma once

#include "vdxml/platform/com_error.h"
#include "vdxml/platform/unknown.h"

namespace vdxml_engine {

/// Answers QueryInterface for self, which implements First and Others. First also stands for
/// IUnknown, so every IUnknown pointer obtained from the object is the same address.
template <class First, class... Others, class Self>
long QueryInterfaceOf(Self* self, REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (riid == IID_IUnknown) {
        *object = static_cast<IUnknown*>(static_cast<First*>(self));
    } else if (riid == First::iid) {
        *object = static_cast<First*>(self);
    } else {
        const auto offer = [&](void* candidate, const IID& iid) {
            if (!*object && riid == iid) *object = candidate;
        };
        (offer(static_cast<Others*>(self), Others::iid), ...);
    }
    if (!*object) return E_NOINTERFACE;
    self->AddRef();
    return S_OK;
}

/// Raises the failure hr with a readable description.
[[noreturn]] inline void ThrowError(long hr, const wchar_t* description) {
    throw _com_error(hr, _bstr_t(description));
}

}  // namespace vdxml_engine
