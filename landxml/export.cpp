// ExportLandXml: a survey file read front to back (completely: coordinate system names and
// baseline vectors too) and written as a LandXML document that replaces its target when done.
#include <cerrno>
#include <cstdio>
#include <memory>

#include "core/file_replacement.h"
#include "engine/utf8_writer.h"
#include "landxml/export_writer.h"
#include "platform/files.h"
#include "vdxml/landxml.h"
#include "vdxml/parser.h"

namespace vdxml_landxml {
namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

long ErrnoStatus() {
    return HRESULT_FROM_WIN32(vdxml_platform::Win32ErrorFromErrno(errno ? errno : EIO));
}

void TellParseError(SummaryCounts& counts, const CVdXmlParser& parser) {
    const VDXML_PARSE_ERROR& error = parser.GetParseError();
    std::string message = "cannot be read as a survey file";
    if (error.line > 0) message += " (line " + std::to_string(error.line) + ")";
    if (error.reason.length()) message += ": " + error.reason.utf8();
    counts.Tell(message);
}

// One pass over source into path: streamed, or through a DOM for a file whose entries are out
// of order for streaming.
long WriteDocument(const char* source, const std::string& path, bool stream,
                   SummaryCounts& counts) {
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file) return ErrnoStatus();
    {
        vdxml_engine::Utf8XmlWriter out(file.get(), true);
        ExportWriter writer(out, counts);
        CVdXmlParser parser;
        parser.SetCallbackInterface(&writer);
        const long hr =
            stream ? parser.ParseStream(source, VDXML_READ_COMPLETE) : parser.Parse(source);
        if (FAILED(hr)) {
            if (hr != VDXML_E_OUT_OF_ORDER) TellParseError(counts, parser);
            return hr;
        }
        if (!writer.Began()) {
            counts.Tell("holds no survey (its root element is not the survey file's)");
            return E_FAIL;
        }
        writer.Finish();
    }  // the writer lets go of the stream before it closes
    if (std::fclose(file.release()) != 0) return ErrnoStatus();
    return S_OK;
}

long Export(const char* source, const char* target, SummaryCounts& counts) {
    if (!source || !*source || !target || !*target) return E_FAIL;
    CVdXmlFileReplacement replacement;
    long hr = replacement.Begin(target);
    if (FAILED(hr)) {
        counts.Tell(std::string(target) + ": cannot be written");
        return hr;
    }
    try {
        hr = WriteDocument(source, replacement.WritePath(), true, counts);
        if (hr == VDXML_E_OUT_OF_ORDER) {
            counts = SummaryCounts();
            hr = WriteDocument(source, replacement.WritePath(), false, counts);
        }
    } catch (const _com_error& e) {
        hr = e.Error();
        counts.Tell(std::string(target) + ": write failed");
    } catch (const std::bad_alloc&) {
        hr = E_OUTOFMEMORY;
    }
    if (FAILED(hr)) {
        replacement.Abandon();
        return hr;
    }
    return replacement.Commit();
}
}  // namespace
}  // namespace vdxml_landxml

long VdXml::ExportLandXml(const char* source, const char* target, VDXML_LANDXML_SUMMARY* summary) {
    vdxml_landxml::SummaryCounts counts;
    const long hr = vdxml_landxml::Export(source, target, counts);
    if (summary) *summary = counts.Result();
    return hr;
}
