#include "support/memory_stream.h"

namespace vdxml_test {

_com_ptr_t<IStream> MemoryStream::Create(MemoryStream** self) {
    auto* stream = new MemoryStream();
    if (self) *self = stream;
    return _com_ptr_t<IStream>(stream, false);
}

void MemoryStream::FailFrom(std::size_t writeIndex, long status) {
    m_failFrom = writeIndex;
    m_failStatus = status;
}

long MemoryStream::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (riid != IID_IUnknown && riid != IID_IStream) return E_NOINTERFACE;
    *object = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
}

unsigned long MemoryStream::Release() {
    const unsigned long left = --m_refs;
    if (left == 0) delete this;
    return left;
}

long MemoryStream::Write(const void* buffer, unsigned long count, unsigned long* written) {
    if (written) *written = 0;
    const std::size_t index = m_writeSizes.size();
    m_writeSizes.push_back(count);
    if (index >= m_failFrom) return m_failStatus;
    const unsigned long taken = m_maxWrite != 0 && count > m_maxWrite ? m_maxWrite : count;
    m_bytes.append(static_cast<const char*>(buffer), taken);
    if (written) *written = taken;
    return S_OK;
}

std::string Utf16LeToUtf8(const std::string& bytes) {
    std::wstring wide;
    std::size_t start = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE' ? 2 : 0;
    for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
        const auto unit = static_cast<unsigned>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8));
        wide.push_back(static_cast<wchar_t>(unit));  // test texts stay in the BMP
    }
    return WideToUtf8(wide);
}

}  // namespace vdxml_test
