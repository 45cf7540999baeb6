// Writes a small survey file: one project with three points, each with WGS 84 Cartesian
// coordinates and their cofactors plus local grid coordinates, through the DOM back end.
//
//   write_survey [FILE]      (default: survey.xml in the current folder)
#include <vdxml/vdxml.h>

#include <cstdio>

int main(int argc, char** argv) {
    const char* file = argc > 1 ? argv[1] : "survey.xml";

    VDXML_ROOT root;
    root.NamespaceURI = L"urn:vdxml:survey";
    root.Company = L"Example Surveys Ltd";
    root.Application = L"write_survey";
    root.Version.Major = 1;
    root.Units.Linear = 1;      // metres
    root.Units.Angular = 1;     // radians
    root.Units.TimeSystem = 2;  // UTC

    CVdXmlDocument doc;
    long hr = doc.Initialize(root, IVdXmlDoc::DOCTYPE_DOM, _bstr_t(file), 0);
    if (FAILED(hr)) {
        std::fprintf(stderr, "write_survey: %s: cannot start the document (0x%08lX)\n", file,
                     hr & 0xFFFFFFFFul);
        return 1;
    }

    VDXML_PROJECT project;
    project.Name = L"Bridge monitoring";
    project.Manager = L"J. Smith";
    CVdXmlProject projectNode;
    hr = doc.InsertProject(project, projectNode);

    for (int i = 0; i < 3 && SUCCEEDED(hr); ++i) {
        VDXML_POINT point;
        point.Name = (L"P" + std::to_wstring(i + 1)).c_str();
        point.Class = VDXML_PNT_CLASS_MEASURED;
        CVdXmlPoint pointNode;
        hr = pointNode.Create(projectNode, point);
        if (FAILED(hr)) break;

        VDXML_COORD coord;
        coord.Type = VDXML_COORD_TYPE_3D;
        coord.Wgs84Xyz.Flags = VDXML_CARTESIAN::flagXyz | VDXML_CARTESIAN::flagQlty;
        coord.Wgs84Xyz.X = 4331297.348 + i * 10.0;
        coord.Wgs84Xyz.Y = 567555.639 + i * 5.0;
        coord.Wgs84Xyz.Z = 4633133.728 - i * 7.0;
        coord.Wgs84Xyz.Qlty.M0 = 1.0;
        coord.Wgs84Xyz.Qlty.Q11 = coord.Wgs84Xyz.Qlty.Q22 = 4e-6;
        coord.Wgs84Xyz.Qlty.Q33 = 9e-6;
        coord.LocalEnh.Flags = VDXML_GRID::flagEN | VDXML_GRID::flagHO;
        coord.LocalEnh.E = 2600000.0 + i * 11.2;
        coord.LocalEnh.N = 1200000.0 + i * 3.4;
        coord.LocalEnh.HO = 412.5 + i * 0.25;
        CVdXmlCoord coordNode;
        hr = coordNode.Create(pointNode, coord);
    }
    if (SUCCEEDED(hr)) hr = doc.Save();
    if (FAILED(hr)) {
        std::fprintf(stderr, "write_survey: %s: writing failed (0x%08lX)\n", file,
                     hr & 0xFFFFFFFFul);
        return 1;
    }
    std::printf("%s\n", file);
    return 0;
}
