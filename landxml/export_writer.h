// The records of a survey file, as the streamed read announces them, written as LandXML.
// Projects, coordinate systems and points go straight to the document; the "Survey" of a
// project (setups with their observations, GPS baselines) goes to a fragment of its own, a
// temporary file, appended to the document when the project closes. So each project gets one
// "CgPoints" and one "Survey", in memory bounded by the nesting, whatever their order in the
// file.
#pragma once

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/utf8_writer.h"
#include "landxml/summary_counts.h"
#include "vdxml/landxml.h"
#include "vdxml/record_callback.h"

namespace vdxml_landxml {

class ExportWriter final : public CVdXmlRecordCallback {
  public:
    /// Writes the document onto out; summary receives the counts.
    ExportWriter(vdxml_engine::Utf8XmlWriter& out, SummaryCounts& summary);
    ~ExportWriter();

    int OnRecordOpen(VdXml::_CURRENCYTABLE& table, VDXML_BASE& record) override;
    int OnRecordClose(VdXml::_CURRENCYTABLE& table, VDXML_BASE& record) override;

    /// After the read: the end of the document.
    void Finish();
    /// Whether the root element was read, and the document begun.
    bool Began() const { return m_began; }

  private:
    struct PendingPoint {
        std::string name, note, code;
        std::uint32_t pointClass = 0;
        bool hasCoord = false;
        VDXML_COORD coord;
    };

    void Begin(const VDXML_ROOT& root);
    void OpenProject(const VDXML_PROJECT& project);
    void CloseProject();
    void WriteCoordinateSystem(const VDXML_COORDINATESYSTEM& system);
    void WritePoint(const PendingPoint& point);
    void OpenSetup(const VdXml::_CURRENCYTABLE& table, const VDXML_TPS_SETUP& setup);
    void WriteObservation(const VDXML_TPS_OBSSET& obs);
    void WriteBaseline(const VdXml::_CURRENCYTABLE& table, const VDXML_GPSBASELINE& baseline);
    vdxml_engine::Utf8XmlWriter& Survey();
    void Number(vdxml_engine::Utf8XmlWriter& out, const char* name, double value, int decimals);
    void Angle(vdxml_engine::Utf8XmlWriter& out, const char* name, double radians);
    std::int32_t Parent() const { return m_open.empty() ? VDXML_TYPE_NONE : m_open.back(); }

    vdxml_engine::Utf8XmlWriter& m_out;
    SummaryCounts& m_summary;
    std::vector<std::int32_t> m_open;  // the kinds of the open records, outermost first
    std::string m_project;
    std::set<std::string> m_cgPointsNames;  // the names of the "CgPoints" written
    bool m_cgPointsOpen = false;
    std::unique_ptr<PendingPoint> m_point;  // the project point being read
    std::size_t m_pointDepth = 0;
    std::string m_firstControl;  // the project's first control point: where bare setups stand
    std::map<std::string, std::string> m_referenceStations;  // receiver serial -> point
    VDXML_GPS_REFERENCE m_reference;  // the current point's receivers, for its baselines
    VDXML_GPS_ROVER m_rover;
    VDXML_DCARTESIAN m_baselineVector;  // the vector of the baseline being read
    bool m_hasReference = false, m_hasRover = false;
    bool m_setupOpen = false;
    bool m_began = false;
    long long m_setupIds = 0, m_gpsIds = 0;  // identifiers given so far
    std::FILE* m_spool = nullptr;
    std::unique_ptr<vdxml_engine::Utf8XmlWriter> m_survey;
};

}  // namespace vdxml_landxml
