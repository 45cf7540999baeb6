// CVdXmlElementNode: the common ground of element classes that keep the wrappers of the
// sub-elements they create in a child-node table. It binds the wrapper to its parent's
// document, creates the element, hands out table nodes and writes item-name sub-elements.
// Each derived class names its table ids in its own enmNode and exposes GetNode(enmNode).
#pragma once

#include "vdxml/export.h"
#include "vdxml/node.h"
#include "vdxml/node_table.h"

/// The base of the element classes (points, coordinates, setups, ...). Each Create of a
/// derived class starts afresh: the table nodes of an earlier Create are released (their
/// elements stay in the document).
class VDXML_API CVdXmlElementNode : public CVdXmlNode {
  public:
    /// A wrapper without a root: Create takes the parent's.
    CVdXmlElementNode() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlElementNode(const CVdXmlNodeBase& owner) : CVdXmlNode(owner) {}
    /// Releases the table nodes; their elements stay in the document.
    ~CVdXmlElementNode() override { m_nodes.Clear(); }

    /// The item-name writer of every node stays reachable beside the table variant below.
    using CVdXmlNode::InsertItemName;

  protected:
    /// Clears the child-node table, then binds the wrapper to root.
    /// @return S_OK; E_FAIL for a null root
    long Initialize(const _vdxml_ptr<CVdXmlRoot>& root);

    /// The common start of every Create: clears the child-node table, takes over the parent's
    /// root and creates this wrapper's element tag below the parent.
    /// @return S_OK; E_FAIL when the parent has no root (a parent without a document) or no
    ///         element; otherwise the back end's status
    long CreateElement(const CVdXmlNode& parent, const _bstr_t& tag);
    /// The start of the element classes whose element opens with its item name (points,
    /// projects, coordinate systems): CreateElement, then the name and its note.
    /// @return E_FAIL, writing nothing, for an empty name; otherwise the first failure, else
    ///         the status of the item name's last entry
    long CreateNamedElement(const CVdXmlNode& parent, const _bstr_t& tag,
                            const VDXML_ITEMNAME& item);

    /// A new table node under id, sharing this wrapper's root; null when id holds one already.
    CVdXmlNode* CreateTableNode(int id) { return m_nodes.CreateNode(id, *this); }
    /// The table node under id, or null.
    CVdXmlNode* GetTableNode(int id) const { return m_nodes.GetNode(id); }
    /// Creates table node id as element tag below parent.
    /// @param out receives the new table node (null when id holds a node already)
    /// @return E_FAIL when id holds a node already; otherwise the status of out->Create
    long CreateTableElement(const CVdXmlNode& parent, int id, const _bstr_t& tag, CVdXmlNode*& out);

    /// Creates table node id as element tag below parent and writes the item name into it.
    /// @param out receives the new table node; null when refused
    /// @return E_FAIL, writing nothing, when the table holds a node for id already or the
    ///         item's name is empty; the element's failure; else the status of the last entry
    ///         of the item name
    long InsertItemName(const CVdXmlNode& parent, int id, const _bstr_t& tag,
                        const VDXML_ITEMNAME& item, CVdXmlNode*& out);

  private:
    CVdXmlNodeTable<int> m_nodes;
};
