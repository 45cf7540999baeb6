#include "stream_diff.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "reading/element_kinds.h"
#include "vdxml/gps_records.h"
#include "vdxml/parser.h"

namespace vdxml_fuzz {
namespace {

using vdxml_reading::ElementKind;

// A record as the text of everything its reader may have set: each row's destination and flag
// byte by the kind's plan, and the fields the readers' steps after their rows set.
std::string Fingerprint(const ElementKind& kind, const VDXML_BASE& record) {
    const char* base = reinterpret_cast<const char*>(&record);
    std::vector<std::string> values;
    char number[64];
    for (const auto& [key, row] : kind.plan().rows) {
        if (row.inScratch) continue;
        const char* at = base + row.offset;
        std::string out = key + "=";
        switch (row.format) {
            case VDXML_PARSE_NODEDATA::fmtString:
                out += reinterpret_cast<const _bstr_t*>(at)->utf8();
                break;
            case VDXML_PARSE_NODEDATA::fmtDouble:
            case VDXML_PARSE_NODEDATA::fmtDateTime: {
                std::uint64_t bits;
                std::memcpy(&bits, at, sizeof bits);
                std::snprintf(number, sizeof number, "%016llx",
                              static_cast<unsigned long long>(bits));
                out += number;
                break;
            }
            case VDXML_PARSE_NODEDATA::fmtByte:
                out += std::to_string(*reinterpret_cast<const std::uint8_t*>(at));
                break;
            default: {
                std::int32_t value;
                std::memcpy(&value, at, sizeof value);
                out += std::to_string(value);
            }
        }
        if (row.flagsAt >= 0)
            out += "/" + std::to_string(*reinterpret_cast<const std::uint8_t*>(base + row.flagsAt));
        values.push_back(std::move(out));
    }
    std::sort(values.begin(), values.end());  // the plan's order is a hash map's
    std::string out;
    for (const std::string& value : values) out += value + ";";
    if (record.nType == VDXML_TYPE_GPS_ROVER) {
        std::snprintf(number, sizeof number, "span=%a",
                      static_cast<const VDXML_GPS_ROVER&>(record).TSCE.Span);
        out += number;
    }
    if (record.nType == VDXML_TYPE_GPSBASELINE)
        out += "flags=" + std::to_string(static_cast<const VDXML_GPSBASELINE&>(record).Flags);
    return out;
}

// Writes down each notification: its name, the table's slots and the fingerprint of every
// record in them.
class Transcript : public IVdXmlNotifications {
  public:
    std::vector<std::string> lines;

#define VDXML_TRANSCRIBE(Name) \
    int Name(VdXml::_CURRENCYTABLE* table) override { return Note(#Name, table); }
    VDXML_TRANSCRIBE(OnVdXmlBegin)
    VDXML_TRANSCRIBE(OnVdXmlClose)
    VDXML_TRANSCRIBE(OnProject)
    VDXML_TRANSCRIBE(OnProjectClose)
    VDXML_TRANSCRIBE(OnPoint)
    VDXML_TRANSCRIBE(OnPointClose)
    VDXML_TRANSCRIBE(OnCoord)
    VDXML_TRANSCRIBE(OnCoordClose)
    VDXML_TRANSCRIBE(OnDCoord)
    VDXML_TRANSCRIBE(OnDCoordClose)
    VDXML_TRANSCRIBE(OnTpsSetup)
    VDXML_TRANSCRIBE(OnTpsSetupClose)
    VDXML_TRANSCRIBE(OnTpsSetupDetails)
    VDXML_TRANSCRIBE(OnTpsSetupDetailsClose)
    VDXML_TRANSCRIBE(OnTpsObsSet)
    VDXML_TRANSCRIBE(OnTpsObsSetClose)
    VDXML_TRANSCRIBE(OnCoordinateSystem)
    VDXML_TRANSCRIBE(OnCoordinateSystemClose)
    VDXML_TRANSCRIBE(OnTrfResidual)
    VDXML_TRANSCRIBE(OnTrfResidualClose)
    VDXML_TRANSCRIBE(OnGpsBaseline)
    VDXML_TRANSCRIBE(OnGpsBaselineClose)
    VDXML_TRANSCRIBE(OnGpsReference)
    VDXML_TRANSCRIBE(OnGpsReferenceClose)
    VDXML_TRANSCRIBE(OnGpsRover)
    VDXML_TRANSCRIBE(OnGpsRoverClose)
    VDXML_TRANSCRIBE(OnCode)
    VDXML_TRANSCRIBE(OnCodeClose)
    VDXML_TRANSCRIBE(OnAttribute)
    VDXML_TRANSCRIBE(OnAttributeClose)
#undef VDXML_TRANSCRIBE

    std::vector<std::string> shapes;  ///< the same lines without the records' values

  private:
    int Note(const char* name, VdXml::_CURRENCYTABLE* table) {
        std::string line = name, shape = name;
        for (const ElementKind& kind : vdxml_reading::ElementKinds()) {
            const VDXML_BASE* record = kind.get(*table);
            line += " |";
            shape += record ? " x" : " -";
            if (record) line += Fingerprint(kind, *record);
        }
        if (table->pReserved) line += " reserved slot set";
        lines.push_back(std::move(line));
        shapes.push_back(std::move(shape));
        return 0;
    }
};

Transcript Read(const std::string& path, bool stream, long& status) {
    Transcript transcript;
    CVdXmlParser parser;
    parser.SetCallbackInterface(&transcript);
    status = stream ? parser.ParseStream(path.c_str()) : parser.Parse(path.c_str());
    return transcript;
}

}  // namespace

StreamComparison CompareReadings(const std::string& path) {
    StreamComparison c;
    const Transcript parsed = Read(path, false, c.parseStatus);
    const Transcript streamed = Read(path, true, c.streamStatus);
    c.parsed = parsed.lines;
    c.streamed = streamed.lines;
    // Stopped out of order, the records of the elements still open may lack their late
    // entries: the notifications sent so far agree in kind, order and slots.
    const bool prefix =
        streamed.shapes.size() < parsed.shapes.size() &&
        std::equal(streamed.shapes.begin(), streamed.shapes.end(), parsed.shapes.begin());
    if (c.streamStatus == S_OK) {
        if (c.parseStatus != S_OK)
            c.difference = "the stream read a file that Parse refuses";
        else if (c.streamed != c.parsed)
            c.difference = "the notifications differ";
    } else if (c.streamStatus == VDXML_E_OUT_OF_ORDER) {
        // A file that Parse refuses may break after the point where the stream stopped.
        if (c.parseStatus == S_OK && !prefix)
            c.difference = "out of order, but not after a prefix of Parse's notifications";
    } else if (c.parseStatus == S_OK) {
        c.difference = "the stream failed on a file that Parse reads";
    }
    if (!c.difference.empty()) {
        for (std::size_t i = 0; i < std::max(c.parsed.size(), c.streamed.size()); ++i) {
            const std::string a = i < c.parsed.size() ? c.parsed[i] : "(none)";
            const std::string b = i < c.streamed.size() ? c.streamed[i] : "(none)";
            if (a != b) {
                c.difference += " at notification " + std::to_string(i) + ":\n  parse:  " + a +
                                "\n  stream: " + b;
                break;
            }
        }
    }
    return c;
}

}  // namespace vdxml_fuzz
