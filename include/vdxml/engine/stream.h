// IStream: the byte sink through which the streaming XML writer delivers its output.
// The library implements it over a file (CVdXmlFileStream); methods return statuses.
#pragma once

#include <cstdint>

#include "vdxml/export.h"
#include "vdxml/platform/unknown.h"

/// A sequential byte stream. The streaming XML writer calls Write only: it repeats a write
/// that took part of a block for the rest, and counts one that took nothing as a failure of
/// the output. The other methods complete the interface for callers' own streams. Unless a
/// method says otherwise, an out-parameter may be null when the caller does not need it.
struct VDXML_API IStream : IUnknown {
    static constexpr IID iid = {0x0000000C, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    /// Reads up to count bytes into buffer.
    /// @param read receives the number of bytes read
    /// @return S_OK; S_FALSE when nothing was read (the end of the stream); a failure status
    virtual long Read(void* buffer, unsigned long count, unsigned long* read) = 0;
    /// Writes count bytes from buffer.
    /// @param written receives the number of bytes taken, also after a failure
    /// @return S_OK, or a failure status (a file error for a file, disk full among them)
    virtual long Write(const void* buffer, unsigned long count, unsigned long* written) = 0;
    /// Moves the position by move bytes from origin (0 start, 1 current, 2 end).
    /// @param newPosition receives the position reached
    virtual long Seek(std::int64_t move, unsigned long origin, std::uint64_t* newPosition) = 0;
    /// Makes the stream newSize bytes long.
    virtual long SetSize(std::uint64_t newSize) = 0;
    /// Copies count bytes from the current position into target.
    /// @param read    receives the number of bytes read from this stream
    /// @param written receives the number of bytes written to target
    virtual long CopyTo(IStream* target, std::uint64_t count, std::uint64_t* read,
                        std::uint64_t* written) = 0;
    /// Makes what was written so far permanent; flags 0 asks for nothing special.
    virtual long Commit(unsigned long flags) = 0;
    /// Drops changes made since the last Commit, for a stream that keeps them apart.
    virtual long Revert() = 0;
    /// Locks count bytes from offset for this stream's user (lockType: the kind of lock).
    virtual long LockRegion(std::uint64_t offset, std::uint64_t count, unsigned long lockType) = 0;
    /// Releases a lock taken by LockRegion with the same arguments.
    virtual long UnlockRegion(std::uint64_t offset, std::uint64_t count,
                              unsigned long lockType) = 0;
    /// Fills the caller's status structure statStg (size, times) as flags ask.
    virtual long Stat(void* statStg, unsigned long flags) = 0;
    /// A second stream over the same bytes with a position of its own.
    /// @param copy receives the new stream with one reference
    virtual long Clone(IStream** copy) = 0;
};

/// The identifier of IStream.
inline constexpr const IID& IID_IStream = IStream::iid;
