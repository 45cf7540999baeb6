// CVdXmlProject: writes and reads the "Project" element, with its averaging limits and
// modified grid as sub-elements.
#pragma once

#include "vdxml/element_node.h"
#include "vdxml/geometry_records.h"

class CVdXmlProject : public CVdXmlElementNode {
  public:
    enum enmNode { NODE_AVGLIMIT = 1, NODE_MODIFIEDGRID = 2 };

    CVdXmlProject() = default;
    explicit CVdXmlProject(const CVdXmlNodeBase& owner) : CVdXmlElementNode(owner) {}
    CVdXmlProject(const CVdXmlProject&) = delete;
    CVdXmlProject& operator=(const CVdXmlProject&) = delete;
    ~CVdXmlProject() override = default;

    /// Writes "Project" below parent: "Name", "Note", "Created" (when > 0), "Timezone" and
    /// "LeapSecond" (when set), "Manager", "Client", "Street", "MapRef" (when not empty),
    /// "AvgLimit" (when a limit is > 0) and "ModifiedGrid" (when the scale factor is not 0).
    /// E_FAIL, writing nothing, for an empty name; stops at the first failing write.
    long Create(const CVdXmlNode& parent, const VDXML_PROJECT& project);
    /// Reads name, note and creation date; the other fields keep their values.
    static long Read(VDXML_ELEMENT& element, VDXML_PROJECT& project);

    CVdXmlNode* GetNode(enmNode n) const { return GetTableNode(n); }

  protected:
    using CVdXmlElementNode::Initialize;

  private:
    long InsertAvgLimit(const VDXML_AVGLIMIT& limit);
    long InsertModifiedGrid(const VDXML_MODIFIEDGRID& grid);
};
