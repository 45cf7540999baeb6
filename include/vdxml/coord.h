// CVdXmlCoord: writes and reads the coordinate element "Crd" of a point: the WGS 84 and local
// blocks, the geoid separation and a coordinate quality derived from the cofactors.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/geometry_records.h"

/// The wrapper of one "Crd" element.
class VDXML_API CVdXmlCoord : public CVdXmlElementNode {
  public:
    /// The sub-elements kept in the child-node table.
    enum enmNode {
        NODE_WGS84 = 1,  ///< "W84"
        NODE_LOCAL = 2,  ///< "Lcl"
        NODE_CQ = 3      ///< "CQ"
    };

    /// A wrapper without a root: Create takes the parent's.
    CVdXmlCoord() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlCoord(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlCoord(const CVdXmlCoord&) = delete;
    CVdXmlCoord& operator=(const CVdXmlCoord&) = delete;
    ~CVdXmlCoord() override = default;

    /// Writes "Crd" below parent: "Type", "SPos", "SHgt", "AvgStat" with their texts, "W84"
    /// ("XYZ", "LLH"), "Lcl" ("XYZ", "LLH", "ENH"), "GS" and "CQ". The Cartesian blocks are
    /// written only for a three-dimensional coordinate (Type 3 or 0). The coordinate quality
    /// comes from the first block with quality in the order local grid, local geodetic,
    /// WGS 84 geodetic, WGS 84 Cartesian, local Cartesian; Cartesian cofactors are first
    /// rotated into north, east, up on the WGS 84 ellipsoid. Nothing is refused: a coordinate
    /// without values gives an empty "Crd".
    /// @return S_OK; E_FAIL for a parent without a document; E_FAIL after "Type", "SPos" or
    ///         "SHgt" for a code without a text and after "AvgStat" for a status without a
    ///         known bit; otherwise the first failing write, which ends the writer
    long Create(const CVdXmlNode& parent, const VDXML_COORD& coord);
    /// Reads the grid's E, N, HO and the WGS 84 geodetic values with their quality. Values are
    /// matched by name and depth only, so a local "Lat", the "HE" of any block or any "Qlty"
    /// block lands in Wgs84Llh as well, the last one in document order winning; flags are
    /// set for what was read. Type, sources, Cartesian blocks and "GS" are not read.
    /// @return S_OK; E_FAIL when element holds no XML element; the engine's failure status
    static long Read(VDXML_ELEMENT& element, VDXML_COORD& coord);

    /// The "W84", "Lcl" or "CQ" node written by the last Create, or null.
    CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

    using CVdXmlNode::InsertCartesian;
    using CVdXmlNode::InsertCQ;
    using CVdXmlNode::InsertGeodetic;
    using CVdXmlNode::InsertGrid;
    using CVdXmlNode::InsertQlty;

  protected:
    using CVdXmlElementNode::Initialize;
    using CVdXmlElementNode::InsertItemName;

    // Each block writer creates its element through a temporary wrapper and fills it with
    // the node writer of the same name (CVdXmlNode::InsertCartesian, ...); it returns that
    // writer's status, or the element's failure.

    /// "XYZ" below parent, with "Qlty" of dimension 3 when quality is given.
    long InsertCartesian(const CVdXmlNode& parent, const VDXML_CARTESIAN& xyz) const;
    /// "LLH" below parent, with "Qlty" of the dimension its flags give.
    long InsertGeodetic(const CVdXmlNode& parent, const VDXML_GEODETIC& llh) const;
    /// "ENH" below parent, with "Qlty" of the dimension its flags give.
    long InsertGrid(const CVdXmlNode& parent, const VDXML_GRID& enh) const;
    /// "Qlty" below parent; E_FAIL, after creating it, for dimension 0.
    long InsertQlty(const CVdXmlNode& parent, VDXML_COORD::enmType dimension,
                    const VDXML_QLTY& qlty) const;
    /// "CQ" as table node NODE_CQ below this wrapper's own "Crd" element; parent is not used.
    /// E_FAIL when the table holds a "CQ" already.
    long InsertCQ(const CVdXmlNode& parent, VDXML_COORD::enmType dimension, const VDXML_QLTY& qlty);
};
