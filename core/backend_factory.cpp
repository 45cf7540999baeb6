#include "core/dom_doc.h"
#include "vdxml/root.h"

IVdXmlDoc* VdXmlCreateBackEnd(IVdXmlDoc::enmDocType docType) {
    if (docType == IVdXmlDoc::DOCTYPE_STREAM) return nullptr;  // streaming back end plugs in here
    return new CVdXmlDomDoc;
}
