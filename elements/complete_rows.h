// Rows for every value of the element kinds whose own readers restore none: coordinate
// differences and coordinate systems. Their values sit in blocks that repeat names ("DX" in
// the WGS 84 and in the local Cartesian block), so a row is keyed by the path of names below
// the element ("W84/DXYZ/DX") instead of a name and a level. The streaming parser reads by
// these rows when asked to read completely.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vdxml/reading_map.h"
#include "vdxml/records.h"

struct VDXML_DCOORD;
struct VDXML_COORDINATESYSTEM;

namespace vdxml_elements {

struct CompleteRow {
    std::string path;  ///< element names below the read element, joined by '/'
    VDXML_PARSE_NODEDATA::enmFormat format = VDXML_PARSE_NODEDATA::fmtDouble;
    bool reciprocal = false;  ///< the field takes 1 / value (0 stays 0): a flattening
    void* data = nullptr;     ///< null for a block whose presence alone sets flags
    void* flags = nullptr;    ///< the presence flags that the value sets, or null
    bool wideFlags = false;   ///< flags is 16 bits wide
    std::uint16_t flagMask = 0;
};

/// The rows, added in document order of the writers' blocks.
class CompleteRows {
  public:
    const std::vector<CompleteRow>& Rows() const { return m_rows; }
    /// A value with flags of 8 or 16 bits, or none.
    void Add(const std::string& path, VDXML_PARSE_NODEDATA::enmFormat format, void* data,
             std::uint8_t* flags = nullptr, std::uint8_t mask = 0);
    void Add(const std::string& path, VDXML_PARSE_NODEDATA::enmFormat format, void* data,
             std::uint16_t* flags, std::uint16_t mask);
    /// A value stored as its reciprocal.
    void AddReciprocal(const std::string& path, double* data);

  private:
    std::vector<CompleteRow> m_rows;
};

void AddCompleteRows(CompleteRows& rows, VDXML_DCOORD& dcoord);
void AddCompleteRows(CompleteRows& rows, VDXML_COORDINATESYSTEM& system);
/// Every other kind is read completely by its own reader.
inline void AddCompleteRows(CompleteRows&, VDXML_BASE&) {}

}  // namespace vdxml_elements
