#include "landxml/import_handler.h"

#include <cstdlib>
#include <sstream>

#include "landxml/landxml_text.h"

namespace vdxml_landxml {
namespace {
constexpr std::size_t kMaxPointText = 4096;  // "north east elevation" needs far less

std::string_view LocalName(std::string_view qname) {
    const auto colon = qname.find(':');
    return colon == std::string_view::npos ? qname : qname.substr(colon + 1);
}

// A point class of a "pntSurv" value; the reverse of the export's.
std::uint32_t PointClass(const std::string& role) {
    if (role == "control") return VDXML_PNT_CLASS_CONTROL;
    if (role == "reference") return VDXML_PNT_CLASS_REFERENCE;
    if (role == "sideshot") return VDXML_PNT_CLASS_MEASURED;
    return VDXML_PNT_CLASS_NONE;
}

// "1.2.3" as a version; a missing or unreadable part is 0, a major version of 0 becomes 1.
VDXML_VERSION VersionOf(const std::string& text) {
    VDXML_VERSION version;
    unsigned long parts[3] = {0, 0, 0};
    std::istringstream in(text);
    for (unsigned long& part : parts) {
        std::string piece;
        if (!std::getline(in, piece, '.')) break;
        part = std::strtoul(piece.c_str(), nullptr, 10);
    }
    version.Major = static_cast<std::uint8_t>(parts[0] > 0 && parts[0] < 256 ? parts[0] : 1);
    version.Minor = static_cast<std::uint8_t>(parts[1] < 256 ? parts[1] : 0);
    version.Build = static_cast<std::uint32_t>(parts[2]);
    return version;
}

_bstr_t Wide(const std::string& utf8) { return _bstr_t(utf8.c_str()); }
}  // namespace

ImportHandler::ImportHandler(const char* target, IVdXmlDoc::enmDocType docType,
                             VDXML_CODEPAGE codePage, SummaryCounts& summary)
    : m_target(target), m_docType(docType), m_summary(summary) {
    m_root.CodePage = codePage;
    m_root.NamespaceURI = L"urn:vdxml:survey";
    m_root.Company = L"unknown";
    m_root.Application = L"LandXML import";
    m_root.Version.Major = 1;
    m_root.Units.Linear = 1;
    m_root.Units.Angular = 1;
    m_root.Units.TimeSystem = 1;
}

bool ImportHandler::Fail(long status, const std::string& message) {
    m_status = status;
    m_summary.Tell((m_line > 0 ? "line " + std::to_string(m_line) + ": " : std::string()) +
                   message);
    return false;
}

bool ImportHandler::Check(long hr, const char* what) {
    if (SUCCEEDED(hr)) return true;
    return Fail(hr, std::string(what) + " cannot be written");
}

std::optional<double> ImportHandler::Number(const vdxml_engine::XmlAttributes& attributes,
                                            std::string_view name, bool& bad) {
    if (!attributes.Find(name, m_attribute)) return std::nullopt;
    const auto value = ParseNumber(m_attribute);
    if (!value) {
        bad = true;
        Fail(VDXML_E_LANDXML_VALUE, std::string(name) + " '" + m_attribute + "' is not a number");
    }
    return value;
}

std::optional<double> ImportHandler::AngleValue(const vdxml_engine::XmlAttributes& attributes,
                                                std::string_view name, AngleUnit unit, bool& bad) {
    const auto value = Number(attributes, name, bad);
    if (!value) return value;
    return ToRadians(*value, unit);
}

ImportHandler::Kind ImportHandler::Classify(std::string_view local, Kind parent) const {
    switch (parent) {
        case Kind::Root:
            if (local == "Units") return Kind::Units;
            if (local == "Application") return Kind::Application;
            if (local == "Project") return Kind::Project;
            if (local == "CoordinateSystem") return Kind::CoordinateSystem;
            if (local == "CgPoints") return Kind::CgPoints;
            if (local == "Survey") return Kind::Survey;
            break;
        case Kind::Units:
            if (local == "Metric" || local == "Imperial") return Kind::UnitSystem;
            break;
        case Kind::CgPoints:
            if (local == "CgPoint") return Kind::CgPoint;
            if (local == "CgPoints") return Kind::CgPoints;
            break;
        case Kind::Survey:
            if (local == "SurveyHeader") return Kind::Consumed;  // its contents are skipped
            if (local == "CgPoints") return Kind::CgPoints;
            if (local == "InstrumentSetup") return Kind::InstrumentSetup;
            break;
        case Kind::InstrumentSetup:
            if (local == "InstrumentPoint") return Kind::Consumed;  // stationName names it
            if (local == "RawObservation") return Kind::RawObservation;
            break;
        case Kind::RawObservation:
            if (local == "TargetPoint") return Kind::Consumed;
            break;
        default:
            break;
    }
    return Kind::Skipped;
}

bool ImportHandler::StartElement(std::string_view qname, bool, long line,
                                 const vdxml_engine::XmlAttributes& attributes) {
    m_line = line;
    const std::string_view local = LocalName(qname);
    if (m_open.empty()) {
        if (local != "LandXML" || attributes.ElementNamespace() != kLandXmlNamespace)
            return Fail(VDXML_E_NOT_LANDXML,
                        "the root element is not \"LandXML\" in the LandXML 1.2 namespace");
        m_open.push_back({Kind::Root});
        return true;
    }
    const Kind parent = m_open.back().kind;
    if (parent == Kind::Skipped) {
        m_open.push_back({parent});  // inside a skipped element: skipped with it, not counted
        return true;
    }
    const bool landXml = attributes.ElementNamespace() == kLandXmlNamespace;
    const Kind kind = landXml ? Classify(local, parent) : Kind::Skipped;
    if (kind == Kind::Skipped)
        m_summary.Skip(landXml ? "LandXML element \"" + std::string(local) + "\""
                               : "element of another namespace \"" + std::string(qname) + "\"");
    m_open.push_back({kind});
    m_element = local;
    return Open(kind, attributes);
}

bool ImportHandler::Open(Kind kind, const vdxml_engine::XmlAttributes& attributes) {
    std::string name, desc;
    switch (kind) {
        case Kind::UnitSystem:
            return ReadUnits(attributes, m_element);
        case Kind::Application:
            ReadApplication(attributes);
            return true;
        case Kind::Project:
            attributes.Find("name", name);
            attributes.Find("desc", desc);
            StartProject(name, desc);
            return true;
        case Kind::CoordinateSystem:
            m_system = std::make_unique<VDXML_COORDINATESYSTEM>();
            if (attributes.Find("name", name)) m_system->Name = Wide(name);
            if (attributes.Find("desc", desc)) m_system->Note = Wide(desc);
            if (attributes.Find("ellipsoidName", name)) m_system->Ellipsoid.Name = Wide(name);
            if (attributes.Find("projectedCoordinateSystemName", name))
                m_system->Projection.Name = Wide(name);
            return m_project ? WriteCoordinateSystem() : true;
        case Kind::CgPoints:
        case Kind::Survey:
            attributes.Find("name", name);
            return EnsureProject(name);
        case Kind::CgPoint: {
            m_point = VDXML_POINT();
            m_coord = VDXML_COORD();
            m_code.clear();
            m_pointText.clear();
            if (attributes.Find("name", name)) m_point.Name = Wide(name);
            if (attributes.Find("desc", desc)) m_point.Note = Wide(desc);
            attributes.Find("code", m_code);
            if (attributes.Find("pntSurv", name)) {
                m_point.Class = PointClass(name);
                if (m_point.Class == VDXML_PNT_CLASS_NONE)
                    m_summary.Skip("CgPoint pntSurv \"" + name + "\" without a point class");
            }
            m_pointRefOnly = attributes.Find("pntRef", name);
            bool bad = false;
            const auto lat = AngleValue(attributes, "latitude", m_latLong, bad);
            const auto lon = AngleValue(attributes, "longitude", m_latLong, bad);
            const auto he = Number(attributes, "ellipsoidHeight", bad);
            if (bad) return false;
            VDXML_GEODETIC& llh = m_coord.Wgs84Llh;
            if (lat && lon) {
                llh.Lat = *lat, llh.Lon = *lon;
                llh.Flags |= VDXML_GEODETIC::flagLatLon;
            }
            if (he) {
                llh.HE = *he;
                llh.Flags |= VDXML_GEODETIC::flagHE;
            }
            return true;
        }
        case Kind::InstrumentSetup:
            return StartSetup(attributes);
        case Kind::RawObservation:
            return WriteObservation(attributes);
        default:
            return true;
    }
}

bool ImportHandler::Text(std::string_view utf8) {
    if (m_open.empty() || m_open.back().kind != Kind::CgPoint) return true;
    if (m_pointText.size() + utf8.size() > kMaxPointText)
        return Fail(VDXML_E_LANDXML_VALUE, "a CgPoint's coordinates are too long a text");
    m_pointText.append(utf8);
    return true;
}

bool ImportHandler::EndElement() {
    if (m_open.empty()) return true;
    const Kind kind = m_open.back().kind;
    m_open.pop_back();
    switch (kind) {
        case Kind::CgPoint:
            return WritePoint();
        case Kind::InstrumentSetup:
            m_setup.reset();
            return true;
        default:
            return true;
    }
}

bool ImportHandler::ReadUnits(const vdxml_engine::XmlAttributes& attributes,
                              std::string_view system) {
    if (m_document) {
        m_summary.Skip("Units after the data began (the first units stay)");
        return true;
    }
    std::string linear, name;
    attributes.Find("linearUnit", linear);
    const LinearUnit* unit = LinearUnitNamed(system, linear);
    if (!unit)
        return Fail(VDXML_E_LANDXML_VALUE,
                    "linear unit \"" + linear + "\" has no counterpart in survey files");
    m_root.Units.Linear = unit->code;
    const auto angle = [&](const char* attribute, AngleUnit& out) {
        if (!attributes.Find(attribute, name)) return true;  // the default stays
        const auto parsed = AngleUnitNamed(name);
        if (!parsed)
            return Fail(VDXML_E_LANDXML_VALUE,
                        std::string(attribute) + " \"" + name + "\" is not an angle unit");
        out = *parsed;
        return true;
    };
    return angle("angularUnit", m_angles) && angle("directionUnit", m_directions) &&
           angle("latLongAngularUnit", m_latLong);
}

void ImportHandler::ReadApplication(const vdxml_engine::XmlAttributes& attributes) {
    if (m_document) {
        m_summary.Skip("Application after the data began");
        return;
    }
    std::string text;
    if (attributes.Find("name", text) && !text.empty()) m_root.Application = Wide(text);
    if (attributes.Find("manufacturer", text) && !text.empty()) m_root.Company = Wide(text);
    if (attributes.Find("version", text)) m_root.Version = VersionOf(text);
}

bool ImportHandler::EnsureDocument() {
    if (m_document) return true;
    m_document = std::make_unique<CVdXmlDocument>();
    return Check(m_document->Initialize(m_root, m_docType, Wide(m_target), 0), "the survey file");
}

void ImportHandler::StartProject(const std::string& name, const std::string& desc) {
    // Written when its first content comes, so that units and application read until then
    // still reach the file's head.
    m_setup.reset();
    m_project.reset();
    m_firstControl.clear();
    m_pendingProject = std::make_unique<VDXML_PROJECT>();
    m_pendingProject->Name = Wide(name.empty() ? "LandXML" : name);
    m_pendingProject->Note = Wide(desc);
}

bool ImportHandler::EnsureProject(const std::string& name) {
    if (m_project) return true;
    if (!m_pendingProject) StartProject(name, "");
    if (!EnsureDocument()) return false;
    m_project = std::make_unique<CVdXmlProject>();
    const long hr = m_document->InsertProject(*m_pendingProject, *m_project);
    m_pendingProject.reset();
    if (!Check(hr, "the project")) return false;
    return m_system ? WriteCoordinateSystem() : true;
}

bool ImportHandler::WriteCoordinateSystem() {
    CVdXmlCoordinateSystem node;
    const long hr = node.Create(*m_project, *m_system);
    m_system.reset();
    return Check(hr, "the coordinate system");
}

bool ImportHandler::WritePoint() {
    if (m_pointRefOnly && m_pointText.empty()) {
        m_summary.Skip("CgPoint that refers to another point (pntRef)");
        return true;
    }
    if (m_point.Name.length() == 0) {
        m_summary.Skip("CgPoint without a name");
        return true;
    }
    std::istringstream in(m_pointText);
    std::vector<double> values;
    for (std::string word; in >> word;) {
        const auto value = ParseNumber(word);
        if (!value || values.size() == 3)
            return Fail(VDXML_E_LANDXML_VALUE, "CgPoint \"" + m_point.Name.utf8() + "\": \"" +
                                                   m_pointText +
                                                   "\" is not north east [elevation]");
        values.push_back(*value);
    }
    if (values.size() == 1)
        return Fail(VDXML_E_LANDXML_VALUE,
                    "CgPoint \"" + m_point.Name.utf8() + "\" has a northing without an easting");
    VDXML_GRID& enh = m_coord.LocalEnh;
    if (values.size() >= 2) {
        enh.N = values[0], enh.E = values[1];
        enh.Flags |= VDXML_GRID::flagEN;
    }
    if (values.size() == 3) {
        enh.HO = values[2];
        enh.Flags |= VDXML_GRID::flagHO;
    }
    const bool height =
        (enh.Flags & VDXML_GRID::flagHO) || (m_coord.Wgs84Llh.Flags & VDXML_GEODETIC::flagHE);
    m_coord.Type = height ? VDXML_COORD_TYPE_3D : VDXML_COORD_TYPE_2D;

    CVdXmlPoint pointNode;
    if (!Check(pointNode.Create(*m_project, m_point), "a point")) return false;
    if (m_point.Class == VDXML_PNT_CLASS_CONTROL && m_firstControl.empty())
        m_firstControl = m_point.Name.utf8();
    if ((enh.Flags | m_coord.Wgs84Llh.Flags) != 0) {
        CVdXmlCoord coordNode;
        if (!Check(coordNode.Create(pointNode, m_coord), "a point's coordinates")) return false;
    }
    if (!m_code.empty()) {
        VDXML_THEMATICAL_CODE code;
        code.ItemName.Name = Wide(m_code);
        CVdXmlThematicalCode codeNode;
        if (!Check(codeNode.Create(pointNode, code), "a point's code")) return false;
    }
    ++m_summary.counts.points;
    return true;
}

bool ImportHandler::StartSetup(const vdxml_engine::XmlAttributes& attributes) {
    std::string station;
    attributes.Find("stationName", station);
    bool bad = false;
    const auto height = Number(attributes, "instrumentHeight", bad);
    const auto orientation = AngleValue(attributes, "orientationAzimuth", m_directions, bad);
    if (bad) return false;
    if (!height) return Fail(VDXML_E_LANDXML_VALUE, "InstrumentSetup without instrumentHeight");
    // Survey files keep setups directly below the project, where a setup stands on the
    // project's first control point: another station's name has no place.
    if (station != m_firstControl)
        m_summary.Skip("InstrumentSetup stationName other than the project's first control point");
    VDXML_TPS_SETUP setup;
    setup.Flags = VDXML_TPS_SETUP::flagInstrHgt;
    setup.InstrHgt = *height;
    if (orientation) {
        setup.Flags |= VDXML_TPS_SETUP::flagInstrOrientation;
        setup.InstrOrientation = *orientation;
    }
    // LandXML describes instruments apart, in "Equipment"; the setup names none.
    setup.Instrument.Flags = VDXML_TPS_INSTRUMENT::maskRequired;
    setup.Instrument.Type = L"not given";
    m_setup = std::make_unique<CVdXmlTpsSetup>();
    if (!Check(m_setup->Create(*m_project, setup), "a setup")) return false;
    ++m_summary.counts.setups;
    return true;
}

bool ImportHandler::WriteObservation(const vdxml_engine::XmlAttributes& attributes) {
    if (!m_setup) return true;
    bool bad = false;
    const auto target = Number(attributes, "targetHeight", bad);
    const auto hz = AngleValue(attributes, "horizAngle", m_angles, bad);
    const auto zen = AngleValue(attributes, "zenithAngle", m_angles, bad);
    const auto slope = Number(attributes, "slopeDistance", bad);
    const auto horizontal = Number(attributes, "horizDistance", bad);
    const auto vertical = Number(attributes, "vertDistance", bad);
    if (bad) return false;
    VDXML_TPS_OBSSET obs;
    const auto set = [&](const std::optional<double>& value, double& field, std::uint8_t flag) {
        if (!value) return;
        field = *value;
        obs.Flags |= flag;
    };
    set(hz, obs.Hz, VDXML_TPS_OBSSET::flagHz);
    set(zen, obs.Zen, VDXML_TPS_OBSSET::flagZen);
    set(slope, obs.DistS, VDXML_TPS_OBSSET::flagDistS);
    set(horizontal, obs.DistHz, VDXML_TPS_OBSSET::flagDistHz);
    set(vertical, obs.DH, VDXML_TPS_OBSSET::flagDH);
    if (!(obs.Flags & VDXML_TPS_OBSSET::maskObservations)) {
        m_summary.Skip("RawObservation without angles or distances");
        return true;
    }
    if (target) {
        obs.Reflector.Flags = VDXML_TPS_REFLECTOR::flagReflector;
        obs.Reflector.Type = VDXML_TPS_REFLECTOR_UNKNOWN;
        obs.Reflector.Hgt = *target;
    }
    std::string text;
    if (attributes.Find("directFace", text))
        obs.FaceType = text == "true" || text == "1" ? VDXML_TPS_FACE_I : VDXML_TPS_FACE_II;
    if (attributes.Find("timeStamp", text)) {
        const auto time = ParseDateTime(text);
        if (!time) return Fail(VDXML_E_LANDXML_VALUE, "timeStamp '" + text + "' is not a date");
        obs.Time = *time;
    }
    CVdXmlTpsObsSet node;
    if (!Check(node.Create(*m_setup, obs), "a raw observation")) return false;
    ++m_summary.counts.observations;
    return true;
}

long ImportHandler::Finish() {
    if (FAILED(m_status)) return m_status;
    if ((m_system || m_pendingProject) && !EnsureProject("")) return m_status;
    if (!EnsureDocument()) return m_status;
    m_setup.reset();
    m_project.reset();
    const long hr = m_document->Save();
    if (FAILED(hr)) Fail(hr, "the survey file cannot be saved");
    return hr;
}

}  // namespace vdxml_landxml
