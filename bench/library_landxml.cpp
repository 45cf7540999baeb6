#include "library_landxml.h"

#include <map>
#include <stdexcept>

#include "bench_files.h"
#include "vdxml/vdxml.h"

namespace vdxml_bench {

void ExportToLandXml(const std::string& survey, const std::string& target) {
    if (VdXml::ExportLandXml(survey.c_str(), target.c_str()) != S_OK)
        throw std::runtime_error("LandXML export failed: " + survey);
}

const std::string& LandXmlInput(long long points) {
    static std::map<long long, std::string> written;
    auto found = written.find(points);
    if (found != written.end()) return found->second;
    const std::string path = OutputPath("landxml-input", points) + ".landxml";
    ExportToLandXml(InputFile(points), path);
    return written.emplace(points, path).first->second;
}

void ImportFromLandXml(const std::string& source, const std::string& target) {
    if (VdXml::ImportLandXml(source.c_str(), target.c_str(), IVdXmlDoc::DOCTYPE_STREAM) != S_OK)
        throw std::runtime_error("LandXML import failed: " + source);
}

}  // namespace vdxml_bench
