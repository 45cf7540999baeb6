// The single-byte Windows code pages, generated from the C library's converter
// (scripts/make-codepage-tables writes codepage_tables.cpp).
#pragma once

#include <array>
#include <cstdint>

namespace vdxml_platform {

/// One single-byte code page. Bytes 0x00 to 0x7F are ASCII in every page; the tables hold the
/// characters of the bytes 0x80 to 0xFF, all different and all in the Basic Multilingual Plane
/// (0 where a byte stands for no character).
struct SingleByteCodePage {
    std::uint32_t number;  ///< the Windows code page number
    /// The character of byte 0x80 + i. A byte the page leaves unassigned holds the C1 control
    /// character of its own value when below 0xA0 (read so, as Windows-1252's always were),
    /// else 0: no character.
    std::array<std::uint16_t, 128> upper;
    /// The same values in ascending order (zeros first), for finding whether the page holds a
    /// character from U+0080 on.
    std::array<std::uint16_t, 128> sorted;
};

/// Windows-1250 to Windows-1257.
extern const std::array<SingleByteCodePage, 8> kSingleByteCodePages;

}  // namespace vdxml_platform
