// An IStream test double that keeps everything written to it in memory and can be told to
// fail, so tests can see what a writer hands over, in which blocks, and how it reacts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "vdxml/engine/stream.h"
#include "vdxml/platform/com_ptr.h"

namespace vdxml_test {

class MemoryStream final : public IStream {
  public:
    /// A new stream held by the returned pointer; the raw pointer stays valid as long as it.
    static _com_ptr_t<IStream> Create(MemoryStream** self);

    /// Every byte written so far.
    const std::string& Bytes() const { return m_bytes; }
    /// The sizes of the Write calls, in order.
    const std::vector<std::size_t>& WriteSizes() const { return m_writeSizes; }
    /// From the Write call with this 0-based index on, Write returns status and takes nothing.
    void FailFrom(std::size_t writeIndex, long status);
    /// Each Write takes at most this many bytes (0: all), to exercise partial writes.
    void LimitWrites(unsigned long maxBytes) { m_maxWrite = maxBytes; }

    long QueryInterface(REFIID riid, void** object) override;
    unsigned long AddRef() override { return ++m_refs; }
    unsigned long Release() override;
    long Read(void*, unsigned long, unsigned long*) override { return E_NOTIMPL; }
    long Write(const void* buffer, unsigned long count, unsigned long* written) override;
    long Seek(std::int64_t, unsigned long, std::uint64_t*) override { return E_NOTIMPL; }
    long SetSize(std::uint64_t) override { return E_NOTIMPL; }
    long CopyTo(IStream*, std::uint64_t, std::uint64_t*, std::uint64_t*) override {
        return E_NOTIMPL;
    }
    long Commit(unsigned long) override { return S_OK; }
    long Revert() override { return E_NOTIMPL; }
    long LockRegion(std::uint64_t, std::uint64_t, unsigned long) override { return E_NOTIMPL; }
    long UnlockRegion(std::uint64_t, std::uint64_t, unsigned long) override { return E_NOTIMPL; }
    long Stat(void*, unsigned long) override { return E_NOTIMPL; }
    long Clone(IStream**) override { return E_NOTIMPL; }

  private:
    MemoryStream() = default;
    ~MemoryStream() override = default;

    unsigned long m_refs = 1;
    std::string m_bytes;
    std::vector<std::size_t> m_writeSizes;
    std::size_t m_failFrom = static_cast<std::size_t>(-1);
    long m_failStatus = S_OK;
    unsigned long m_maxWrite = 0;
};

/// UTF-16 little-endian bytes (after an optional byte-order mark) as UTF-8, for searching
/// written output as text.
std::string Utf16LeToUtf8(const std::string& bytes);

}  // namespace vdxml_test
