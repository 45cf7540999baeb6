// IStream: the byte sink through which the streaming XML writer delivers its output.
// The library implements it over a file (CVdXmlFileStream); methods return statuses.
#pragma once

#include <cstdint>

#include "vdxml/platform/unknown.h"

struct IStream : IUnknown {
    static constexpr IID iid = {0x0000000C, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    virtual long Read(void* buffer, unsigned long count, unsigned long* read) = 0;
    virtual long Write(const void* buffer, unsigned long count, unsigned long* written) = 0;
    virtual long Seek(std::int64_t move, unsigned long origin, std::uint64_t* newPosition) = 0;
    virtual long SetSize(std::uint64_t newSize) = 0;
    virtual long CopyTo(IStream* target, std::uint64_t count, std::uint64_t* read,
                        std::uint64_t* written) = 0;
    virtual long Commit(unsigned long flags) = 0;
    virtual long Revert() = 0;
    virtual long LockRegion(std::uint64_t offset, std::uint64_t count, unsigned long lockType) = 0;
    virtual long UnlockRegion(std::uint64_t offset, std::uint64_t count,
                              unsigned long lockType) = 0;
    virtual long Stat(void* statStg, unsigned long flags) = 0;
    virtual long Clone(IStream** copy) = 0;
};

inline constexpr const IID& IID_IStream = IStream::iid;
