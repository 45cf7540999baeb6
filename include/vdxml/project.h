// CVdXmlProject: writes and reads the "Project" element, with its averaging limits and
// modified grid as sub-elements.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/export.h"
#include "vdxml/geometry_records.h"

/// The wrapper of one "Project" element.
class VDXML_API CVdXmlProject : public CVdXmlElementNode {
  public:
    /// The sub-elements kept in the child-node table.
    enum enmNode {
        NODE_AVGLIMIT = 1,     ///< "AvgLimit"
        NODE_MODIFIEDGRID = 2  ///< "ModifiedGrid"
    };

    /// A wrapper without a root: Create takes the parent's.
    CVdXmlProject() = default;
    /// A wrapper sharing owner's root.
    explicit CVdXmlProject(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlProject(const CVdXmlProject&) = delete;
    CVdXmlProject& operator=(const CVdXmlProject&) = delete;
    ~CVdXmlProject() override = default;

    /// Writes "Project" below parent: "Name", "Note", "Created" (when > 0), "Timezone" and
    /// "LeapSecond" (durations, when set), "Manager", "Client", "Street", "MapRef" (when not
    /// empty), "AvgLimit" with "Pos" and "Hgt" (each when > 0) and "ModifiedGrid" with
    /// "ScaleFactor" (12 decimals), "FalseEasting" and "FalseNorthing" when the scale factor
    /// is not 0 (a NaN scale factor opens the block, then is skipped).
    /// @return E_FAIL, writing nothing, for an empty name or a parent without a document; the
    ///         first failing write, which ends the writer (E_FAIL for a "Created" date out of
    ///         range); else the status of the last entry written (S_FALSE when a number or a
    ///         duration was skipped as not finite)
    long Create(const CVdXmlNode& parent, const VDXML_PROJECT& project);
    /// Reads name, note and creation date; the other fields keep their values.
    /// @return S_OK; E_FAIL when element holds no XML element; the engine's failure status
    static long Read(VDXML_ELEMENT& element, VDXML_PROJECT& project);

    /// The "AvgLimit" or "ModifiedGrid" node written by the last Create, or null.
    CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

  protected:
    using CVdXmlElementNode::Initialize;

  private:
    /// "AvgLimit" as table node NODE_AVGLIMIT with its limits (5 decimals).
    long InsertAvgLimit(const VDXML_AVGLIMIT& limit);
    /// "ModifiedGrid" as table node NODE_MODIFIEDGRID with its three values.
    long InsertModifiedGrid(const VDXML_MODIFIEDGRID& grid);
};
