// Every element reader as the rows of a reading map and a step after them. The static Read of
// an element class builds its map from these rows for one element of a loaded document; the
// streaming parser turns the same rows into a plan once per element kind and fills records
// from the file's text as it passes. So both ways of reading restore the same values.
#pragma once

#include "vdxml/node.h"

struct VDXML_PROJECT;
struct VDXML_TPS_SETUP;
struct VDXML_TPS_SETUP_DETAILS;
struct VDXML_TPS_OBSSET;
struct VDXML_GPSBASELINE;
struct VDXML_GPS_REFERENCE;
struct VDXML_GPS_ROVER;

namespace vdxml_elements {

using Map = VDXML_MAP_PARSE_NODEDATA;

/// What a reader keeps beside its record while the rows are filled: texts that are converted
/// once every row has been read.
struct ReadScratch {
    _bstr_t duration;  ///< the rover's common-epoch duration ("P1DT12H")
};

// The rows of each reader, pointing into the record (and the scratch).
void AddReadRows(Map& map, VDXML_ROOT& root, ReadScratch& scratch);
void AddReadRows(Map& map, VDXML_PROJECT& project, ReadScratch& scratch);
void AddReadRows(Map& map, VDXML_POINT& point, ReadScratch& scratch);
void AddReadRows(Map& map, VDXML_COORD& coord, ReadScratch& scratch);
void AddReadRows(Map& map, VDXML_TPS_SETUP& setup, ReadScratch& scratch);
void AddReadRows(Map& map, VDXML_TPS_OBSSET& obsSet, ReadScratch& scratch);
void AddReadRows(Map& map, VDXML_GPS_REFERENCE& reference, ReadScratch& scratch);
void AddReadRows(Map& map, VDXML_GPS_ROVER& rover, ReadScratch& scratch);
void AddReadRows(Map& map, VDXML_THEMATICAL_CODE& code, ReadScratch& scratch);
void AddReadRows(Map& map, VDXML_THEMATICAL_ATTRIBUTE& attribute, ReadScratch& scratch);
// Readers that only check their element: differences, coordinate systems, residuals, setup
// details and baselines restore no value from the element's children.
inline void AddReadRows(Map&, VDXML_DCOORD&, ReadScratch&) {}
inline void AddReadRows(Map&, VDXML_COORDINATESYSTEM&, ReadScratch&) {}
inline void AddReadRows(Map&, VDXML_TRFRESIDUAL&, ReadScratch&) {}
inline void AddReadRows(Map&, VDXML_TPS_SETUP_DETAILS&, ReadScratch&) {}
inline void AddReadRows(Map&, VDXML_GPSBASELINE&, ReadScratch&) {}

/// The step after the rows, for readers that have one. @return S_OK, or E_FAIL for a text
/// that cannot be converted
inline long FinishRead(VDXML_BASE&, const ReadScratch&) { return S_OK; }
long FinishRead(VDXML_GPS_ROVER& rover, const ReadScratch& scratch);
long FinishRead(VDXML_GPSBASELINE& baseline, const ReadScratch& scratch);

/// The reader of an element kind by its rows: an empty handle is refused, the rows are read
/// by readValues (CVdXmlNodeBase::ReadValues, passed in by the element class, which may call
/// it), then the step after them runs. An engine failure comes back as its status.
template <class Record>
long ReadByRows(VDXML_ELEMENT& element, Record& record,
                long (*readValues)(VDXML_ELEMENT&, const Map&)) {
    if (!element.Element()) return E_FAIL;
    try {
        ReadScratch scratch;
        Map map;
        AddReadRows(map, record, scratch);
        const long hr = readValues(element, map);
        return FAILED(hr) ? hr : FinishRead(record, scratch);
    } catch (const _com_error& e) {
        return e.Error();
    }
}

}  // namespace vdxml_elements
