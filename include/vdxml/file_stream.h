// CVdXmlFileStream: the library's own IStream over a file, through which the streaming XML
// writer delivers its output. Every block it receives goes straight to the file; nothing is
// buffered here.
#pragma once

#include <atomic>
#include <cstdint>

#include "vdxml/engine/stream.h"
#include "vdxml/export.h"

/// An IStream over one POSIX file descriptor.
///
/// The reference count is atomic because the XML writer holds and releases the stream through
/// COM-style reference counting; everything else belongs to the writing thread.
///
/// Unlike the Windows file API, POSIX has no exclusive-open mode: a file opened for writing
/// here can still be opened, read or even replaced by other processes. The stream cannot
/// prevent that; it only guarantees that its own descriptor is closed exactly once.
class VDXML_API CVdXmlFileStream : public IStream {
  public:
    /// Count 1 (owned by the creator), no file, no write calls yet.
    CVdXmlFileStream() = default;
    /// The copy refers to the same open file (same file position) through a duplicate of
    /// the descriptor, so each copy closes only its own. A copy starts with the count 1 and
    /// takes over the number of write calls. When the descriptor cannot be duplicated (too
    /// many open files) the copy is closed.
    CVdXmlFileStream(const CVdXmlFileStream& other);
    /// Closes this stream's file, then refers to other's file as the copy constructor does;
    /// the count stays.
    CVdXmlFileStream& operator=(const CVdXmlFileStream& other);
    /// Closes the file when one is open.
    ~CVdXmlFileStream() override;

    /// Creates the file, replacing (truncating) an existing one, for writing.
    /// @return S_OK; E_INVALIDARG when a file is open already or the name is null or empty;
    ///         the operating system's error as HRESULT_FROM_WIN32 (missing folder: 2 or 3,
    ///         no permission: 5), also recorded as the thread's last error
    long OpenForWrite(const wchar_t* fileName);
    /// Opens an existing file for reading, with the same checks and statuses.
    long OpenForRead(const wchar_t* fileName);
    /// Number of Write calls so far, failed ones included.
    int GetNumWriteCalls() const { return m_writeCalls; }
    /// True while a file is open.
    bool IsOpen() const { return m_fd >= 0; }

    // IUnknown
    /// S_OK with *object = this (a reference added) for IUnknown and IStream; else
    /// E_NOINTERFACE with *object = null. E_POINTER when object is null.
    long QueryInterface(REFIID riid, void** object) override;
    /// Adds a reference; returns the new count.
    unsigned long AddRef() override;
    /// Deletes the stream when the count reaches 0; returns the new count.
    unsigned long Release() override;

    // IStream
    /// Reads up to count bytes (the end of the file stops it early).
    /// @return S_OK; S_FALSE when nothing was read; E_UNEXPECTED without a file; E_INVALIDARG
    ///         for a null buffer with count > 0; an operating-system failure as
    ///         HRESULT_FROM_WIN32, with *read telling how much was read before it
    long Read(void* buffer, unsigned long count, unsigned long* read) override;
    /// Writes all count bytes, repeating the system call for what a partial write left. The
    /// call is counted first. A device that stops taking bytes without reporting an error
    /// ends the write early: S_OK with *written short of count.
    /// @return S_OK; S_FALSE when nothing was written (count 0); E_UNEXPECTED without a file;
    ///         E_INVALIDARG for a null buffer with count > 0; an operating-system failure
    ///         (disk full: 112) as HRESULT_FROM_WIN32, with *written telling how much reached
    ///         the file before it
    long Write(const void* buffer, unsigned long count, unsigned long* written) override;
    /// S_OK for flags 0, else E_INVALIDARG. Every write is already handed to the system.
    long Commit(unsigned long flags) override;
    /// Not offered by this stream: E_NOTIMPL, arguments untouched.
    long Seek(std::int64_t move, unsigned long origin, std::uint64_t* newPosition) override;
    /// Not offered by this stream: E_NOTIMPL, arguments untouched.
    long SetSize(std::uint64_t newSize) override;
    /// Not offered by this stream: E_NOTIMPL, arguments untouched.
    long CopyTo(IStream* target, std::uint64_t count, std::uint64_t* read,
                std::uint64_t* written) override;
    /// Not offered by this stream: E_NOTIMPL, arguments untouched.
    long Revert() override;
    /// Not offered by this stream: E_NOTIMPL, arguments untouched.
    long LockRegion(std::uint64_t offset, std::uint64_t count, unsigned long lockType) override;
    /// Not offered by this stream: E_NOTIMPL, arguments untouched.
    long UnlockRegion(std::uint64_t offset, std::uint64_t count, unsigned long lockType) override;
    /// Not offered by this stream: E_NOTIMPL, arguments untouched.
    long Stat(void* statStg, unsigned long flags) override;
    /// Not offered by this stream: E_NOTIMPL, arguments untouched.
    long Clone(IStream** copy) override;

  private:
    /// Opens fileName (UTF-8 on the file system) with the open(2) flags; the statuses of
    /// OpenForWrite.
    long Open(const wchar_t* fileName, int flags);
    /// 1 when no file is open or it was closed cleanly, 0 when closing reported an error
    /// (the descriptor is gone either way).
    int Close();

    std::atomic<std::int32_t> m_refs{1};
    int m_fd = -1;
    int m_writeCalls = 0;
};
