// CVdXmlTree: a file read into a tree of records that mirrors the nesting of its elements.
// The caller loads a file once, inspects records by position, switches branches off and
// replays the rest to any notification object as if the file were parsed again.
#pragma once

#include <cstdint>
#include <vector>

#include "vdxml/export.h"
#include "vdxml/parser.h"
#include "vdxml/tree.h"

/// Every loaded file is one top-level node holding its root record, with the records of the
/// elements below it in the file's nesting and order (a project under the root, points under
/// the project, coordinates under the point ...). Nodes are addressed by their pre-order index
/// over the whole tree, from 0: index 0 is the root of the file loaded last.
///
/// The records are copies of the parser's records (through their copy constructors, chosen by
/// the record-type code) and belong to the tree until it is destroyed. A caller may change
/// their values through GetNode but never their type code `nType`, by which the tree tells
/// them apart.
///
/// Choices made here:
/// - Not copyable: a copy would have to duplicate every record. To copy a file's records into
///   another tree, replay them into it: `source.Scan(&target)`.
/// - A record whose type code names another element kind than its slot's is dropped in the
///   same way (the replay would take it for that kind); one with a code that names no kind
///   is kept, and ends its branch when replayed.
/// - A notification that arrives while no node is open (a known element outside the root
///   element "Company") has nowhere to go: its record is dropped, and so are the records of
///   the elements inside it (other than a root element, which always starts a new file).
/// - A close notification makes current again the node that was current when its element was
///   opened. For a well-formed file that is the parent of the closed node; for a root element
///   nested inside another element it is that element, so what follows the nested root in the
///   enclosing element is still attached there.
/// - Besides the first file, any loaded file can be replayed: Scan's second argument picks it
///   (0 the file loaded last, GetFileCount() - 1 the first one loaded).
/// - The tree is only built by the notifications of a parse or a replay, so its depth is that
///   of the files' elements, which the engine bounds (see CVdXmlParser); replaying recurses
///   once per level.
class VDXML_API CVdXmlTree : public IVdXmlNotifications {
  public:
    /// The tree of record pointers; the records are owned by CVdXmlTree, not by the tree.
    using Tree = CRk32Tree<VDXML_BASE*>;

    /// An empty tree: no file loaded.
    CVdXmlTree() = default;
    CVdXmlTree(const CVdXmlTree&) = delete;
    CVdXmlTree& operator=(const CVdXmlTree&) = delete;
    /// Deletes every record, then the nodes.
    virtual ~CVdXmlTree();

    /// Reads the file (a UTF-8 path) with this tree as the callback: streamed
    /// (CVdXmlParser::ParseStream), so that only the records are held, never the document; a
    /// file whose entries come out of order for streaming is read with CVdXmlParser::Parse
    /// instead, so every file gives the tree Parse would give. Records already loaded stay;
    /// the new file's root becomes the first top-level node. Elements whose readers fail are
    /// missing, with everything below them. A load that fails leaves the tree as it was.
    /// @return S_OK; E_FAIL for a null or empty name; a file error (0x8007xxxx) for a missing
    ///         or unreadable file; 0xC00C0000 | the parser's code for a malformed file (see
    ///         CVdXmlParser::ParseStream)
    long Load(const char* fileName);
    /// Load with options (VDXML_READ_OPTION bits of CVdXmlParser::ParseStream): with
    /// VDXML_READ_COMPLETE the records hold every value that complete reading restores,
    /// including those that come after a nested element (copied again when their element
    /// closes). A file that must fall back to Parse is read as Parse reads it.
    long Load(const char* fileName, unsigned long options);

    /// Replays one loaded file to callback, leaving out every omitted node with everything
    /// below it: the file loaded last, or the one at index file (counted like the top-level
    /// nodes, from 0). The callback sees the tree's own records, each enclosing record in its
    /// slot, exactly as during parsing. Nothing happens for a null callback or a file index
    /// out of range. Must not be called again from inside a notification of the same replay.
    /// @return S_OK in every case
    long Scan(IVdXmlNotifications* callback, int file = 0);

    /// The record of the node at index (pre-order over all files), or null out of range;
    /// found at once, by an index of the nodes made again after the tree changed. The record stays
    /// the tree's.
    VDXML_BASE* GetNode(int index);
    /// Sets or clears the omitted mark of the node at index and, if recursive, of all its
    /// descendants.
    /// @return S_OK; E_FAIL, changing nothing, for an index out of range
    long OmitNode(int index, bool omit, bool recursive);
    /// The number of loaded files (top-level nodes).
    int GetFileCount() const;

  protected:
    /// The node at index in pre-order, or end() out of range.
    Tree::pre_order_iterator _GetNode(int index);
    /// Marks the node at it (and, if recursive, its subtree); E_FAIL for end() or null.
    long _OmitNode(Tree::pre_order_iterator it, bool omit, bool recursive);
    /// Replays the subtree at it: S_OK for an omitted node (nothing sent); E_FAIL, sending
    /// nothing, for a null iterator, a node without record, a null callback or a record whose
    /// type code no element kind carries; otherwise the result of the last child.
    long WalkTree(Tree::pre_order_iterator it, IVdXmlNotifications* callback);

