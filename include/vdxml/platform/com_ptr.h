// _com_ptr_t<I>: the counted interface pointer. Copies add a reference, destruction
// releases one; constructing from a pointer of another interface asks it for I.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>

#include "vdxml/export.h"
#include "vdxml/platform/com_error.h"
#include "vdxml/platform/unknown.h"

/// A counted pointer to interface I: it holds one reference to the object for as long as it
/// points to it.
template <class I>
class _com_ptr_t {
  public:
    /// The interface pointed to, for CreateEngineObject and the like.
    using Interface = I;

    /// A null pointer.
    _com_ptr_t() noexcept = default;
    /// A null pointer.
    _com_ptr_t(std::nullptr_t) noexcept {}
    /// Takes p and adds a reference (addRef false: adopts the caller's reference).
    _com_ptr_t(I* p, bool addRef = true) noexcept : m_p(p) {
        if (m_p && addRef) m_p->AddRef();
    }
    /// Shares other's object, adding a reference.
    _com_ptr_t(const _com_ptr_t& other) noexcept : _com_ptr_t(other.m_p) {}
    /// Takes over other's reference; other becomes null.
    _com_ptr_t(_com_ptr_t&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    /// Queries another interface pointer for I; null when it does not offer I (or is null).
    template <class J>
    _com_ptr_t(const _com_ptr_t<J>& other) {
        QueryFrom(other.GetInterfacePtr());
    }
    /// Releases the reference held.
    ~_com_ptr_t() { Release(); }

    /// Points to other's object: the new reference is added before the old one is released,
    /// so assigning a pointer to itself is safe.
    _com_ptr_t& operator=(const _com_ptr_t& other) noexcept {
        Reset(other.m_p);
        return *this;
    }
    /// Releases the old reference and takes over other's; other becomes null.
    _com_ptr_t& operator=(_com_ptr_t&& other) noexcept {
        if (this != std::addressof(other)) {
            Release();
            m_p = std::exchange(other.m_p, nullptr);
        }
        return *this;
    }
    /// Points to p, adding a reference (see the copy assignment).
    _com_ptr_t& operator=(I* p) noexcept {
        Reset(p);
        return *this;
    }
    /// Releases the reference held.
    _com_ptr_t& operator=(std::nullptr_t) noexcept {
        Release();
        return *this;
    }
    /// Queries other for I, as the converting constructor; null when it does not offer I.
    template <class J>
    _com_ptr_t& operator=(const _com_ptr_t<J>& other) {
        _com_ptr_t tmp(other);
        *this = std::move(tmp);
        return *this;
    }

    /// The interface, or null; no reference is added.
    I* GetInterfacePtr() const noexcept { return m_p; }
    /// The interface; raises _com_error(E_POINTER) when the pointer is null.
    I* operator->() const {
        if (!m_p) throw _com_error(E_POINTER);
        return m_p;
    }
    /// The object; raises _com_error(E_POINTER) when the pointer is null.
    I& operator*() const {
        if (!m_p) throw _com_error(E_POINTER);
        return *m_p;
    }
    /// True when the pointer is not null.
    explicit operator bool() const noexcept { return m_p != nullptr; }
    /// True when the pointer is null.
    bool operator!() const noexcept { return m_p == nullptr; }
    /// The interface, or null, for calls that take a plain pointer; no reference is added.
    operator I*() const noexcept { return m_p; }

    /// Releases the reference held and adopts p's reference without adding one.
    void Attach(I* p) noexcept {
        Release();
        m_p = p;
    }
    /// Hands the reference held to the caller, who must release it; the pointer becomes null.
    I* Detach() noexcept { return std::exchange(m_p, nullptr); }
    /// Releases the reference held; the pointer becomes null.
    void Release() noexcept {
        if (m_p) std::exchange(m_p, nullptr)->Release();
    }
    /// For out-parameters: releases the held pointer and returns its address.
    I** operator&() noexcept {
        Release();
        return &m_p;
    }

    /// Releases the reference held, then asks source for I.
    /// @return S_OK; E_NOINTERFACE (the pointer stays null) when source does not offer I;
    ///         E_POINTER for a null source
    long QueryFrom(IUnknown* source) noexcept {
        Release();
        if (!source) return E_POINTER;
        void* out = nullptr;
        long hr = source->QueryInterface(uuidof<I>(), &out);
        if (hr >= 0) m_p = static_cast<I*>(out);
        return hr;
    }

    /// Pointers compare by address; see IsSameComObject for the identity of objects.
    friend bool operator==(const _com_ptr_t& a, const _com_ptr_t& b) { return a.m_p == b.m_p; }
    friend bool operator!=(const _com_ptr_t& a, const _com_ptr_t& b) { return a.m_p != b.m_p; }
    friend bool operator==(const _com_ptr_t& a, std::nullptr_t) { return a.m_p == nullptr; }
    friend bool operator!=(const _com_ptr_t& a, std::nullptr_t) { return a.m_p != nullptr; }

  private:
    void Reset(I* p) noexcept {
        if (p == m_p) return;
        if (p) p->AddRef();
        I* old = std::exchange(m_p, p);
        if (old) old->Release();
    }
    I* m_p = nullptr;
};

/// True when both pointers reach the same object (compared through IUnknown). Two nulls are
/// the same; a null and an object are not, nor are two objects when either of them does not
/// answer the question for IUnknown.
VDXML_API bool IsSameComObject(IUnknown* a, IUnknown* b);
