// _com_ptr_t<I>: the counted interface pointer. Copies add a reference, destruction
// releases one; constructing from a pointer of another interface asks it for I.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>

#include "vdxml/platform/com_error.h"
#include "vdxml/platform/unknown.h"

template <class I>
class _com_ptr_t {
  public:
    using Interface = I;

    _com_ptr_t() noexcept = default;
    _com_ptr_t(std::nullptr_t) noexcept {}
    /// Takes p and adds a reference (addRef false: adopts the caller's reference).
    _com_ptr_t(I* p, bool addRef = true) noexcept : m_p(p) {
        if (m_p && addRef) m_p->AddRef();
    }
    _com_ptr_t(const _com_ptr_t& other) noexcept : _com_ptr_t(other.m_p) {}
    _com_ptr_t(_com_ptr_t&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    /// Queries another interface pointer for I; null when it does not offer I.
    template <class J>
    _com_ptr_t(const _com_ptr_t<J>& other) {
        QueryFrom(other.GetInterfacePtr());
    }
    ~_com_ptr_t() { Release(); }

    _com_ptr_t& operator=(const _com_ptr_t& other) noexcept {
        Reset(other.m_p);
        return *this;
    }
    _com_ptr_t& operator=(_com_ptr_t&& other) noexcept {
        if (this != std::addressof(other)) {
            Release();
            m_p = std::exchange(other.m_p, nullptr);
        }
        return *this;
    }
    _com_ptr_t& operator=(I* p) noexcept {
        Reset(p);
        return *this;
    }
    _com_ptr_t& operator=(std::nullptr_t) noexcept {
        Release();
        return *this;
    }
    template <class J>
    _com_ptr_t& operator=(const _com_ptr_t<J>& other) {
        _com_ptr_t tmp(other);
        *this = std::move(tmp);
        return *this;
    }

    I* GetInterfacePtr() const noexcept { return m_p; }
    I* operator->() const {
        if (!m_p) throw _com_error(E_POINTER);
        return m_p;
    }
    I& operator*() const {
        if (!m_p) throw _com_error(E_POINTER);
        return *m_p;
    }
    explicit operator bool() const noexcept { return m_p != nullptr; }
    bool operator!() const noexcept { return m_p == nullptr; }
    operator I*() const noexcept { return m_p; }

    void Attach(I* p) noexcept {
        Release();
        m_p = p;
    }
    I* Detach() noexcept { return std::exchange(m_p, nullptr); }
    void Release() noexcept {
        if (m_p) std::exchange(m_p, nullptr)->Release();
    }
    /// For out-parameters: releases the held pointer and returns its address.
    I** operator&() noexcept {
        Release();
        return &m_p;
    }

    /// Asks any interface for I; S_OK, E_NOINTERFACE or E_POINTER.
    long QueryFrom(IUnknown* source) noexcept {
        Release();
        if (!source) return E_POINTER;
        void* out = nullptr;
        long hr = source->QueryInterface(uuidof<I>(), &out);
        if (hr >= 0) m_p = static_cast<I*>(out);
        return hr;
    }

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

/// True when both pointers reach the same object (compared through IUnknown).
bool IsSameComObject(IUnknown* a, IUnknown* b);
