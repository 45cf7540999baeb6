// A loaded file's records in pre-order, each with its index and depth, gathered by
// replaying the record tree; the order and indices are those of CVdXmlTree::GetNode.
#pragma once

#include <vector>

#include "vdxml/record_tree.h"

namespace vdxml_cli {

struct ListedRecord {
    int index;                 ///< pre-order index in the tree
    int depth;                 ///< 0 for the root element
    const VDXML_BASE* record;  ///< the tree's own record
    const VDXML_BASE* parent;  ///< the record of the enclosing reported element, or null
};

/// Replays tree (its first file) and lists what arrives, leaving out omitted branches.
/// indexOf gives each record's index; when null, records are numbered in arrival order.
std::vector<ListedRecord> ListRecords(CVdXmlTree& tree,
                                      const std::vector<ListedRecord>* indexOf = nullptr);

}  // namespace vdxml_cli
