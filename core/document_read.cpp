// Reading a root element back into the file-level record.
#include "elements/read_rows.h"
#include "vdxml/document.h"
#include "vdxml/vocabulary.h"

namespace vdxml_elements {
void AddReadRows(Map& map, VDXML_ROOT& root, ReadScratch&) {
    using F = VDXML_PARSE_NODEDATA;
    map.AddEntry(VdXml::tagName, 1, F::fmtString, &root.Company);
    map.AddEntry(VdXml::tagSourceDatasetLocation, 1, F::fmtString, &root.SourceDatasetLocation);
    map.AddEntry(VdXml::tagName, 2, F::fmtString, &root.Application);
    map.AddEntry(VdXml::tagMajor, 3, F::fmtByte, &root.Version.Major);
    map.AddEntry(VdXml::tagMinor, 3, F::fmtByte, &root.Version.Minor);
    map.AddEntry(VdXml::tagBuild, 3, F::fmtLong, &root.Version.Build);
    map.AddEntry(VdXml::tagUnitLinear, 3, F::fmtInt, &root.Units.Linear);
    map.AddEntry(VdXml::tagUnitAngular, 3, F::fmtInt, &root.Units.Angular);
    map.AddEntry(VdXml::tagTimeSystem, 3, F::fmtInt, &root.Units.TimeSystem);
}
}  // namespace vdxml_elements

long CVdXmlDocument::Read(VDXML_ELEMENT& element, VDXML_ROOT& root) {
    return vdxml_elements::ReadByRows(element, root, &ReadValues);
}
