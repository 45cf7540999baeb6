// CVdXmlCoordinateSystem: writes the "CoordinateSystem" element: how the local coordinates of
// a file relate to WGS 84 through an ellipsoid, a map projection, a geoid model, a
// country-specific model and a transformation with its steps and residuals. The element is
// not read back beyond a presence check.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/trf_records.h"

/// The wrapper of one "CoordinateSystem" element.
class VDXML_API CVdXmlCoordinateSystem : public CVdXmlElementNode {
  public:
    /// The coordinate system keeps no table nodes: its sub-elements are written through
    /// temporary wrappers.
    enum enmNode : int {};

    /// A wrapper without a root: Create takes the parent's.
    CVdXmlCoordinateSystem() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlCoordinateSystem(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlCoordinateSystem(const CVdXmlCoordinateSystem&) = delete;
    CVdXmlCoordinateSystem& operator=(const CVdXmlCoordinateSystem&) = delete;
    ~CVdXmlCoordinateSystem() override = default;

    /// Appends a "CoordinateSystem" below parent: "Name", "Note", "Created" (when greater than
    /// 0), "Transformation" (when its Type is not 0), then "Ellipsoid", "Projection",
    /// "GeoidModel" and "CscsModel", each when it has a name (see the node writers of the
    /// same names).
    /// @return S_OK; E_FAIL, writing nothing, without a name; E_FAIL for a parent without a
    ///         document or a "Created" out of the date range; otherwise the first failing
    ///         write, which ends the writer (a code without a text fails after its number)
    long Create(const CVdXmlNode& parent, const VDXML_COORDINATESYSTEM& system);
    /// Checks that element is there; fills nothing.
    /// @return S_OK; E_FAIL when element holds no XML element
    static long Read(VDXML_ELEMENT& element, VDXML_COORDINATESYSTEM& system);

    /// Always null: no table nodes are kept.
    CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

    using CVdXmlNode::InsertCscsModel;
    using CVdXmlNode::InsertEllipsoid;
    using CVdXmlNode::InsertGeoidModel;
    using CVdXmlNode::InsertProjection;
    using CVdXmlNode::InsertTransformation;

  protected:
    using CVdXmlElementNode::Initialize;
    using CVdXmlElementNode::InsertItemName;

    /// Each writes its model as a new element ("Ellipsoid", "Projection", "GeoidModel",
    /// "CscsModel", "Transformation") below parent through a temporary wrapper, filled by the
    /// node writer of the same name; each returns the element's failure or that writer's
    /// status.
    long InsertEllipsoid(const CVdXmlNode& parent, const VDXML_ELLIPSOID& ellipsoid) const;
    long InsertProjection(const CVdXmlNode& parent, const VDXML_PROJECTION& projection) const;
    long InsertGeoidModel(const CVdXmlNode& parent, const VDXML_GEOIDMODEL& geoid) const;
    long InsertCscsModel(const CVdXmlNode& parent, const VDXML_CSCSMODEL& cscs) const;
    long InsertTransformation(const CVdXmlNode& parent,
                              const VDXML_TRANSFORMATION& transformation) const;
};
