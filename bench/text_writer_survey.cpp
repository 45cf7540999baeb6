#include "text_writer_survey.h"

#include <libxml/encoding.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlwriter.h>

#include <stdexcept>

#include "survey_layout.h"

namespace vdxml_bench {
namespace {

const xmlChar* X(const char* text) { return reinterpret_cast<const xmlChar*>(text); }

class TextWriterSink {
  public:
    explicit TextWriterSink(const std::string& path) {
        xmlCharEncodingHandlerPtr utf16 = xmlFindCharEncodingHandler("UTF-16");
        xmlOutputBufferPtr out = xmlOutputBufferCreateFilename(path.c_str(), utf16, 0);
        if (!out) throw std::runtime_error("libxml2: cannot open " + path);
        m_writer = xmlNewTextWriter(out);
        if (!m_writer) {
            xmlOutputBufferClose(out);
            throw std::runtime_error("libxml2: no text writer");
        }
    }
    ~TextWriterSink() { xmlFreeTextWriter(m_writer); }
    TextWriterSink(const TextWriterSink&) = delete;
    TextWriterSink& operator=(const TextWriterSink&) = delete;

    void StartRoot() {
        // The declaration as the library writes it (single quotes, lower-case encoding).
        Check(xmlTextWriterWriteRaw(m_writer, X("<?xml version='1.0' encoding='utf-16'?>")));
        Start("Company");
        Check(xmlTextWriterWriteAttribute(m_writer, X("xmlns:dt"),
                                          X(SurveyHeader::kDataTypesNamespace)));
        Check(xmlTextWriterWriteAttribute(m_writer, X("xmlns"), X(SurveyHeader::kNamespace)));
    }
    void Start(const char* name) { Check(xmlTextWriterStartElement(m_writer, X(name))); }
    void Leaf(const char* name, const char* text, LeafMark mark) {
        Start(name);
        if (mark == LeafMark::kComputed)
            Check(xmlTextWriterWriteAttribute(m_writer, X("vsrc"), X("c")));
        else if (mark == LeafMark::kDateTime)
            Check(xmlTextWriterWriteAttribute(m_writer, X("dt:dt"), X("datetime")));
        Check(xmlTextWriterWriteString(m_writer, X(text)));
        End();
    }
    void End() { Check(xmlTextWriterEndElement(m_writer)); }
    void Finish() { Check(xmlTextWriterFlush(m_writer)); }

  private:
    static void Check(int result) {
        if (result < 0) throw std::runtime_error("libxml2: the text writer failed");
    }

    xmlTextWriterPtr m_writer = nullptr;
};

}  // namespace

void WriteSurveyWithTextWriter(const std::string& path, long long points,
                               const std::string& fileCreated) {
    TextWriterSink sink(path);
    EmitSurvey(sink, points, fileCreated);
    sink.Finish();
}

}  // namespace vdxml_bench
