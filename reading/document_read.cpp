// Reading a root element back into the file-level record.
#include "vdxml/document.h"
#include "vdxml/vocabulary.h"

long CVdXmlDocument::Read(VDXML_ELEMENT& element, VDXML_ROOT& root) {
    if (!element.Element()) return E_FAIL;
    try {
        using F = VDXML_PARSE_NODEDATA;
        VDXML_MAP_PARSE_NODEDATA map;
        map.AddEntry(VdXml::tagName, 1, F::fmtString, &root.Company);
        map.AddEntry(VdXml::tagSourceDatasetLocation, 1, F::fmtString, &root.SourceDatasetLocation);
        map.AddEntry(VdXml::tagName, 2, F::fmtString, &root.Application);
        map.AddEntry(VdXml::tagMajor, 3, F::fmtByte, &root.Version.Major);
        map.AddEntry(VdXml::tagMinor, 3, F::fmtByte, &root.Version.Minor);
        map.AddEntry(VdXml::tagBuild, 3, F::fmtLong, &root.Version.Build);
        map.AddEntry(VdXml::tagUnitLinear, 3, F::fmtInt, &root.Units.Linear);
        map.AddEntry(VdXml::tagUnitAngular, 3, F::fmtInt, &root.Units.Angular);
        map.AddEntry(VdXml::tagTimeSystem, 3, F::fmtInt, &root.Units.TimeSystem);
        return ReadValues(element, map);
    } catch (const _com_error& e) {
        return e.Error();
    }
}
