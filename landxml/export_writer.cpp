#include "landxml/export_writer.h"

#include <cmath>

#include "landxml/landxml_text.h"
#include "landxml/landxml_units.h"

namespace vdxml_landxml {
namespace {
constexpr int kLengthDecimals = 5;  // as survey files write lengths
constexpr int kAngleDecimals = 10;  // decimal degrees: 1e-10 degrees, well below a micrometre

std::string Utf8(const _bstr_t& text) { return text.utf8(); }

// "pntSurv" of a point class, where one fits; the reverse is in the import.
const char* SurveyRole(std::uint32_t pointClass) {
    switch (pointClass) {
        case VDXML_PNT_CLASS_CONTROL:
            return "control";
        case VDXML_PNT_CLASS_REFERENCE:
            return "reference";
        case VDXML_PNT_CLASS_MEASURED:
            return "sideshot";
        default:
            return nullptr;
    }
}

std::string VersionText(const VDXML_VERSION& version) {
    std::string text = std::to_string(version.Major) + "." + std::to_string(version.Minor);
    if (version.Build != 0) text += "." + std::to_string(version.Build);
    return text;
}
}  // namespace

ExportWriter::ExportWriter(vdxml_engine::Utf8XmlWriter& out, SummaryCounts& summary)
    : m_out(out), m_summary(summary) {}

ExportWriter::~ExportWriter() {
    m_survey.reset();
    if (m_spool) std::fclose(m_spool);
}

void ExportWriter::Number(vdxml_engine::Utf8XmlWriter& out, const char* name, double value,
                          int decimals) {
    if (std::isfinite(value)) out.Attribute(name, Fixed(value, decimals));
}

void ExportWriter::Angle(vdxml_engine::Utf8XmlWriter& out, const char* name, double radians) {
    Number(out, name, ToDegrees(radians), kAngleDecimals);
}

int ExportWriter::OnRecordOpen(VdXml::_CURRENCYTABLE& table, VDXML_BASE& record) {
    const std::int32_t parent = Parent();
    switch (record.nType) {
        case VDXML_TYPE_ROOT:
            Begin(static_cast<const VDXML_ROOT&>(record));
            break;
        case VDXML_TYPE_PROJECT:
            OpenProject(static_cast<const VDXML_PROJECT&>(record));
            break;
        case VDXML_TYPE_POINT:
            if (parent == VDXML_TYPE_PROJECT) {
                const auto& point = static_cast<const VDXML_POINT&>(record);
                m_point = std::make_unique<PendingPoint>();
                m_point->name = Utf8(point.Name);
                m_point->note = Utf8(point.Note);
                m_point->pointClass = point.Class;
                m_pointDepth = m_open.size();
                m_hasReference = m_hasRover = false;
            } else {
                m_summary.Skip("point inside another element (stakeout)");
            }
            break;
        case VDXML_TYPE_COORD:
            if (m_point && !m_point->hasCoord && m_open.size() == m_pointDepth + 1) {
                m_point->coord = static_cast<const VDXML_COORD&>(record);
                m_point->hasCoord = true;
            }
            break;
        case VDXML_TYPE_THEMATICAL_CODE:
            if (m_point && m_point->code.empty() && m_open.size() == m_pointDepth + 1)
                m_point->code =
                    Utf8(static_cast<const VDXML_THEMATICAL_CODE&>(record).ItemName.Name);
            break;
        case VDXML_TYPE_TPS_SETUP:
            OpenSetup(table, static_cast<const VDXML_TPS_SETUP&>(record));
            break;
        case VDXML_TYPE_TPS_OBSSET:
            if (m_setupOpen) WriteObservation(static_cast<const VDXML_TPS_OBSSET&>(record));
            break;
        case VDXML_TYPE_GPS_REFERENCE:
            m_reference = static_cast<const VDXML_GPS_REFERENCE&>(record);
            m_hasReference = true;
            break;
        case VDXML_TYPE_GPS_ROVER:
            m_rover = static_cast<const VDXML_GPS_ROVER&>(record);
            m_hasRover = true;
            break;
        case VDXML_TYPE_DCOORD:
            if (parent != VDXML_TYPE_GPSBASELINE) m_summary.Skip("coordinate difference (DCrd)");
            break;
        case VDXML_TYPE_GPSBASELINE:
            m_baselineVector = VDXML_DCARTESIAN();
            break;
        case VDXML_TYPE_TRFRESIDUAL:
            m_summary.Skip("transformation residual");
            break;
        case VDXML_TYPE_THEMATICAL_ATTRIBUTE:
            m_summary.Skip("thematic attribute");
            break;
        case VDXML_TYPE_TPS_SETUP_DETAILS:
            m_summary.Skip("setup details (orientation method)");
            break;
        default:
            break;
    }
    m_open.push_back(record.nType);
    return 0;
}

int ExportWriter::OnRecordClose(VdXml::_CURRENCYTABLE& table, VDXML_BASE& record) {
    if (!m_open.empty()) m_open.pop_back();
    switch (record.nType) {
        case VDXML_TYPE_PROJECT:
            CloseProject();
            break;
        case VDXML_TYPE_COORDINATESYSTEM:
            // Closed, its models and transformation are read (they follow its residuals).
            WriteCoordinateSystem(static_cast<const VDXML_COORDINATESYSTEM&>(record));
            break;
        case VDXML_TYPE_POINT:
            if (m_point && m_open.size() == m_pointDepth) {
                if (m_hasReference && !m_hasRover &&
                    m_reference.Flags & VDXML_GPS_SETUP::flagSensorSerialNr)
                    m_referenceStations[Utf8(m_reference.SensorSerialNr)] = m_point->name;
                if (m_point->hasCoord)
                    WritePoint(*m_point);
                else
                    m_summary.Skip("point without coordinates");
                m_point.reset();
            }
            break;
        case VDXML_TYPE_TPS_SETUP:
            if (m_setupOpen) Survey().End();
            m_setupOpen = false;
            break;
        case VDXML_TYPE_DCOORD:
            // A baseline's vector: complete at its close.
            if (Parent() == VDXML_TYPE_GPSBASELINE)
                m_baselineVector = static_cast<const VDXML_DCOORD&>(record).Wgs84DXyz;
            break;
        case VDXML_TYPE_GPSBASELINE:
            WriteBaseline(table, static_cast<const VDXML_GPSBASELINE&>(record));
            break;
        default:
            break;
    }
    return 0;
}

void ExportWriter::Begin(const VDXML_ROOT& root) {
    m_began = true;
    const double now = NowMjd();
    m_out.Start("LandXML", kLandXmlNamespace);
    m_out.Attribute("date", DateText(now));
    m_out.Attribute("time", TimeText(now));
    m_out.Attribute("version", "1.2");
    m_out.Attribute("language", "English");
    const LinearUnit* unit = LinearUnitOf(root.Units.Linear);
    if (!unit) {
        m_summary.Tell("linear unit code " + std::to_string(root.Units.Linear) +
                       " has no LandXML unit; metres declared");
        unit = LinearUnitOf(1);
    }
    const char* degrees = AngleUnitName(AngleUnit::Degrees);
    m_out.Start("Units");
    m_out.Start(unit->element);
    m_out.Attribute("areaUnit", unit->area);
    m_out.Attribute("linearUnit", unit->linear);
    m_out.Attribute("volumeUnit", unit->volume);
    m_out.Attribute("temperatureUnit", unit->temperature);
    m_out.Attribute("pressureUnit", unit->pressure);
    m_out.Attribute("angularUnit", degrees);
    m_out.Attribute("directionUnit", degrees);
    m_out.Attribute("latLongAngularUnit", degrees);
    m_out.Attribute("elevationUnit", unit->elevation);
    m_out.End();
    m_out.End();
    // The application that wrote the file, before any data, so that an import finds it
    // before it starts its own file.
    m_out.Start("Application");
    m_out.Attribute("name", root.Application.length() ? Utf8(root.Application) : "unknown");
    m_out.Attribute("desc", "exported to LandXML by vdxml");
    if (root.Company.length()) m_out.Attribute("manufacturer", Utf8(root.Company));
    if (root.Version.Major != 0) m_out.Attribute("version", VersionText(root.Version));
    m_out.End();
}

void ExportWriter::OpenProject(const VDXML_PROJECT& project) {
    m_project = Utf8(project.Name);
    m_firstControl.clear();
    m_out.Start("Project");
    m_out.Attribute("name", m_project);
    if (project.Note.length()) m_out.Attribute("desc", Utf8(project.Note));
    m_out.End();
}

void ExportWriter::CloseProject() {
    if (m_cgPointsOpen) m_out.End();
    m_cgPointsOpen = false;
    if (!m_survey) return;
    m_survey->End();  // "Survey"
    m_survey->Finish();
    m_survey.reset();
    m_out.AppendFragment(m_spool);
    std::fclose(m_spool);
    m_spool = nullptr;
}

void ExportWriter::WriteCoordinateSystem(const VDXML_COORDINATESYSTEM& system) {
    // LandXML keeps its coordinate systems beside the points, not among them: a system that
    // comes after points ends their "CgPoints" (later points open another one).
    if (m_cgPointsOpen) m_out.End();
    m_cgPointsOpen = false;
    m_out.Start("CoordinateSystem");
    if (system.Note.length()) m_out.Attribute("desc", Utf8(system.Note));
    if (system.Name.length()) m_out.Attribute("name", Utf8(system.Name));
    if (system.Ellipsoid.Name.length())
        m_out.Attribute("ellipsoidName", Utf8(system.Ellipsoid.Name));
    if (system.Projection.Name.length())
        m_out.Attribute("projectedCoordinateSystemName", Utf8(system.Projection.Name));
    m_out.End();
    if (system.GeoidModel.Name.length()) m_summary.Skip("geoid model of a coordinate system");
    if (system.CscsModel.Name.length()) m_summary.Skip("country model of a coordinate system");
    if (system.Transformation.Name.length())
        m_summary.Skip("transformation of a coordinate system");
}

void ExportWriter::WritePoint(const PendingPoint& point) {
    if (!m_cgPointsOpen) {
        m_out.Start("CgPoints");
        // Names of "CgPoints" are unique in a document: a second run of a project's points,
        // or a project of the same name as an earlier one, takes a number.
        std::string name = m_project;
        for (int n = 2; !m_cgPointsNames.insert(name).second; ++n)
            name = m_project + " (" + std::to_string(n) + ")";
        m_out.Attribute("name", name);
        m_cgPointsOpen = true;
    }
    if (point.pointClass == VDXML_PNT_CLASS_CONTROL && m_firstControl.empty())
        m_firstControl = point.name;
    const VDXML_COORD& c = point.coord;
    m_out.Start("CgPoint");
    m_out.Attribute("name", point.name);
    if (!point.note.empty()) m_out.Attribute("desc", point.note);
    if (!point.code.empty()) m_out.Attribute("code", point.code);
    if (const char* role = SurveyRole(point.pointClass)) m_out.Attribute("pntSurv", role);
    // WGS 84 geodetic values first; local geodetic ones where the point has no WGS 84 ones.
    const VDXML_GEODETIC& llh =
        (c.Wgs84Llh.Flags & VDXML_GEODETIC::maskValues) ? c.Wgs84Llh : c.LocalLlh;
    if (llh.Flags & VDXML_GEODETIC::flagLatLon) {
        Angle(m_out, "latitude", llh.Lat);
        Angle(m_out, "longitude", llh.Lon);
    }
    if (llh.Flags & VDXML_GEODETIC::flagHE)
        Number(m_out, "ellipsoidHeight", llh.HE, kLengthDecimals);
    const VDXML_GRID& enh = c.LocalEnh;
    if (enh.Flags & VDXML_GRID::flagEN) {
        std::string text = Fixed(enh.N, kLengthDecimals) + " " + Fixed(enh.E, kLengthDecimals);
        if (enh.Flags & VDXML_GRID::flagHO)
            text += " " + Fixed(enh.HO, kLengthDecimals);
        else if (enh.Flags & VDXML_GRID::flagHE)
            text += " " + Fixed(enh.HE, kLengthDecimals);
        m_out.Text(text);
    }
    m_out.End();
    ++m_summary.counts.points;
}

vdxml_engine::Utf8XmlWriter& ExportWriter::Survey() {
    if (m_survey) return *m_survey;
    m_spool = std::tmpfile();
    if (!m_spool) throw _com_error(E_FAIL, L"no temporary file for the survey part");
    m_survey = std::make_unique<vdxml_engine::Utf8XmlWriter>(m_spool, false);
    m_survey->Start("Survey");
    m_survey->Start("SurveyHeader");
    m_survey->Attribute("name", m_project);
    m_survey->End();
    return *m_survey;
}

void ExportWriter::OpenSetup(const VdXml::_CURRENCYTABLE& table, const VDXML_TPS_SETUP& setup) {
    // A setup inside a point stands on it; one directly below the project on the project's
    // first control point.
    const std::string station = table.pPoint ? Utf8(table.pPoint->Name) : m_firstControl;
    vdxml_engine::Utf8XmlWriter& out = Survey();
    out.Start("InstrumentSetup");
    out.Attribute("id", "setup" + std::to_string(++m_setupIds));
    out.Attribute("stationName", station);
    out.Attribute("instrumentHeight",
                  Fixed(setup.Flags & VDXML_TPS_SETUP::flagInstrHgt && std::isfinite(setup.InstrHgt)
                            ? setup.InstrHgt
                            : 0.0,
                        kLengthDecimals));
    if (setup.Flags & VDXML_TPS_SETUP::flagInstrOrientation)
        Angle(out, "orientationAzimuth", setup.InstrOrientation);
    if (!station.empty()) {
        out.Start("InstrumentPoint");
        out.Attribute("pntRef", station);
        out.End();
    }
    m_setupOpen = true;
    ++m_summary.counts.setups;
}

void ExportWriter::WriteObservation(const VDXML_TPS_OBSSET& obs) {
    vdxml_engine::Utf8XmlWriter& out = Survey();
    out.Start("RawObservation");
    if (obs.Reflector.Flags & VDXML_TPS_REFLECTOR::flagReflector)
        Number(out, "targetHeight", obs.Reflector.Hgt, kLengthDecimals);
    if (obs.Flags & VDXML_TPS_OBSSET::flagHz) Angle(out, "horizAngle", obs.Hz);
    if (obs.Flags & VDXML_TPS_OBSSET::flagDistS)
        Number(out, "slopeDistance", obs.DistS, kLengthDecimals);
    if (obs.Flags & VDXML_TPS_OBSSET::flagZen) Angle(out, "zenithAngle", obs.Zen);
    if (obs.Flags & VDXML_TPS_OBSSET::flagDistHz)
        Number(out, "horizDistance", obs.DistHz, kLengthDecimals);
    if (obs.Flags & VDXML_TPS_OBSSET::flagDH) Number(out, "vertDistance", obs.DH, kLengthDecimals);
    if (obs.FaceType == VDXML_TPS_FACE_I || obs.FaceType == VDXML_TPS_FACE_II)
        out.Attribute("directFace", obs.FaceType == VDXML_TPS_FACE_I ? "true" : "false");
    const std::string time = obs.Time > 0.0 ? DateTimeText(obs.Time) : std::string();
    if (!time.empty()) out.Attribute("timeStamp", time);
    out.Start("TargetPoint");  // required; the observation does not name its target
    out.End();
    out.End();
    ++m_summary.counts.observations;
}

void ExportWriter::WriteBaseline(const VdXml::_CURRENCYTABLE& table,
                                 const VDXML_GPSBASELINE& baseline) {
    const VDXML_DCARTESIAN& vector = baseline.DCoord.Wgs84DXyz.Flags & VDXML_DCARTESIAN::flagDXyz
                                         ? baseline.DCoord.Wgs84DXyz
                                         : m_baselineVector;
    if (!table.pPoint || !(vector.Flags & VDXML_DCARTESIAN::flagDXyz)) {
        m_summary.Skip("GPS baseline without a WGS 84 vector or a rover point");
        return;
    }
    const std::string rover = Utf8(table.pPoint->Name);
    std::string reference = "reference";
    if (m_hasReference && m_reference.Flags & VDXML_GPS_SETUP::flagSensorSerialNr) {
        const auto station = m_referenceStations.find(Utf8(m_reference.SensorSerialNr));
        reference = station != m_referenceStations.end()
                        ? station->second
                        : "reference " + Utf8(m_reference.SensorSerialNr);
    }
    vdxml_engine::Utf8XmlWriter& out = Survey();
    const std::string idA = "gps" + std::to_string(++m_gpsIds);
    const std::string idB = "gps" + std::to_string(++m_gpsIds);
    const auto setup = [&](const std::string& id, const std::string& station, bool has,
                           const VDXML_GPS_SETUP& receiver) {
        out.Start("GPSSetup");
        out.Attribute("id", id);
        out.Attribute("stationName", station);
        out.Attribute(
            "antennaHeight",
            Fixed(has && receiver.Flags & VDXML_GPS_SETUP::flagAntHgt ? receiver.AntHgt : 0.0,
                  kLengthDecimals));
        out.End();
    };
    setup(idA, reference, m_hasReference, m_reference);
    setup(idB, rover, m_hasRover, m_rover);
    out.Start("GPSVector");
    Number(out, "dX", vector.DX, kLengthDecimals);
    Number(out, "dY", vector.DY, kLengthDecimals);
    Number(out, "dZ", vector.DZ, kLengthDecimals);
    out.Attribute("setupID_A", idA);
    out.Attribute("setupID_B", idB);
    out.Start("TargetPoint");
    out.Attribute("pntRef", rover);
    out.End();
    out.End();
    ++m_summary.counts.baselines;
}

void ExportWriter::Finish() { m_out.Finish(); }

}  // namespace vdxml_landxml
