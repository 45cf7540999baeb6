#include "record_text.h"

#include <cmath>
#include <cstdio>

#include "vdxml/geometry_texts.h"
#include "vdxml/gps_records.h"
#include "vdxml/thematic_records.h"
#include "vdxml/thematic_texts.h"
#include "vdxml/tps_records.h"
#include "vdxml/tps_texts.h"
#include "vdxml/vdxml.h"

namespace vdxml_cli {
namespace {
constexpr double kDegrees = 180.0 / 3.14159265358979323846;

struct Kind {
    std::int32_t type;
    const char* name;
};
const Kind kKinds[] = {{VDXML_TYPE_ROOT, "Company"},
                       {VDXML_TYPE_PROJECT, "Project"},
                       {VDXML_TYPE_POINT, "Pnt"},
                       {VDXML_TYPE_COORD, "Crd"},
                       {VDXML_TYPE_DCOORD, "DCrd"},
                       {VDXML_TYPE_COORDINATESYSTEM, "CoordinateSystem"},
                       {VDXML_TYPE_TRFRESIDUAL, "TrfResidual"},
                       {VDXML_TYPE_TPS_SETUP, "TpsSetup"},
                       {VDXML_TYPE_TPS_SETUP_DETAILS, "TpsSetupDetails"},
                       {VDXML_TYPE_TPS_OBSSET, "TpsObsSet"},
                       {VDXML_TYPE_GPS_REFERENCE, "Ref"},
                       {VDXML_TYPE_GPS_ROVER, "Rov"},
                       {VDXML_TYPE_GPSBASELINE, "GpsBl"},
                       {VDXML_TYPE_THEMATICAL_CODE, "ThematicalCode"},
                       {VDXML_TYPE_THEMATICAL_ATTRIBUTE, "ThematicalAttr"}};

// Numbers keep what the file holds, rounded to a sensible display precision.
double Round(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

using Json = nlohmann::ordered_json;

void AddName(Json& out, const _bstr_t& name) {
    if (!name.empty()) out["Name"] = Utf8(name);
}
void AddText(Json& out, const char* key, const _bstr_t& text) {
    if (!text.empty()) out[key] = Utf8(text);
}
// The text of an enumerated value, or its number when the table has no text for it.
void AddEnum(Json& out, const char* key, std::int64_t code, const VdXmlEnumTable& table) {
    const wchar_t* text = table.Find(code);
    if (text)
        out[key] = Utf8(text);
    else
        out[key] = code;
}

Json CoordFields(const VDXML_COORD& c) {
    Json out = Json::object();
    if (c.LocalEnh.Flags & VDXML_GRID::flagEN) {
        out["E"] = Round(c.LocalEnh.E, 4);
        out["N"] = Round(c.LocalEnh.N, 4);
    }
    if (c.LocalEnh.Flags & VDXML_GRID::flagHO) out["HO"] = Round(c.LocalEnh.HO, 4);
    if (c.Wgs84Llh.Flags & VDXML_GEODETIC::flagLatLon) {
        out["Lat"] = Round(c.Wgs84Llh.Lat * kDegrees, 9);
        out["Lon"] = Round(c.Wgs84Llh.Lon * kDegrees, 9);
    }
    if (c.Wgs84Llh.Flags & VDXML_GEODETIC::flagHE) out["HE"] = Round(c.Wgs84Llh.HE, 4);
    return out;
}

Json TpsFields(const VDXML_BASE& record) {
    Json out = Json::object();
    if (record.nType == VDXML_TYPE_TPS_SETUP) {
        const auto& s = static_cast<const VDXML_TPS_SETUP&>(record);
        if (s.Flags & VDXML_TPS_SETUP::flagInstrHgt) out["InstrHgt"] = Round(s.InstrHgt, 4);
        AddText(out, "Instrument", s.Instrument.Type);
    } else if (record.nType == VDXML_TYPE_TPS_SETUP_DETAILS) {
        AddEnum(out, "Method", static_cast<const VDXML_TPS_SETUP_DETAILS&>(record).Method,
                VdXml::enumTpsOrientationMethod);
    } else {
        const auto& o = static_cast<const VDXML_TPS_OBSSET&>(record);
        if (o.Flags & VDXML_TPS_OBSSET::flagHz) out["Hz"] = Round(o.Hz, 9);
        if (o.Flags & VDXML_TPS_OBSSET::flagZen) out["Zen"] = Round(o.Zen, 9);
        if (o.Flags & VDXML_TPS_OBSSET::flagDistS) out["DistS"] = Round(o.DistS, 4);
    }
    return out;
}

Json GpsSetupFields(const VDXML_GPS_SETUP& g) {
    Json out = Json::object();
    AddText(out, "SensorType", g.SensorType);
    if (g.Flags & VDXML_GPS_SETUP::flagAntHgt) out["AntHgt"] = Round(g.AntHgt, 4);
    AddText(out, "Antenna", g.Antenna.AntName);
    if (g.nType == VDXML_TYPE_GPS_ROVER) {
        const VDXML_DOPS& dops = static_cast<const VDXML_GPS_ROVER&>(g).DOPs;
        if (dops.Flags & VDXML_DOPS::flagPDOP) out["PDOP"] = Round(dops.PDOP, 2);
    }
    return out;
}

Json ThematicFields(const VDXML_BASE& record) {
    Json out = Json::object();
    if (record.nType == VDXML_TYPE_THEMATICAL_CODE) {
        const auto& c = static_cast<const VDXML_THEMATICAL_CODE&>(record);
        AddName(out, c.ItemName.Name);
        if (c.Type != VDXML_THEMATICAL_GEOMETRY_NONE)
            AddEnum(out, "Type", c.Type, VdXml::enumThematicGeometryType);
        AddText(out, "Description", c.CodeDesc);
    } else {
        const auto& a = static_cast<const VDXML_THEMATICAL_ATTRIBUTE&>(record);
        AddName(out, a.ItemName.Name);
        AddText(out, "Value", a.TextValue);
    }
    return out;
}
}  // namespace

std::string Utf8(const _bstr_t& text) { return text.utf8(); }

std::string KindName(std::int32_t type) {
    for (const Kind& k : kKinds)
        if (k.type == type) return k.name;
    return "?";
}

const std::vector<std::int32_t>& ReportedKinds() {
    static const std::vector<std::int32_t> kinds = [] {
        std::vector<std::int32_t> v;
        for (const Kind& k : kKinds) v.push_back(k.type);
        return v;
    }();
    return kinds;
}

nlohmann::ordered_json KeyFields(const VDXML_BASE& record) {
    Json out = Json::object();
    switch (record.nType) {
        case VDXML_TYPE_ROOT: {
            const auto& r = static_cast<const VDXML_ROOT&>(record);
            out["Company"] = Utf8(r.Company);
            out["Application"] = Utf8(r.Application);
            break;
        }
        case VDXML_TYPE_PROJECT:
            AddName(out, static_cast<const VDXML_PROJECT&>(record).Name);
            break;
        case VDXML_TYPE_POINT: {
            const auto& p = static_cast<const VDXML_POINT&>(record);
            AddName(out, p.Name);
            if (p.Class != VDXML_PNT_CLASS_NONE)
                AddEnum(out, "Class", p.Class, VdXml::enumPointClass);
            break;
        }
        case VDXML_TYPE_COORD:
            return CoordFields(static_cast<const VDXML_COORD&>(record));
        case VDXML_TYPE_TPS_SETUP:
        case VDXML_TYPE_TPS_SETUP_DETAILS:
        case VDXML_TYPE_TPS_OBSSET:
            return TpsFields(record);
        case VDXML_TYPE_GPS_REFERENCE:
        case VDXML_TYPE_GPS_ROVER:
            return GpsSetupFields(static_cast<const VDXML_GPS_SETUP&>(record));
        case VDXML_TYPE_THEMATICAL_CODE:
        case VDXML_TYPE_THEMATICAL_ATTRIBUTE:
            return ThematicFields(record);
        default:  // differences, coordinate systems, residuals and baselines: read without values
            break;
    }
    return out;
}

std::string KeyFieldsText(const VDXML_BASE& record) {
    std::string text;
    const nlohmann::ordered_json fields = KeyFields(record);  // items() must not outlive it
    for (const auto& [key, value] : fields.items()) {
        if (!text.empty()) text += ' ';
        text += key + "=" + (value.is_string() ? value.get<std::string>() : value.dump());
    }
    return text;
}

}  // namespace vdxml_cli
