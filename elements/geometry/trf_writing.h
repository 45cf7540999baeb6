// Writing helpers shared by the coordinate-system, transformation and residual writers: the
// optional item name of reference records and the element of one reference model.
#pragma once

#include "elements/entry_sequence.h"
#include "vdxml/node.h"
#include "vdxml/vocabulary.h"

namespace vdxml_trf {

/// A name counts as present when it is not null and not empty.
inline bool IsNamed(const VDXML_ITEMNAME& item) { return !item.Name.empty(); }

/// "Name" and "Note" (when not empty) of an item whose name is present. The reference writers
/// write into temporary wrappers held const, so the entries are appended here rather than
/// through the node's own item-name writer.
inline long InsertNamedItem(const CVdXmlNode& node, const VDXML_ITEMNAME& item) {
    return vdxml_elements::EntrySequence(node)
        .Text(VdXml::tagName, item.Name)
        .Text(VdXml::tagNote, item.Note)
        .Status();
}

/// Creates element tag below parent through a temporary wrapper sharing owner's root and fills
/// it with the node writer write (CVdXmlNode::InsertEllipsoid and the like).
template <class Record>
long WriteModelElement(const CVdXmlNodeBase& owner, const CVdXmlNode& parent, const _bstr_t& tag,
                       const Record& record, long (CVdXmlNode::*write)(const Record&) const) {
    return vdxml_elements::WriteSubElement(
        owner, parent, tag, [&](const CVdXmlNode& node) { return (node.*write)(record); });
}

}  // namespace vdxml_trf
