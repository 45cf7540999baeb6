// A reader's rows as a plan made once per element kind: each row keyed by the UTF-8 name and
// level that the reading map's key holds ("Name2"), its destination given as an offset into a
// record (or its scratch) instead of a pointer, so one plan serves every record of the kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "elements/complete_rows.h"
#include "elements/read_rows.h"

namespace vdxml_reading {

struct PlanRow {
    VDXML_PARSE_NODEDATA::enmFormat format = VDXML_PARSE_NODEDATA::fmtString;
    bool inScratch = false;       ///< the destination lies in the scratch, not the record
    bool hasData = true;          ///< false for a block whose presence only sets flags
    bool reciprocal = false;      ///< the field takes 1 / value (0 stays 0)
    std::size_t offset = 0;       ///< of the destination
    std::ptrdiff_t flagsAt = -1;  ///< offset of the flags in the record; -1 for none
    bool wideFlags = false;       ///< the flags are 16 bits wide
    std::uint16_t flagMask = 0;
};

struct ReadPlan {
    /// By key: as the reading map keys them ("Name2"), or by path below the element
    /// ("W84/DXYZ/DX") in a complete plan.
    std::unordered_map<std::string, PlanRow> rows;
    int maxLevel = 0;  ///< the deepest level of any row
};

namespace detail {
/// Where p lies inside the object at base of the given size, or -1.
inline std::ptrdiff_t OffsetIn(const void* p, const void* base, std::size_t size) {
    const auto* byte = static_cast<const char*>(p);
    const auto* first = static_cast<const char*>(base);
    return byte >= first && byte < first + size ? byte - first : -1;
}
}  // namespace detail

/// The plan of Record's reader, from its rows added to a prototype record.
template <class Record>
ReadPlan MakeReadPlan() {
    Record prototype;
    vdxml_elements::ReadScratch scratch;
    VDXML_MAP_PARSE_NODEDATA map;
    vdxml_elements::AddReadRows(map, prototype, scratch);
    ReadPlan plan;
    plan.maxLevel = map.m_nMaxLevel;
    for (const auto& [key, row] : map) {
        PlanRow p;
        p.format = row.format;
        std::ptrdiff_t at = detail::OffsetIn(row.pData, &prototype, sizeof prototype);
        if (at < 0) {
            at = detail::OffsetIn(row.pData, &scratch, sizeof scratch);
            p.inScratch = true;
        }
        if (at < 0) continue;  // a row pointing elsewhere has no place in a plan
        p.offset = static_cast<std::size_t>(at);
        if (row.pFlags) {
            p.flagsAt = detail::OffsetIn(row.pFlags, &prototype, sizeof prototype);
            p.flagMask = row.flagMask;
        }
        plan.rows.emplace(WideToUtf8(key.view()), p);
    }
    return plan;
}

/// The complete plan of Record: rows by path for every value its element holds, where its own
/// reader restores none (see elements/complete_rows.h); empty for every other kind.
template <class Record>
ReadPlan MakeCompletePlan() {
    Record prototype;
    vdxml_elements::CompleteRows rows;
    vdxml_elements::AddCompleteRows(rows, prototype);
    ReadPlan plan;
    for (const vdxml_elements::CompleteRow& row : rows.Rows()) {
        PlanRow p;
        p.format = row.format;
        p.reciprocal = row.reciprocal;
        p.hasData = row.data != nullptr;
        if (p.hasData) {
            const std::ptrdiff_t at = detail::OffsetIn(row.data, &prototype, sizeof prototype);
            if (at < 0) continue;
            p.offset = static_cast<std::size_t>(at);
        }
        if (row.flags) {
            p.flagsAt = detail::OffsetIn(row.flags, &prototype, sizeof prototype);
            p.wideFlags = row.wideFlags;
            p.flagMask = row.flagMask;
        }
        int depth = 1;
        for (const char c : row.path) depth += c == '/';
        if (depth > plan.maxLevel) plan.maxLevel = depth;
        plan.rows.emplace(row.path, p);
    }
    return plan;
}

}  // namespace vdxml_reading
