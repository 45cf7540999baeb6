#include "plot_reader.h"

#include <cmath>

#include "record_text.h"

namespace vdxml_cli::plot {

PointSymbol SymbolOfClass(std::uint32_t pointClass) {
    switch (pointClass) {
        case VDXML_PNT_CLASS_CONTROL:
            return PointSymbol::kControl;
        case VDXML_PNT_CLASS_REFERENCE:
            return PointSymbol::kReference;
        case VDXML_PNT_CLASS_ADJUSTED:
            return PointSymbol::kAdjusted;
        case VDXML_PNT_CLASS_AVERAGED:
            return PointSymbol::kAveraged;
        case VDXML_PNT_CLASS_MEASURED:
            return PointSymbol::kMeasured;
        case VDXML_PNT_CLASS_ESTIMATED:
        case VDXML_PNT_CLASS_NAVIGATED:
        case VDXML_PNT_CLASS_SPP:
            return PointSymbol::kApproximate;
        default:
            return PointSymbol::kUnclassified;
    }
}

void EastNorthOfDifference(double dx, double dy, double dz, double lat, double lon, double& east,
                           double& north) {
    east = -std::sin(lon) * dx + std::cos(lon) * dy;
    north = -std::sin(lat) * std::cos(lon) * dx - std::sin(lat) * std::sin(lon) * dy +
            std::cos(lat) * dz;
}

namespace {
bool Finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

// The ray of one observation set: its grid azimuth is the setup's orientation (the azimuth of
// the circle's zero) plus the horizontal reading; its length the horizontal distance, else
// the slope distance reduced by the zenith angle, else the slope distance as it stands.
PlanRay RayOf(const VDXML_TPS_OBSSET& obs, bool oriented, double orientation) {
    using O = VDXML_TPS_OBSSET;
    PlanRay ray;
    double distance = 0.0;
    if (obs.Flags & O::flagDistHz)
        distance = obs.DistHz;
    else if ((obs.Flags & O::flagDistS) && (obs.Flags & O::flagZen))
        distance = obs.DistS * std::sin(obs.Zen);
    else if (obs.Flags & O::flagDistS)
        distance = obs.DistS;
    else
        return ray;
    if (!oriented || !(obs.Flags & O::flagHz) || !Finite(obs.Hz, distance) || distance <= 0.0)
        return ray;
    constexpr double kTurn = 6.283185307179586;
    ray.azimuth = std::fmod(orientation + obs.Hz, kTurn);
    if (ray.azimuth < 0) ray.azimuth += kTurn;
    ray.horizontalDistance = distance;
    ray.drawn = std::isfinite(ray.azimuth);
    return ray;
}

LinearUnit UnitOf(std::uint32_t code) {
    switch (code) {
        case 1:
            return LinearUnit::kMetre;
        case 2:
            return LinearUnit::kUsSurveyFoot;
        case 3:
            return LinearUnit::kInternationalFoot;
        default:
            return LinearUnit::kUnknown;
    }
}
}  // namespace

void PlanReader::Reset() {
    const std::string wanted = m_wanted;
    *this = PlanReader(wanted);
}

int PlanReader::OnRecordOpen(VdXml::_CURRENCYTABLE&, VDXML_BASE& record) {
    const std::size_t depth = m_open.size();  // the record's own depth
    const std::int32_t parent = m_open.empty() ? VDXML_TYPE_NONE : m_open.back();
    m_open.push_back(record.nType);
    const bool inPoint = m_inPoint && depth == m_pointDepth + 1;
    const bool inProject = m_inProject && depth == m_projectDepth + 1;
    switch (record.nType) {
        case VDXML_TYPE_ROOT:
            if (depth == 0 && m_plan.company.empty() && m_plan.application.empty()) {
                const auto& root = static_cast<const VDXML_ROOT&>(record);
                m_plan.company = Utf8(root.Company);
                m_plan.application = Utf8(root.Application);
                m_plan.unit = UnitOf(root.Units.Linear);
            }
            break;
        case VDXML_TYPE_PROJECT:
            OpenProject(record);
            break;
        case VDXML_TYPE_COORDINATESYSTEM: {
            const std::string name = Utf8(static_cast<const VDXML_COORDINATESYSTEM&>(record).Name);
            if (inProject && !m_plan.hasCoordinateSystem) {
                m_plan.hasCoordinateSystem = true;
                m_plan.coordinateSystem = name;
            } else if (parent == VDXML_TYPE_ROOT && !m_hasSystemOfApplication) {
                m_hasSystemOfApplication = true;
                m_systemOfApplication = name;
            }
            break;
        }
        case VDXML_TYPE_POINT:
            if (inProject) {
                m_inPoint = true;
                m_pointDepth = depth;
                const auto& point = static_cast<const VDXML_POINT&>(record);
                m_point = OpenPoint();
                m_point.name = Utf8(point.Name);
                m_point.pointClass = point.Class;
            }
            break;
        case VDXML_TYPE_TPS_SETUP:
            if (!m_inProject) break;
            m_inSetup = true;
            m_setupDepth = depth;
            m_setupOriented = static_cast<const VDXML_TPS_SETUP&>(record).Flags &
                              VDXML_TPS_SETUP::flagInstrOrientation;
            m_setupOrientation = static_cast<const VDXML_TPS_SETUP&>(record).InstrOrientation;
            if (inPoint)
                m_point.setups.push_back(m_plan.setups.size());
            else if (inProject)
                m_setupsOnControl.push_back(m_plan.setups.size());
            m_plan.setups.emplace_back();
            m_plan.setups.back().oriented = m_setupOriented;
            break;
        case VDXML_TYPE_TPS_OBSSET:
            if (m_inSetup && depth == m_setupDepth + 1)
                m_plan.setups.back().rays.push_back(
                    RayOf(static_cast<const VDXML_TPS_OBSSET&>(record), m_setupOriented,
                          m_setupOrientation));
            break;
        case VDXML_TYPE_THEMATICAL_CODE:
            if (m_inProject && !m_inPoint) {  // the code list's codes
                const auto& code = static_cast<const VDXML_THEMATICAL_CODE&>(record);
                m_descriptions.emplace(Utf8(code.ItemName.Name), Utf8(code.CodeDesc));
            }
            break;
        case VDXML_TYPE_DCOORD:
            if (m_inBaseline && parent == VDXML_TYPE_GPSBASELINE && depth == m_pointDepth + 2)
                TakeVector(static_cast<const VDXML_DCOORD&>(record));
            break;
        default:
            break;
    }
    if (inPoint) OpenInPoint(record);
    return 0;
}

void PlanReader::OpenProject(const VDXML_BASE& record) {
    const std::string name = Utf8(static_cast<const VDXML_PROJECT&>(record).Name);
    m_projectNames.push_back(name);
    ++m_plan.projectCount;
    if (m_projectDone || m_inProject || (!m_wanted.empty() && name != m_wanted)) return;
    m_inProject = true;
    m_projectDepth = m_open.size() - 1;
    m_plan.project = name;
    m_plan.projectNumber = m_plan.projectCount;
}

// A record directly below the point being read.
void PlanReader::OpenInPoint(const VDXML_BASE& record) {
    OpenPoint& p = m_point;
    switch (record.nType) {
        case VDXML_TYPE_COORD: {
            const auto& c = static_cast<const VDXML_COORD&>(record);
            if (!p.hasGrid && (c.LocalEnh.Flags & VDXML_GRID::flagEN) &&
                Finite(c.LocalEnh.E, c.LocalEnh.N)) {
                p.hasGrid = true;
                p.east = c.LocalEnh.E;
                p.north = c.LocalEnh.N;
            }
            if (!p.hasLatLon && (c.Wgs84Llh.Flags & VDXML_GEODETIC::flagLatLon) &&
                Finite(c.Wgs84Llh.Lat, c.Wgs84Llh.Lon)) {
                p.hasLatLon = true;
                p.lat = c.Wgs84Llh.Lat;
                p.lon = c.Wgs84Llh.Lon;
            }
            break;
        }
        case VDXML_TYPE_THEMATICAL_CODE:
            if (p.code.empty()) {
                const auto& code = static_cast<const VDXML_THEMATICAL_CODE&>(record);
                p.code = Utf8(code.ItemName.Name);
                p.codeDescription = Utf8(code.CodeDesc);
            }
            break;
        case VDXML_TYPE_GPS_REFERENCE: {
            const auto& reference = static_cast<const VDXML_GPS_REFERENCE&>(record);
            p.hasReference = true;
            if (p.referenceSerial.empty() &&
                (reference.Flags & VDXML_GPS_SETUP::flagSensorSerialNr))
                p.referenceSerial = Utf8(reference.SensorSerialNr);
            break;
        }
        case VDXML_TYPE_GPS_ROVER:
            p.hasRover = true;
            break;
        case VDXML_TYPE_GPSBASELINE:
            p.hasBaseline = true;
            m_inBaseline = true;
            TakeVector(static_cast<const VDXML_GPSBASELINE&>(record).DCoord);
            break;
        default:
            break;
    }
}

// The vector of the point's baseline, from the reference station to the point. A grid
// difference is taken as it stands; a WGS 84 Cartesian one is turned into east and north at
// the point when the point closes.
void PlanReader::TakeVector(const VDXML_DCOORD& difference) {
    OpenPoint& p = m_point;
    const VDXML_DGRID& grid = difference.LocalDEnh;
    const VDXML_DCARTESIAN& xyz = difference.Wgs84DXyz;
    if (!p.hasGridVector && (grid.Flags & VDXML_DIFF_FLAGS::flagPosition) &&
        Finite(grid.DE, grid.DN)) {
        p.hasGridVector = true;
        p.dEast = grid.DE;
        p.dNorth = grid.DN;
    }
    if (!p.hasCartesianVector && (xyz.Flags & VDXML_DCARTESIAN::flagDXyz) &&
        Finite(xyz.DX, xyz.DY) && std::isfinite(xyz.DZ)) {
        p.hasCartesianVector = true;
        p.dx = xyz.DX;
        p.dy = xyz.DY;
        p.dz = xyz.DZ;
    }
}

int PlanReader::OnRecordClose(VdXml::_CURRENCYTABLE&, VDXML_BASE& record) {
    if (m_open.empty()) return 0;
    m_open.pop_back();
    const std::size_t depth = m_open.size();  // the closing record's depth
    if (m_inBaseline && record.nType == VDXML_TYPE_GPSBASELINE && depth == m_pointDepth + 1) {
        TakeVector(static_cast<const VDXML_GPSBASELINE&>(record).DCoord);
        m_inBaseline = false;
    }
    if (m_inSetup && depth == m_setupDepth) m_inSetup = false;
    if (m_inPoint && depth == m_pointDepth) ClosePoint();
    if (m_inProject && depth == m_projectDepth) {
        m_inProject = false;
        m_projectDone = true;
    }
    return 0;
}

std::uint16_t PlanReader::CodeIndex(const std::string& name, const std::string& description) {
    const auto found = m_codeIndex.find(name);
    if (found != m_codeIndex.end()) return found->second;
    if (m_plan.codes.size() >= kNoCode) return kNoCode;  // more codes than a legend can show
    const auto index = static_cast<std::uint16_t>(m_plan.codes.size());
    m_plan.codes.push_back({name, description, 0});
    m_codeIndex.emplace(name, index);
    return index;
}

void PlanReader::ClosePoint() {
    m_inPoint = false;
    m_inBaseline = false;
    OpenPoint& p = m_point;
    if (!p.hasGrid) {
        ++m_plan.pointsNotDrawn;  // its setups keep no station, its baseline is not drawn
        return;
    }
    const std::size_t index = m_plan.points.size();
    PlanPoint point;
    point.name = std::move(p.name);
    point.east = p.east;
    point.north = p.north;
    point.symbol = SymbolOfClass(p.pointClass);
    if (!p.code.empty()) {
        point.code = CodeIndex(p.code, p.codeDescription);
        if (point.code != kNoCode) ++m_plan.codes[point.code].points;
    }
    for (std::size_t setup : p.setups) m_plan.setups[setup].station = index;
    if (p.pointClass == VDXML_PNT_CLASS_CONTROL && m_firstControl == kNoPoint)
        m_firstControl = index;

    if (p.hasRover || p.hasBaseline) {
        point.gnss = GnssRole::kRover;
        PlanBaseline baseline;
        baseline.rover = index;
        double east = 0, north = 0;
        if (p.hasGridVector) {
            east = p.dEast, north = p.dNorth;
            baseline.drawn = true;
        } else if (p.hasCartesianVector && p.hasLatLon) {
            EastNorthOfDifference(p.dx, p.dy, p.dz, p.lat, p.lon, east, north);
            baseline.drawn = true;
        }
        baseline.referenceEast = p.east - east;
        baseline.referenceNorth = p.north - north;
        m_plan.baselines.push_back(baseline);
        m_baselineSerials.push_back(baseline.drawn ? std::string() : p.referenceSerial);
    } else if (p.hasReference) {
        point.gnss = GnssRole::kReferenceStation;
        m_referenceStations.emplace_back(p.referenceSerial, index);
    }
    m_plan.points.push_back(std::move(point));
}

Plan PlanReader::Finish(double created) {
    for (std::size_t setup : m_setupsOnControl) m_plan.setups[setup].station = m_firstControl;
    // A baseline without a vector goes to the reference station whose receiver has the same
    // serial number.
    for (std::size_t i = 0; i < m_plan.baselines.size(); ++i) {
        PlanBaseline& baseline = m_plan.baselines[i];
        if (baseline.drawn || m_baselineSerials[i].empty()) continue;
        for (const auto& [serial, station] : m_referenceStations) {
            if (serial != m_baselineSerials[i]) continue;
            baseline.drawn = true;
            baseline.referencePoint = station;
            baseline.referenceEast = m_plan.points[station].east;
            baseline.referenceNorth = m_plan.points[station].north;
            break;
        }
    }
    for (PlanCode& code : m_plan.codes) {
        const auto listed = m_descriptions.find(code.name);
        if (code.description.empty() && listed != m_descriptions.end())
            code.description = listed->second;
    }
    if (!m_plan.hasCoordinateSystem && m_hasSystemOfApplication) {
        m_plan.hasCoordinateSystem = true;
        m_plan.coordinateSystem = m_systemOfApplication;
    }
    m_plan.created = MjdText(created);
    return std::move(m_plan);
}

}  // namespace vdxml_cli::plot