    // Loading: an open notification appends a copy of the kind's current record below the
    // current node and makes it current (the root goes first among the top-level nodes); a
    // close notification returns to the node that was current before. All return 0.
    int OnVdXmlBegin(VdXml::_CURRENCYTABLE* t) override { return Open(t, VDXML_TYPE_ROOT); }
    int OnVdXmlClose(VdXml::_CURRENCYTABLE* t) override { return Close(t, VDXML_TYPE_ROOT); }
    int OnProject(VdXml::_CURRENCYTABLE* t) override { return Open(t, VDXML_TYPE_PROJECT); }
    int OnProjectClose(VdXml::_CURRENCYTABLE* t) override { return Close(t, VDXML_TYPE_PROJECT); }
    int OnPoint(VdXml::_CURRENCYTABLE* t) override { return Open(t, VDXML_TYPE_POINT); }
    int OnPointClose(VdXml::_CURRENCYTABLE* t) override { return Close(t, VDXML_TYPE_POINT); }
    int OnCoord(VdXml::_CURRENCYTABLE* t) override { return Open(t, VDXML_TYPE_COORD); }
    int OnCoordClose(VdXml::_CURRENCYTABLE* t) override { return Close(t, VDXML_TYPE_COORD); }
    int OnDCoord(VdXml::_CURRENCYTABLE* t) override { return Open(t, VDXML_TYPE_DCOORD); }
    int OnDCoordClose(VdXml::_CURRENCYTABLE* t) override { return Close(t, VDXML_TYPE_DCOORD); }
    int OnTpsSetup(VdXml::_CURRENCYTABLE* t) override { return Open(t, VDXML_TYPE_TPS_SETUP); }
    int OnTpsSetupClose(VdXml::_CURRENCYTABLE* t) override {
        return Close(t, VDXML_TYPE_TPS_SETUP);
    }
    int OnTpsSetupDetails(VdXml::_CURRENCYTABLE* t) override {
        return Open(t, VDXML_TYPE_TPS_SETUP_DETAILS);
    }
    int OnTpsSetupDetailsClose(VdXml::_CURRENCYTABLE* t) override {
        return Close(t, VDXML_TYPE_TPS_SETUP_DETAILS);
    }
    int OnTpsObsSet(VdXml::_CURRENCYTABLE* t) override { return Open(t, VDXML_TYPE_TPS_OBSSET); }
    int OnTpsObsSetClose(VdXml::_CURRENCYTABLE* t) override {
        return Close(t, VDXML_TYPE_TPS_OBSSET);
    }
    int OnCoordinateSystem(VdXml::_CURRENCYTABLE* t) override {
        return Open(t, VDXML_TYPE_COORDINATESYSTEM);
    }
    int OnCoordinateSystemClose(VdXml::_CURRENCYTABLE* t) override {
        return Close(t, VDXML_TYPE_COORDINATESYSTEM);
    }
    int OnTrfResidual(VdXml::_CURRENCYTABLE* t) override { return Open(t, VDXML_TYPE_TRFRESIDUAL); }
    int OnTrfResidualClose(VdXml::_CURRENCYTABLE* t) override {
        return Close(t, VDXML_TYPE_TRFRESIDUAL);
    }
    int OnGpsBaseline(VdXml::_CURRENCYTABLE* t) override { return Open(t, VDXML_TYPE_GPSBASELINE); }
    int OnGpsBaselineClose(VdXml::_CURRENCYTABLE* t) override {
        return Close(t, VDXML_TYPE_GPSBASELINE);
    }
    int OnGpsReference(VdXml::_CURRENCYTABLE* t) override {
        return Open(t, VDXML_TYPE_GPS_REFERENCE);
    }
    int OnGpsReferenceClose(VdXml::_CURRENCYTABLE* t) override {
        return Close(t, VDXML_TYPE_GPS_REFERENCE);
    }
    int OnGpsRover(VdXml::_CURRENCYTABLE* t) override { return Open(t, VDXML_TYPE_GPS_ROVER); }
    int OnGpsRoverClose(VdXml::_CURRENCYTABLE* t) override {
        return Close(t, VDXML_TYPE_GPS_ROVER);
    }
    int OnCode(VdXml::_CURRENCYTABLE* t) override { return Open(t, VDXML_TYPE_THEMATICAL_CODE); }
    int OnCodeClose(VdXml::_CURRENCYTABLE* t) override {
        return Close(t, VDXML_TYPE_THEMATICAL_CODE);
    }
    int OnAttribute(VdXml::_CURRENCYTABLE* t) override {
        return Open(t, VDXML_TYPE_THEMATICAL_ATTRIBUTE);
    }
    int OnAttributeClose(VdXml::_CURRENCYTABLE* t) override {
        return Close(t, VDXML_TYPE_THEMATICAL_ATTRIBUTE);
    }

  private:
    /// Loads through one of the parser's entry points; on failure the records it added are
    /// taken out again.
    long LoadWith(bool stream, unsigned long options, const char* fileName);
    /// Lists the nodes in pre-order, so that GetNode finds one at once; done on the first
    /// GetNode after the tree changed.
    void IndexNodes();
    /// The open notification of the kind whose records carry type.
    int Open(VdXml::_CURRENCYTABLE* table, std::int32_t type);
    /// Every close notification: the node current before the matching open becomes current
    /// again.
    int Close(VdXml::_CURRENCYTABLE* table, std::int32_t type);

    /// The loaded files, the last one first.
    Tree m_tree;
    /// The node the next opened element is attached to; null while no element is open.
    Tree::pre_order_iterator m_itCurrent;
    /// The records being replayed by Scan; all slots null outside Scan.
    VdXml::_CURRENCYTABLE m_table;
    /// For every open notification whose close is still to come, the node that was current
    /// before it: the close makes that node current again.
    std::vector<Tree::pre_order_iterator> m_openedFrom;
    std::vector<Tree::node_type*> m_index;  ///< the nodes in pre-order, while m_indexed
    bool m_indexed = false;
    bool m_copyAtClose = false;  ///< copy each record again when its element closes
};
