// Checks that the plain libxml2 writers of the benchmarks write what the library writes, and
// that every reader sees the whole survey, so that the timed comparisons compare like with
// like. Exit status 0 when everything agrees.
// Usage: vdxml_bench_check [points]
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>

#include "bench_files.h"
#include "library_reading.h"
#include "library_survey.h"
#include "libxml_walk.h"
#include "text_writer_survey.h"
#include "tree_builder_survey.h"
#include "xml_compare.h"

using namespace vdxml_bench;

namespace {

// Elements of the header (root to the project's name) and of one point.
constexpr long long kHeaderElements = 14;
constexpr long long kPointElements = 28;
constexpr long long kHeaderTexts = 9;
constexpr long long kPointTexts = 20;

int g_failures = 0;

void Expect(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok) ++g_failures;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ExpectSameTree(const std::string& a, const std::string& b, const std::string& what) {
    const std::string difference = CompareXmlFiles(a, b);
    Expect(difference.empty(), what + (difference.empty() ? "" : ": " + difference));
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const long long points = argc > 1 ? std::stoll(argv[1]) : 500;
        const std::string streamLibrary = OutputPath("check-stream-library", points);
        const std::string streamLibxml = OutputPath("check-stream-libxml2", points);
        const std::string domLibrary = OutputPath("check-dom-library", points);
        const std::string domLibxml = OutputPath("check-dom-libxml2", points);

        WriteSurveyWithLibrary(streamLibrary, IVdXmlDoc::DOCTYPE_STREAM, points);
        WriteSurveyWithLibrary(domLibrary, IVdXmlDoc::DOCTYPE_DOM, points);
        // The plain writers take the library's time stamp, so whole files can be compared.
        const std::string created = FirstElementText(streamLibrary, "FileCreated");
        Expect(!created.empty(), "the library writes FileCreated");
        WriteSurveyWithTextWriter(streamLibxml, points, created);
        WriteSurveyWithTreeBuilder(domLibxml, points, FirstElementText(domLibrary, "FileCreated"));

        ExpectSameTree(streamLibrary, streamLibxml, "streaming: libxml2 text writer, same tree");
        Expect(Contents(streamLibrary) == Contents(streamLibxml),
               "streaming: libxml2 text writer, same bytes");
        ExpectSameTree(domLibrary, domLibxml, "DOM: libxml2 tree builder, same tree");
        ExpectSameTree(streamLibxml, domLibxml, "streaming and DOM files, same tree");

        const WalkCounts walk = ReadWithLibxml(streamLibrary);
        Expect(static_cast<long long>(walk.elements) == kHeaderElements + kPointElements * points,
               "libxml2 walk: every element (" + std::to_string(walk.elements) + ")");
        Expect(static_cast<long long>(walk.texts) == kHeaderTexts + kPointTexts * points,
               "libxml2 walk: every text (" + std::to_string(walk.texts) + ")");
        const long long records = 2 + 2 * points;  // root, project, a point and its coordinate
        Expect(CountTreeRecords(streamLibrary) == records, "record tree: every record");
        Expect(ParseWithEmptyCallback(streamLibrary) == records, "parser: every element kind");

        for (const std::string* path : {&streamLibrary, &streamLibxml, &domLibrary, &domLibxml})
            RemoveFile(*path);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vdxml_bench_check: %s\n", e.what());
        return 2;
    }
    return g_failures == 0 ? 0 : 1;
}
