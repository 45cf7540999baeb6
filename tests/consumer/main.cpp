// Writes a tiny survey through the installed package, validates it (the schema is in the
// library, not looked for on disk) and reads it back.
//
//   consumer FILE
#include <vdxml/vdxml.h>

#include <cstdio>

namespace {
long WriteTiny(const char* file) {
    VDXML_ROOT root;
    root.NamespaceURI = L"urn:example:survey";
    root.Company = L"Consumer Ltd";
    root.Application = L"consumer";
    root.Version.Major = 1;

    CVdXmlDocument doc;
    long hr = doc.Initialize(root, IVdXmlDoc::DOCTYPE_STREAM, _bstr_t(file), 0);
    VDXML_PROJECT project;
    project.Name = L"Tiny";
    CVdXmlProject projectNode;
    if (SUCCEEDED(hr)) hr = doc.InsertProject(project, projectNode);
    VDXML_POINT point;
    point.Name = L"BM1";
    CVdXmlPoint pointNode;
    if (SUCCEEDED(hr)) hr = pointNode.Create(projectNode, point);
    VDXML_COORD coord;
    coord.LocalEnh.Flags = VDXML_GRID::flagEN;
    coord.LocalEnh.E = 1000.0;
    coord.LocalEnh.N = 2000.0;
    CVdXmlCoord coordNode;
    if (SUCCEEDED(hr)) hr = coordNode.Create(pointNode, coord);
    if (SUCCEEDED(hr)) hr = doc.Save();
    return hr;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: consumer FILE\n");
        return 2;
    }
    const long hr = WriteTiny(argv[1]);
    if (FAILED(hr)) {
        std::fprintf(stderr, "consumer: %s: writing failed (0x%08lX)\n", argv[1],
                     static_cast<unsigned long>(hr) & 0xFFFFFFFFul);
        return 1;
    }
    std::vector<VDXML_FINDING> findings;
    if (CVdXmlValidator().Validate(argv[1], findings) != S_OK) {
        std::fprintf(stderr, "consumer: %s: not valid: %s\n", argv[1],
                     findings.empty() ? "" : findings[0].message.utf8().c_str());
        return 1;
    }
    // Root, project, point, coordinate: the point's record sits at pre-order index 2.
    CVdXmlTree tree;
    const VDXML_BASE* point = SUCCEEDED(tree.Load(argv[1])) ? tree.GetNode(2) : nullptr;
    if (!point || point->nType != VDXML_TYPE_POINT ||
        static_cast<const VDXML_POINT*>(point)->Name != _bstr_t(L"BM1")) {
        std::fprintf(stderr, "consumer: %s: the point did not come back\n", argv[1]);
        return 1;
    }
    std::printf("%s: written and read back\n", argv[1]);
    return 0;
}
