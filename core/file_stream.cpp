#include "vdxml/file_stream.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "platform/files.h"
#include "vdxml/platform/bstr.h"

namespace {
// The failure of the last system call as a status, recorded as the thread's last error too.
long LastSystemError() {
    const unsigned long code = vdxml_platform::Win32ErrorFromErrno(errno);
    vdxml_platform::SetLastError(code);
    return HRESULT_FROM_WIN32(code);
}

int DuplicateDescriptor(int fd) { return fd < 0 ? -1 : ::fcntl(fd, F_DUPFD_CLOEXEC, 0); }
}  // namespace

CVdXmlFileStream::CVdXmlFileStream(const CVdXmlFileStream& other)
    : IStream(), m_fd(DuplicateDescriptor(other.m_fd)), m_writeCalls(other.m_writeCalls) {}

CVdXmlFileStream& CVdXmlFileStream::operator=(const CVdXmlFileStream& other) {
    if (this == &other) return *this;
    Close();
    m_fd = DuplicateDescriptor(other.m_fd);
    m_writeCalls = other.m_writeCalls;
    return *this;
}

CVdXmlFileStream::~CVdXmlFileStream() { Close(); }

long CVdXmlFileStream::OpenForWrite(const wchar_t* fileName) {
    return Open(fileName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC);
}

long CVdXmlFileStream::OpenForRead(const wchar_t* fileName) {
    return Open(fileName, O_RDONLY | O_CLOEXEC);
}

long CVdXmlFileStream::Open(const wchar_t* fileName, int flags) {
    if (IsOpen() || !fileName || !*fileName) return E_INVALIDARG;
    const std::string path = WideToUtf8(fileName);
    int fd;
    do {
        fd = ::open(path.c_str(), flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return LastSystemError();
    m_fd = fd;
    return S_OK;
}

int CVdXmlFileStream::Close() {
    if (!IsOpen()) return 1;
    // Linux releases the descriptor even when close reports an error, so it is never retried.
    const int result = ::close(m_fd);
    m_fd = -1;
    return result == 0 ? 1 : 0;
}

long CVdXmlFileStream::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (riid != IID_IUnknown && riid != IID_IStream) return E_NOINTERFACE;
    AddRef();
    *object = static_cast<IStream*>(this);
    return S_OK;
}

unsigned long CVdXmlFileStream::AddRef() {
    return static_cast<unsigned long>(m_refs.fetch_add(1) + 1);
}

unsigned long CVdXmlFileStream::Release() {
    const std::int32_t count = m_refs.fetch_sub(1) - 1;
    if (count == 0) delete this;
    return static_cast<unsigned long>(count);
}

long CVdXmlFileStream::Read(void* buffer, unsigned long count, unsigned long* read) {
    if (read) *read = 0;
    if (!IsOpen()) return E_UNEXPECTED;
    if (!buffer && count > 0) return E_INVALIDARG;
    unsigned long total = 0;
    while (total < count) {
        const ssize_t n = ::read(m_fd, static_cast<char*>(buffer) + total, count - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            if (read) *read = total;
            return LastSystemError();
        }
        if (n == 0) break;  // end of file
        total += static_cast<unsigned long>(n);
    }
    if (read) *read = total;
    return total == 0 ? S_FALSE : S_OK;
}

long CVdXmlFileStream::Write(const void* buffer, unsigned long count, unsigned long* written) {
    ++m_writeCalls;
    if (written) *written = 0;
    if (!IsOpen()) return E_UNEXPECTED;
    if (!buffer && count > 0) return E_INVALIDARG;
    // The system may take a block in several pieces (signals, pipes, quotas): the writer
    // expects every block to be written whole, so keep going until it is or a call fails.
    unsigned long total = 0;
    while (total < count) {
        const ssize_t n = ::write(m_fd, static_cast<const char*>(buffer) + total, count - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            if (written) *written = total;
            return LastSystemError();
        }
        if (n == 0) break;  // the device takes nothing more without reporting why
        total += static_cast<unsigned long>(n);
    }
    if (written) *written = total;
    return total == 0 ? S_FALSE : S_OK;
}

long CVdXmlFileStream::Commit(unsigned long flags) { return flags == 0 ? S_OK : E_INVALIDARG; }

long CVdXmlFileStream::Seek(std::int64_t, unsigned long, std::uint64_t*) { return E_NOTIMPL; }
long CVdXmlFileStream::SetSize(std::uint64_t) { return E_NOTIMPL; }
long CVdXmlFileStream::CopyTo(IStream*, std::uint64_t, std::uint64_t*, std::uint64_t*) {
    return E_NOTIMPL;
}
long CVdXmlFileStream::Revert() { return E_NOTIMPL; }
long CVdXmlFileStream::LockRegion(std::uint64_t, std::uint64_t, unsigned long) { return E_NOTIMPL; }
long CVdXmlFileStream::UnlockRegion(std::uint64_t, std::uint64_t, unsigned long) {
    return E_NOTIMPL;
}
long CVdXmlFileStream::Stat(void*, unsigned long) { return E_NOTIMPL; }
long CVdXmlFileStream::Clone(IStream**) { return E_NOTIMPL; }
