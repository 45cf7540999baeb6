#include "operations.h"

#include <sstream>
#include <stdexcept>

#include "bench_files.h"
#include "floor_write.h"
#include "library_landxml.h"
#include "library_reading.h"
#include "library_survey.h"
#include "libxml_walk.h"
#include "survey_layout.h"
#include "text_writer_survey.h"
#include "tree_builder_survey.h"

namespace vdxml_bench {
namespace {

// One timestamp for every file of a process, as a document takes one when it starts.
const std::string& FileCreated() {
    static const std::string text = FileCreatedNow();
    return text;
}

const std::vector<char>& Block(long long points) {
    static std::vector<char> block;
    if (block.empty()) block = FloorBlock(InputFile(points));
    return block;
}

template <const char* Tag>
std::string Output(long long points) {
    return OutputPath(Tag, points);
}

constexpr char kStreamLibrary[] = "stream-library";
constexpr char kStreamLibxml[] = "stream-libxml2";
constexpr char kDomLibrary[] = "dom-library";
constexpr char kDomLibxml[] = "dom-libxml2";
constexpr char kFloor[] = "floor";
constexpr char kLandXmlExport[] = "landxml-export";
constexpr char kLandXmlImport[] = "landxml-import";

}  // namespace

const std::vector<Operation>& Operations() {
    static const std::vector<Operation> operations = {
        {"stream_write/library",
         [](long long n) {
             WriteSurveyWithLibrary(Output<kStreamLibrary>(n), IVdXmlDoc::DOCTYPE_STREAM, n);
         },
         Output<kStreamLibrary>},
        {"stream_write/libxml2",
         [](long long n) { WriteSurveyWithTextWriter(Output<kStreamLibxml>(n), n, FileCreated()); },
         Output<kStreamLibxml>},
        {"dom_write/library",
         [](long long n) {
             WriteSurveyWithLibrary(Output<kDomLibrary>(n), IVdXmlDoc::DOCTYPE_DOM, n);
         },
         Output<kDomLibrary>},
        {"dom_write/libxml2",
         [](long long n) { WriteSurveyWithTreeBuilder(Output<kDomLibxml>(n), n, FileCreated()); },
         Output<kDomLibxml>},
        {"tree_load/library", [](long long n) { LoadRecordTree(InputFile(n)); }, nullptr},
        {"parse/library", [](long long n) { ParseWithEmptyCallback(InputFile(n)); }, nullptr},
        {"parse_stream/library", [](long long n) { ParseStreamWithEmptyCallback(InputFile(n)); },
         nullptr},
        {"validate/library", [](long long n) { ValidateWithLibrary(InputFile(n)); }, nullptr},
        {"read/libxml2", [](long long n) { ReadWithLibxml(InputFile(n)); }, nullptr},
        {"stream_read/libxml2", [](long long n) { StreamWithLibxml(InputFile(n)); }, nullptr},
        {"landxml_export/library",
         [](long long n) { ExportToLandXml(InputFile(n), Output<kLandXmlExport>(n)); },
         Output<kLandXmlExport>},
        {"landxml_import/library",
         [](long long n) { ImportFromLandXml(LandXmlInput(n), Output<kLandXmlImport>(n)); },
         Output<kLandXmlImport>},
        {"floor/write",
         [](long long n) { WriteFromMemory(Output<kFloor>(n), Block(n), FileSize(InputFile(n))); },
         Output<kFloor>},
    };
    return operations;
}

void Prepare(long long points) {
    InputFile(points);
    LandXmlInput(points);
    Block(points);
}

std::vector<long long> ParseSizes(const std::string& list) {
    std::vector<long long> sizes;
    std::istringstream in(list);
    std::string item;
    while (std::getline(in, item, ',')) {
        std::size_t used = 0;
        const long long n = std::stoll(item, &used);
        if (used != item.size() || n <= 0)
            throw std::invalid_argument("not a point count: " + item);
        sizes.push_back(n);
    }
    if (sizes.empty()) throw std::invalid_argument("no point counts given");
    return sizes;
}

}  // namespace vdxml_bench
