#include "core/dom_doc.h"
#include "core/stream_doc.h"
#include "vdxml/root.h"

IVdXmlDoc* VdXmlCreateBackEnd(IVdXmlDoc::enmDocType docType) {
    if (docType == IVdXmlDoc::DOCTYPE_STREAM) return new CVdXmlStreamDoc;
    return new CVdXmlDomDoc;
}
