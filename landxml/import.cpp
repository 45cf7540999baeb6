// ImportLandXml: a LandXML document read front to back by the engine's streamed read (under
// the protections of every load) and written through the library's writers into a survey file
// that replaces its target only when saved.
#include "engine/xml_stream.h"
#include "landxml/import_handler.h"
#include "vdxml/landxml.h"

namespace vdxml_landxml {
namespace {
long Import(const char* source, const char* target, IVdXmlDoc::enmDocType docType,
            VDXML_CODEPAGE codePage, SummaryCounts& counts) {
    if (!source || !*source || !target || !*target) return E_FAIL;
    try {
        ImportHandler handler(target, docType, codePage, counts);
        XmlParseError error;
        const vdxml_engine::StreamEnd end = vdxml_engine::StreamFile(source, handler, error);
        if (end == vdxml_engine::StreamEnd::Complete) return handler.Finish();
        if (end == vdxml_engine::StreamEnd::Stopped) return handler.Status();
        std::string message = "cannot be read";
        if (error.line > 0) message += " (line " + std::to_string(error.line) + ")";
        if (error.reason.length()) message += ": " + error.reason.utf8();
        counts.Tell(message);
        return error.errorCode;
    } catch (const _com_error& e) {
        counts.Tell("the survey file cannot be written");
        return e.Error();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}
}  // namespace
}  // namespace vdxml_landxml

long VdXml::ImportLandXml(const char* source, const char* target, IVdXmlDoc::enmDocType docType,
                          VDXML_LANDXML_SUMMARY* summary) {
    return ImportLandXml(source, target, docType, VDXML_CODEPAGE_1252, summary);
}

long VdXml::ImportLandXml(const char* source, const char* target, IVdXmlDoc::enmDocType docType,
                          VDXML_CODEPAGE codePage, VDXML_LANDXML_SUMMARY* summary) {
    vdxml_landxml::SummaryCounts counts;
    const long hr = vdxml_landxml::Import(source, target, docType, codePage, counts);
    if (summary) *summary = counts.Result();
    return hr;
}
