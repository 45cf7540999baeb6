// The records of one project gathered into a Plan while the file streams past.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "cli.h"
#include "plot_plan.h"

namespace vdxml_cli::plot {

/// Collects the plan of the first project named `project` (the file's first project when the
/// name is empty). Only the selected project's own points are kept, each with what the drawing
/// needs; the rest of a record is dropped when the record closes.
class PlanReader : public SurveyReader {
  public:
    explicit PlanReader(std::string project) : m_wanted(std::move(project)) {}

    void Reset() override;
    int OnRecordOpen(VdXml::_CURRENCYTABLE& table, VDXML_BASE& record) override;
    int OnRecordClose(VdXml::_CURRENCYTABLE& table, VDXML_BASE& record) override;

    /// Resolves what could only be known at the end of the file (the stations of setups
    /// outside a point, the reference ends of baselines) and hands over the plan.
    Plan Finish(double created);
    /// Whether a project was selected.
    bool Found() const { return m_plan.projectNumber != 0; }
    /// The names of all projects of the file, in file order.
    const std::vector<std::string>& ProjectNames() const { return m_projectNames; }

  private:
    // The point being read, until it closes.
    struct OpenPoint {
        std::string name;
        std::uint32_t pointClass = 0;
        bool hasGrid = false, hasLatLon = false;
        double east = 0, north = 0, lat = 0, lon = 0;
        std::string code, codeDescription;
        bool hasReference = false, hasRover = false, hasBaseline = false;
        // The baseline's vector from the reference station to the point, as a grid difference
        // or as a WGS 84 Cartesian one.
        bool hasGridVector = false, hasCartesianVector = false;
        double dEast = 0, dNorth = 0, dx = 0, dy = 0, dz = 0;
        std::string referenceSerial;
        std::vector<std::size_t> setups;  // setups inside the point: it is their station
    };

    void OpenProject(const VDXML_BASE& record);
    void OpenInPoint(const VDXML_BASE& record);
    void TakeVector(const VDXML_DCOORD& difference);
    void ClosePoint();
    std::uint16_t CodeIndex(const std::string& name, const std::string& description);

    std::string m_wanted;
    Plan m_plan;
    std::vector<std::string> m_projectNames;
    std::vector<std::int32_t> m_open;  // kinds of the open records, outermost first
    bool m_inProject = false, m_projectDone = false;
    std::size_t m_projectDepth = 0;  // m_open's size when the selected project opened
    bool m_inPoint = false;
    std::size_t m_pointDepth = 0;
    OpenPoint m_point;
    bool m_inSetup = false;
    std::size_t m_setupDepth = 0;
    bool m_setupOriented = false;
    double m_setupOrientation = 0.0;
    bool m_inBaseline = false;
    std::vector<std::size_t> m_setupsOnControl;  // setups outside a point
    std::size_t m_firstControl = kNoPoint;
    std::vector<std::string> m_baselineSerials;  // per baseline, the reference receiver's serial
    std::vector<std::pair<std::string, std::size_t>> m_referenceStations;  // serial, point
    std::map<std::string, std::uint16_t> m_codeIndex;
    std::map<std::string, std::string> m_descriptions;  // of the code list: code -> description
    std::string m_systemOfApplication;
    bool m_hasSystemOfApplication = false;
};

/// The grid offset of a WGS 84 Cartesian difference seen from latitude and longitude
/// (radians): its east and north components in the local horizon there.
void EastNorthOfDifference(double dx, double dy, double dz, double lat, double lon, double& east,
                           double& north);

}  // namespace vdxml_cli::plot
