// Intrusive reference counting for the writer's shared objects (root, back ends).
// Counting is plain, not atomic: one document belongs to one thread at a time.
#pragma once

#include <cstdint>
#include <utility>

/// Objects start with the count 1, owned by their creator, and delete themselves at 0.
class CVdXmlRefCount {
  public:
    virtual ~CVdXmlRefCount() = default;
    virtual void AddRef() { ++m_count; }
    virtual void Release() {
        if (m_count > 0) --m_count;
        if (m_count == 0) {
            OnFinalRelease();
            delete this;
        }
    }
    virtual std::int32_t GetRefCount() const { return m_count; }
    /// Called just before the object deletes itself.
    virtual void OnFinalRelease() {}

  protected:
    CVdXmlRefCount() = default;
    CVdXmlRefCount(const CVdXmlRefCount&) : m_count(1) {}
    CVdXmlRefCount& operator=(const CVdXmlRefCount&) { return *this; }

  private:
    std::int32_t m_count = 1;
};

/// Smart pointer over a CVdXmlRefCount descendant: copies add a reference, destruction
/// releases one. Assigning adds the new reference before releasing the old one.
template <class T>
class _vdxml_ptr {
  public:
    _vdxml_ptr() noexcept = default;
    _vdxml_ptr(std::nullptr_t) noexcept {}
    /// Adopts a fresh object's initial reference when addRef is false.
    explicit _vdxml_ptr(T* p, bool addRef = true) : m_p(p) {
        if (m_p && addRef) m_p->AddRef();
    }
    _vdxml_ptr(const _vdxml_ptr& other) : _vdxml_ptr(other.m_p) {}
    _vdxml_ptr(_vdxml_ptr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    template <class U>
    _vdxml_ptr(const _vdxml_ptr<U>& other) : _vdxml_ptr(other.get()) {}
    ~_vdxml_ptr() {
        if (m_p) m_p->Release();
    }

    _vdxml_ptr& operator=(const _vdxml_ptr& other) { return *this = other.m_p; }
    _vdxml_ptr& operator=(_vdxml_ptr&& other) noexcept {
        if (this != &other) {
            T* old = std::exchange(m_p, std::exchange(other.m_p, nullptr));
            if (old) old->Release();
        }
        return *this;
    }
    _vdxml_ptr& operator=(T* p) {
        if (p == m_p) return *this;
        if (p) p->AddRef();
        T* old = std::exchange(m_p, p);
        if (old) old->Release();
        return *this;
    }

    T* get() const noexcept { return m_p; }
    T* operator->() const noexcept { return m_p; }
    T& operator*() const noexcept { return *m_p; }
    explicit operator bool() const noexcept { return m_p != nullptr; }
    bool operator!() const noexcept { return m_p == nullptr; }
    friend bool operator==(const _vdxml_ptr& a, const _vdxml_ptr& b) { return a.m_p == b.m_p; }
    friend bool operator!=(const _vdxml_ptr& a, const _vdxml_ptr& b) { return a.m_p != b.m_p; }

  private:
    T* m_p = nullptr;
};
