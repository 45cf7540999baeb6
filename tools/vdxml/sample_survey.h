// Generation of a sample survey: points on a local grid with their WGS 84 positions and
// every other element kind the library writes, for demonstrations, tests and benchmarks.
#pragma once

#include <functional>
#include <string>

#include "vdxml/backend.h"
#include "vdxml/code_page.h"

namespace vdxml_cli {

struct SampleOptions {
    std::string file;
    IVdXmlDoc::enmDocType backEnd = IVdXmlDoc::DOCTYPE_STREAM;
    long long points = 10;
    VDXML_CODEPAGE codePage = VDXML_CODEPAGE_1252;  ///< the code page of the file's texts
};

/// Writes the sample file; onPoint is called after each point with the number written so far.
/// Returns the first failing status (what was written stays), else S_OK.
long WriteSampleSurvey(const SampleOptions& options, const std::function<void(long long)>& onPoint);

/// Geodetic WGS 84 position of the i-th sample point and its earth-centred coordinates.
struct SamplePosition {
    double lat, lon, height;  // radians, metres
    double x, y, z;           // metres
    double east, north;       // local grid, metres
};
SamplePosition SamplePointPosition(long long index);

}  // namespace vdxml_cli
