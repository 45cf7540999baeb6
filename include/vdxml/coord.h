// CVdXmlCoord: writes and reads the coordinate element "Crd" of a point: the WGS 84 and local
// blocks, the geoid separation and a coordinate quality derived from the cofactors.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/geometry_records.h"

class CVdXmlCoord : public CVdXmlElementNode {
  public:
    enum enmNode { NODE_WGS84 = 1, NODE_LOCAL = 2, NODE_CQ = 3 };

    CVdXmlCoord() = default;
    explicit CVdXmlCoord(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlCoord(const CVdXmlCoord&) = delete;
    CVdXmlCoord& operator=(const CVdXmlCoord&) = delete;
    ~CVdXmlCoord() override = default;

    /// Writes "Crd" below parent: "Type", "SPos", "SHgt", "AvgStat" with their texts, "W84"
    /// ("XYZ", "LLH"), "Lcl" ("XYZ", "LLH", "ENH"), "GS" and "CQ". The Cartesian blocks are
    /// written only for a three-dimensional coordinate (Type 3 or 0). The coordinate quality
    /// comes from the first block with quality in the order local grid, local geodetic,
    /// WGS 84 geodetic, WGS 84 Cartesian, local Cartesian; Cartesian cofactors are first
    /// rotated into north, east, up on the WGS 84 ellipsoid. Stops at the first failing write.
    long Create(const CVdXmlNode& parent, const VDXML_COORD& coord);
    /// Reads the grid's E, N, HO and the WGS 84 geodetic values with their quality. Values are
    /// matched by name and depth only, so a local "Lat" or any "Qlty" block lands in
    /// Wgs84Llh as well, the last one in document order winning; flags are set for what was
    /// read.
    static long Read(VDXML_ELEMENT& element, VDXML_COORD& coord);

    CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

    using CVdXmlNode::InsertCartesian;
    using CVdXmlNode::InsertCQ;
    using CVdXmlNode::InsertGeodetic;
    using CVdXmlNode::InsertGrid;
    using CVdXmlNode::InsertQlty;

  protected:
    using CVdXmlElementNode::Initialize;
    using CVdXmlElementNode::InsertItemName;

    /// "XYZ" below parent, with "Qlty" of dimension 3 when quality is given.
    long InsertCartesian(const CVdXmlNode& parent, const VDXML_CARTESIAN& xyz) const;
    /// "LLH" below parent, with "Qlty" of the dimension its flags give.
    long InsertGeodetic(const CVdXmlNode& parent, const VDXML_GEODETIC& llh) const;
    /// "ENH" below parent, with "Qlty" of the dimension its flags give.
    long InsertGrid(const CVdXmlNode& parent, const VDXML_GRID& enh) const;
    /// "Qlty" below parent.
    long InsertQlty(const CVdXmlNode& parent, VDXML_COORD::enmType dimension,
                    const VDXML_QLTY& qlty) const;
    /// "CQ" as table node NODE_CQ below this wrapper's own "Crd" element; parent is not used.
    long InsertCQ(const CVdXmlNode& parent, VDXML_COORD::enmType dimension, const VDXML_QLTY& qlty);
};
