// Projects of a document go below its "Application" element.
#include "vdxml/document.h"
#include "vdxml/project.h"

long CVdXmlDocument::InsertProject(const VDXML_PROJECT& project, CVdXmlProject& out) {
    const CVdXmlNode* application = GetNode(NODE_APPLICATION);
    if (!GetXmlDocument() || !application) return E_FAIL;
    return out.Create(*application, project);
}
