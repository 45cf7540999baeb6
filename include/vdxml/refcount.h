// Intrusive reference counting for the writer's shared objects (root, back ends).
// Counting is plain, not atomic: one document belongs to one thread at a time.
#pragma once

#include <cstdint>
#include <utility>

#include "vdxml/export.h"

/// Objects start with the count 1, owned by their creator, and delete themselves at 0.
class VDXML_API CVdXmlRefCount {
  public:
    /// A counted object is deleted by its last Release, not directly.
    virtual ~CVdXmlRefCount() = default;
    /// Adds a reference.
    virtual void AddRef() { ++m_count; }
    /// Drops a reference; the last one calls OnFinalRelease and deletes the object. Every
    /// Release must match a reference held: the object is gone after the last one.
    virtual void Release() {
        if (m_count > 0) --m_count;
        if (m_count == 0) {
            OnFinalRelease();
            delete this;
        }
    }
    /// The number of references held.
    virtual std::int32_t GetRefCount() const { return m_count; }
    /// Called just before the object deletes itself.
    virtual void OnFinalRelease() {}

  protected:
    /// The count 1, owned by the creator.
    CVdXmlRefCount() = default;
    /// A copy is a new object: it starts with the count 1, whatever other's count is.
    CVdXmlRefCount(const CVdXmlRefCount&) : m_count(1) {}
    /// Assigning leaves the count alone: references belong to the object, not its value.
    CVdXmlRefCount& operator=(const CVdXmlRefCount&) { return *this; }

  private:
    std::int32_t m_count = 1;
};

/// Smart pointer over a CVdXmlRefCount descendant: copies add a reference, destruction
/// releases one. Assigning adds the new reference before releasing the old one.
template <class T>
class _vdxml_ptr {
  public:
    /// A null pointer.
    _vdxml_ptr() noexcept = default;
    /// A null pointer.
    _vdxml_ptr(std::nullptr_t) noexcept {}
    /// Adopts a fresh object's initial reference when addRef is false.
    explicit _vdxml_ptr(T* p, bool addRef = true) : m_p(p) {
        if (m_p && addRef) m_p->AddRef();
    }
    /// Shares other's object, adding a reference.
    _vdxml_ptr(const _vdxml_ptr& other) : _vdxml_ptr(other.m_p) {}
    /// Takes over other's reference; other becomes null.
    _vdxml_ptr(_vdxml_ptr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    /// Shares the object of a pointer to a derived class, adding a reference.
    template <class U>
    _vdxml_ptr(const _vdxml_ptr<U>& other) : _vdxml_ptr(other.get()) {}
    /// Releases the reference held.
    ~_vdxml_ptr() {
        if (m_p) m_p->Release();
    }

    /// Shares other's object (see the class comment for the order of the references).
    _vdxml_ptr& operator=(const _vdxml_ptr& other) { return *this = other.m_p; }
    /// Releases the old reference and takes over other's; other becomes null.
    _vdxml_ptr& operator=(_vdxml_ptr&& other) noexcept {
        if (this != &other) {
            T* old = std::exchange(m_p, std::exchange(other.m_p, nullptr));
            if (old) old->Release();
        }
        return *this;
    }
    /// Points to p, adding a reference; assigning the object already held changes nothing.
    _vdxml_ptr& operator=(T* p) {
        if (p == m_p) return *this;
        if (p) p->AddRef();
        T* old = std::exchange(m_p, p);
        if (old) old->Release();
        return *this;
    }

    /// The object, or null; no reference is added.
    T* get() const noexcept { return m_p; }
    /// The object; the pointer must not be null (nothing checks it).
    T* operator->() const noexcept { return m_p; }
    /// The object; the pointer must not be null (nothing checks it).
    T& operator*() const noexcept { return *m_p; }
    /// True when the pointer is not null.
    explicit operator bool() const noexcept { return m_p != nullptr; }
    /// True when the pointer is null.
    bool operator!() const noexcept { return m_p == nullptr; }
    /// Pointers compare by the object they point to.
    friend bool operator==(const _vdxml_ptr& a, const _vdxml_ptr& b) { return a.m_p == b.m_p; }
    friend bool operator!=(const _vdxml_ptr& a, const _vdxml_ptr& b) { return a.m_p != b.m_p; }

  private:
    T* m_p = nullptr;
};
