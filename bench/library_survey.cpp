#include "library_survey.h"

#include <stdexcept>

#include "survey_workload.h"
#include "vdxml/vdxml.h"

namespace vdxml_bench {
namespace {

void Check(long status, const char* what) {
    if (FAILED(status)) throw std::runtime_error(std::string("library: ") + what + " failed");
}

VDXML_ROOT Root() {
    VDXML_ROOT root;
    root.NamespaceURI = SurveyHeader::kNamespace;
    root.Company = SurveyHeader::kCompany;
    root.Application = SurveyHeader::kApplication;
    root.Version.Major = SurveyHeader::kVersionMajor;
    root.Version.Minor = SurveyHeader::kVersionMinor;
    root.Units.Linear = SurveyHeader::kLinearUnit;
    root.Units.Angular = SurveyHeader::kAngularUnit;
    root.Units.TimeSystem = SurveyHeader::kTimeSystem;
    return root;
}

VDXML_COORD Coordinate(const SurveyPoint& p) {
    VDXML_COORD c;
    c.Wgs84Xyz.Flags = VDXML_CARTESIAN::flagXyz | VDXML_CARTESIAN::flagQlty;
    c.Wgs84Xyz.X = p.x;
    c.Wgs84Xyz.Y = p.y;
    c.Wgs84Xyz.Z = p.z;
    VDXML_QLTY& q = c.Wgs84Xyz.Qlty;
    q.M0 = p.m0;
    q.Q11 = p.q11;
    q.Q12 = p.q12;
    q.Q13 = p.q13;
    q.Q22 = p.q22;
    q.Q23 = p.q23;
    q.Q33 = p.q33;
    c.LocalEnh.Flags = VDXML_GRID::flagEN | VDXML_GRID::flagHO;
    c.LocalEnh.E = p.east;
    c.LocalEnh.N = p.north;
    c.LocalEnh.HO = p.height;
    return c;
}

void WritePoint(const CVdXmlProject& project, long long index) {
    VDXML_POINT point;
    point.Name = PointName(index).c_str();
    CVdXmlPoint pointNode;
    Check(pointNode.Create(project, point), "point");
    CVdXmlCoord coordNode;
    Check(coordNode.Create(pointNode, Coordinate(MakePoint(index))), "coordinate");
}

}  // namespace

void WriteSurveyWithLibrary(const std::string& path, IVdXmlDoc::enmDocType backEnd,
                            long long points) {
    try {
        CVdXmlDocument doc;
        Check(doc.Initialize(Root(), backEnd, _bstr_t(path), 0), "initialize");
        VDXML_PROJECT project;
        project.Name = SurveyHeader::kProject;
        CVdXmlProject projectNode;
        Check(doc.InsertProject(project, projectNode), "project");
        for (long long i = 0; i < points; ++i) WritePoint(projectNode, i);
        Check(doc.Save(), "save");
    } catch (const _com_error& e) {
        throw std::runtime_error("library: the engine raised an error while writing " + path);
    }
}

}  // namespace vdxml_bench
