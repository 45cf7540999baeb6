// The events of a LandXML document, as the engine's streamed read delivers them with their
// attributes, written into a survey file through the library's element writers while they
// are read. Elements outside the mapping are skipped with their subtrees and counted.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/xml_stream.h"
#include "landxml/landxml_units.h"
#include "landxml/summary_counts.h"
#include "vdxml/vdxml.h"

namespace vdxml_landxml {

class ImportHandler final : public vdxml_engine::XmlEventHandler {
  public:
    /// Writes to target through back end docType; counts go to summary.
    ImportHandler(const char* target, IVdXmlDoc::enmDocType docType, VDXML_CODEPAGE codePage,
                  SummaryCounts& summary);

    bool StartElement(std::string_view qname, bool isDateTime, long line,
                      const vdxml_engine::XmlAttributes& attributes) override;
    bool Text(std::string_view utf8) override;
    bool EndElement() override;

    /// After a complete read: what is still pending, then the save. The status of the
    /// conversion: S_OK, or why it stopped.
    long Finish();
    /// Why the handler stopped the read (S_OK when it did not).
    long Status() const { return m_status; }

  private:
    /// What an element is to the import. Skipped: outside the mapping, with everything in it
    /// (counted once). Consumed: part of the mapping's structure that carries nothing the
    /// survey file keeps (its children outside the mapping are counted).
    enum class Kind {
        Skipped,
        Consumed,
        Root,
        Units,
        UnitSystem,
        Application,
        Project,
        CoordinateSystem,
        CgPoints,
        CgPoint,
        Survey,
        InstrumentSetup,
        RawObservation
    };

    Kind Classify(std::string_view local, Kind parent) const;
    bool Open(Kind kind, const vdxml_engine::XmlAttributes& attributes);
    bool Fail(long status, const std::string& message);
    bool Check(long hr, const char* what);
    std::optional<double> Number(const vdxml_engine::XmlAttributes& attributes,
                                 std::string_view name, bool& bad);
    std::optional<double> AngleValue(const vdxml_engine::XmlAttributes& attributes,
                                     std::string_view name, AngleUnit unit, bool& bad);

    /// The units of a "Metric" or "Imperial" element (system).
    bool ReadUnits(const vdxml_engine::XmlAttributes& attributes, std::string_view system);
    void ReadApplication(const vdxml_engine::XmlAttributes& attributes);
    bool EnsureDocument();
    bool EnsureProject(const std::string& name);
    /// A project to write when its first content comes; the one before ends.
    void StartProject(const std::string& name, const std::string& desc);
    bool WriteCoordinateSystem();
    bool WritePoint();
    bool StartSetup(const vdxml_engine::XmlAttributes& attributes);
    bool WriteObservation(const vdxml_engine::XmlAttributes& attributes);

    std::string m_target;
    IVdXmlDoc::enmDocType m_docType;
    SummaryCounts& m_summary;
    long m_status = S_OK;
    long m_line = 0;
    // The open elements' kinds, outermost first. Each kind sits in a struct: a vector of a
    // bare enum would be exported from a shared library, a vector of the class's own struct
    // stays hidden with it.
    struct Frame {
        Kind kind;
    };
    std::vector<Frame> m_open;
    std::string m_attribute;     // scratch for one attribute's value
    std::string_view m_element;  // the local name of the element that opens

    VDXML_ROOT m_root;
    AngleUnit m_angles = AngleUnit::Radians, m_directions = AngleUnit::Radians;
    AngleUnit m_latLong = AngleUnit::Degrees;
    std::unique_ptr<CVdXmlDocument> m_document;
    std::unique_ptr<CVdXmlProject> m_project;
    std::unique_ptr<VDXML_PROJECT> m_pendingProject;   // read, not yet written
    std::unique_ptr<VDXML_COORDINATESYSTEM> m_system;  // read, not yet written

    // The point being read: its record, coordinate, code and text.
    VDXML_POINT m_point;
    VDXML_COORD m_coord;
    std::string m_code, m_pointText;
    bool m_pointRefOnly = false;
    std::string m_firstControl;  // the project's first control point: where setups stand

    std::unique_ptr<CVdXmlTpsSetup> m_setup;
};

}  // namespace vdxml_landxml
