// The entry path on arbitrary texts and numbers: the input is decoded into a list of entries
// (texts of any wide characters, doubles and floats of any bit pattern with any precision,
// integers, date-times, time spans, and entry names of any characters), written through
// CVdXmlNode into a document of each back end, saved, and read back with libxml2.
// Expectations: both files are well-formed, both back ends give the same statuses and the same
// entries, and every written entry keeps the documented format of its kind.
#include <libxml/parser.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "entry_ops.h"
#include "fuzz_support.h"
#include "vdxml/document.h"

namespace {

using vdxml_fuzz::EntryOp;

struct Written {
    std::string name;
    std::string text;
};

// The entries below "Application/Entries" of a written file; aborts when the file is not a
// namespace-well-formed document with that element.
std::vector<Written> ReadBack(const std::string& path) {
    xmlParserCtxtPtr context = xmlNewParserCtxt();
    VDXML_FUZZ_CHECK(context != nullptr);
    xmlDocPtr doc = xmlCtxtReadFile(context, path.c_str(), nullptr,
                                    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    VDXML_FUZZ_CHECK(doc != nullptr && context->wellFormed && context->nsWellFormed);
    xmlFreeParserCtxt(context);

    auto child = [](xmlNodePtr parent, const char* name) -> xmlNodePtr {
        for (xmlNodePtr n = parent ? parent->children : nullptr; n; n = n->next)
            if (n->type == XML_ELEMENT_NODE &&
                std::strcmp(reinterpret_cast<const char*>(n->name), name) == 0)
                return n;
        return nullptr;
    };
    xmlNodePtr box = child(child(xmlDocGetRootElement(doc), "Application"), "Entries");
    VDXML_FUZZ_CHECK(box != nullptr);
    std::vector<Written> entries;
    for (xmlNodePtr n = box->children; n; n = n->next) {
        if (n->type != XML_ELEMENT_NODE) continue;
        xmlChar* content = xmlNodeGetContent(n);
        entries.push_back({reinterpret_cast<const char*>(n->name),
                           content ? reinterpret_cast<const char*>(content) : ""});
        xmlFree(content);
    }
    xmlFreeDoc(doc);
    return entries;
}

// Writes the entries with one back end; the statuses of the entries, or empty when the
// document could not be started.
std::vector<long> Write(IVdXmlDoc::enmDocType backEnd, const std::vector<EntryOp>& ops,
                        const std::string& path) {
    std::vector<long> statuses;
    CVdXmlDocument doc;
    if (doc.Initialize(vdxml_fuzz::FuzzRoot(), backEnd, _bstr_t(path.c_str()), 0) != S_OK)
        return statuses;
    CVdXmlNode box;
    VDXML_FUZZ_CHECK(
        box.Create(*doc.GetNode(CVdXmlDocument::NODE_APPLICATION), L"Entries", nullptr) == S_OK);
    for (const EntryOp& op : ops) {
        try {
            statuses.push_back(vdxml_fuzz::Apply(box, op));
        } catch (const _com_error& e) {
            // The streaming writer raises the engine's refusal of a name; nothing is written.
            VDXML_FUZZ_CHECK(backEnd == IVdXmlDoc::DOCTYPE_STREAM && FAILED(e.Error()));
            statuses.push_back(e.Error());
        }
    }
    VDXML_FUZZ_CHECK(doc.Save() == S_OK);
    return statuses;
}

bool SameOutcome(long a, long b) { return a == b || (FAILED(a) && FAILED(b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<EntryOp> ops = vdxml_fuzz::DecodeEntryOps(data, size);
    const std::string domPath = vdxml_fuzz::ScratchFile("entries-dom.xml");
    const std::string streamPath = vdxml_fuzz::ScratchFile("entries-stream.xml");
    const std::vector<long> dom = Write(IVdXmlDoc::DOCTYPE_DOM, ops, domPath);
    const std::vector<long> stream = Write(IVdXmlDoc::DOCTYPE_STREAM, ops, streamPath);
    VDXML_FUZZ_CHECK(dom.size() == ops.size() && stream.size() == ops.size());

    const std::vector<Written> domEntries = ReadBack(domPath);
    const std::vector<Written> streamEntries = ReadBack(streamPath);
    VDXML_FUZZ_CHECK(domEntries.size() == streamEntries.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        VDXML_FUZZ_CHECK(SameOutcome(dom[i], stream[i]));
        VDXML_FUZZ_CHECK(vdxml_fuzz::StatusAsDocumented(ops[i], dom[i]));
        const bool present = next < domEntries.size() && domEntries[next].name == ops[i].Name();
        // An accepted entry is there; a skipped one (S_FALSE) is not; a refused one may have
        // left its element behind.
        if (dom[i] == S_OK) VDXML_FUZZ_CHECK(present);
        if (!present || dom[i] == S_FALSE) continue;
        VDXML_FUZZ_CHECK(streamEntries[next].name == domEntries[next].name);
        VDXML_FUZZ_CHECK(streamEntries[next].text == domEntries[next].text);
        if (dom[i] == S_OK && !vdxml_fuzz::TextAsDocumented(ops[i], domEntries[next].text)) {
            std::fprintf(stderr, "entry %zu of kind %d was written as \"%s\"\n", i,
                         static_cast<int>(ops[i].kind), domEntries[next].text.c_str());
            vdxml_fuzz::Fail(__FILE__, __LINE__, "the entry's text is not as documented");
        }
        ++next;
    }
    VDXML_FUZZ_CHECK(next == domEntries.size());
    return 0;
}
