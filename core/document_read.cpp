// Reading a root element back into the file-level record, by its rows (elements/read_rows.cpp).
#include "elements/read_rows.h"
#include "vdxml/document.h"

long CVdXmlDocument::Read(VDXML_ELEMENT& element, VDXML_ROOT& root) {
    return vdxml_elements::ReadByRows(element, root, &ReadValues);
}
