// The child-node table of an element class: the wrappers of sub-elements the class created
// itself, kept by the class's own node id so that callers can reach them through GetNode.
#pragma once

#include <map>
#include <memory>

#include "vdxml/node.h"

/// The table owns its nodes: deleting a node (Clear, destruction) releases the wrapper
/// only, the element it wrote stays in the document.
template <class Id>
class CVdXmlNodeTable {
  public:
    /// An empty table.
    CVdXmlNodeTable() = default;
    CVdXmlNodeTable(const CVdXmlNodeTable&) = delete;
    CVdXmlNodeTable& operator=(const CVdXmlNodeTable&) = delete;
    virtual ~CVdXmlNodeTable() = default;

    /// A new node sharing owner's root, stored under id; null when id holds a node already.
    CVdXmlNode* CreateNode(Id id, const CVdXmlNodeBase& owner) {
        auto& slot = m_nodes[id];
        if (slot) return nullptr;
        slot = std::make_unique<CVdXmlNode>(owner);
        return slot.get();
    }
    /// The node stored under id, or null.
    CVdXmlNode* GetNode(Id id) const {
        auto it = m_nodes.find(id);
        return it == m_nodes.end() ? nullptr : it->second.get();
    }
    /// Deletes every stored node.
    void Clear() { m_nodes.clear(); }
    /// True when no node is stored.
    bool Empty() const { return m_nodes.empty(); }

  private:
    std::map<Id, std::unique_ptr<CVdXmlNode>> m_nodes;
};
