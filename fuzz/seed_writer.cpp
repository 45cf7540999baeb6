// Writes the seed corpus of the harnesses: the tool's sample survey written by the library (both
// back ends, and transcoded to UTF-8 so that byte mutations keep more of a file readable) into
// <corpus>/files, and entry lists for the entry-text harness into <corpus>/entries.
//   vdxml_fuzz_seeds fuzz/corpus
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "entry_ops.h"
#include "fuzz_support.h"
#include "sample_survey.h"
#include "vdxml/document.h"

namespace {

using vdxml_fuzz::EntryOp;

bool Ok(long hr) { return hr >= 0; }

// The tool's sample survey with one point: every element kind that reading reports.
long WriteSurvey(IVdXmlDoc::enmDocType backEnd, const std::string& path) {
    vdxml_cli::SampleOptions options;
    options.file = path;
    options.backEnd = backEnd;
    options.points = 1;
    return vdxml_cli::WriteSampleSurvey(options, [](long long) {});
}

long WriteRootOnly(const std::string& path) {
    CVdXmlDocument doc;
    const long hr =
        doc.Initialize(vdxml_fuzz::FuzzRoot(), IVdXmlDoc::DOCTYPE_STREAM, _bstr_t(path.c_str()), 0);
    return Ok(hr) ? doc.Save() : hr;
}

// A UTF-16 file (little-endian, byte-order mark) as UTF-8, its declaration changed to match.
bool TranscodeToUtf8(const std::string& from, const std::string& to) {
    const std::string bytes = vdxml_fuzz::ReadFile(from);
    if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') return false;
    std::wstring wide;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const unsigned unit =
            static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const unsigned low = static_cast<unsigned char>(bytes[i + 2]) |
                                 static_cast<unsigned char>(bytes[i + 3]) << 8;
            wide.push_back(
                static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
            i += 2;
        } else {
            wide.push_back(static_cast<wchar_t>(unit));
        }
    }
    std::string text = WideToUtf8(wide);
    for (const char* declared : {"utf-16", "UTF-16"}) {
        const std::size_t at = text.find(declared);
        if (at != std::string::npos && at < 64) text.replace(at, 6, "utf-8");
    }
    return vdxml_fuzz::WriteFile(to, reinterpret_cast<const std::uint8_t*>(text.data()),
                                 text.size());
}

EntryOp Op(EntryOp::Kind kind) {
    EntryOp op;
    op.kind = kind;
    return op;
}
EntryOp Text(EntryOp::Kind kind, const std::wstring& text) {
    EntryOp op = Op(kind);
    op.text = text;
    return op;
}
EntryOp Number(EntryOp::Kind kind, double value, unsigned precision = 0) {
    EntryOp op = Op(kind);
    op.number = value;
    op.single = static_cast<float>(value);
    op.integer =
        static_cast<std::uint64_t>(static_cast<long long>(std::isfinite(value) ? value : 0));
    op.precision = precision;
    return op;
}

std::vector<std::vector<EntryOp>> EntrySeeds() {
    using K = EntryOp;
    EntryOp civil = Op(K::kDateTimeTm);
    civil.when.tm_year = 124;
    civil.when.tm_mon = 1;
    civil.when.tm_mday = 29;
    civil.when.tm_hour = 23;
    civil.when.tm_min = 59;
    civil.when.tm_sec = 59;
    civil.number = 0.99999;
    return {
        // One entry of every kind with ordinary values.
        {Text(K::kText, L"Pillar 4"), Number(K::kDouble, 1234.56789, 5), Number(K::kFloat, 0.25, 3),
         Number(K::kLong, -42), Number(K::kUnsignedLong, 4000000000.0), Number(K::kByte, 200),
         Number(K::kDateTimeMjd, 60310.5), Number(K::kDateTimeOle, 45000.25),
         Number(K::kTimeSpanMjd, 1.5), Number(K::kTimeSpanOle, -0.75), civil,
         Text(K::kNamedText, L"Remark")},
        // Numbers at the edges of their formats.
        {Number(K::kDouble, NAN, 5), Number(K::kDouble, DBL_MAX, 2), Number(K::kDouble, -0.0, 0),
         Number(K::kDouble, 4.9e-324, 400), Number(K::kDouble, 1e300, 1100),
         Number(K::kFloat, INFINITY, 4), Number(K::kFloat, NAN, 1),
         Number(K::kDateTimeMjd, 1999999.99999999), Number(K::kDateTimeMjd, -0.5),
         Number(K::kDateTimeOle, -657434.0), Number(K::kDateTimeOle, 2958465.999999),
         Number(K::kTimeSpanMjd, 9.0e15), Number(K::kTimeSpanMjd, 0.99999999999)},
        // Texts the code page and XML must deal with, and names XML refuses.
        {Text(K::kText, std::wstring(L"tab\tnul", 7) + L'\0' + L"\r\n\x7F\x81\xAD end"),
         Text(K::kText, L"\x20AC 5 \x00E9t\x00E9 \x4E2D\x6587 <&>\"'"),
         Text(K::kText, std::wstring(1, static_cast<wchar_t>(0xD800)) + L"x" +
                            static_cast<wchar_t>(0x110000) + static_cast<wchar_t>(0xFFFE)),
         Text(K::kText, L"   "), Text(K::kNamedText, L"a-b.c"), Text(K::kNamedText, L"1x"),
         Text(K::kNamedText, L""), Text(K::kNamedText, L"x y"),
         Text(K::kNamedText, L"\x00E9l\x00E9ment")},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
        return 2;
    }
    const std::string corpus = argv[1];
    std::filesystem::create_directories(corpus + "/files");
    std::filesystem::create_directories(corpus + "/entries");
    const std::string files = corpus + "/files/";
    bool ok = Ok(WriteSurvey(IVdXmlDoc::DOCTYPE_DOM, files + "survey-dom.xml")) &&
              Ok(WriteSurvey(IVdXmlDoc::DOCTYPE_STREAM, files + "survey-stream.xml")) &&
              Ok(WriteRootOnly(files + "root-only.xml")) &&
              TranscodeToUtf8(files + "survey-dom.xml", files + "survey-utf8.xml") &&
              TranscodeToUtf8(files + "root-only.xml", files + "root-only-utf8.xml");
    int n = 0;
    for (const std::vector<EntryOp>& seed : EntrySeeds()) {
        const std::string bytes = vdxml_fuzz::EncodeEntryOps(seed);
        ok = ok && vdxml_fuzz::WriteFile(corpus + "/entries/seed-" + std::to_string(++n) + ".bin",
                                         reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                         bytes.size());
    }
    if (!ok) std::fprintf(stderr, "the seed corpus could not be written completely\n");
    return ok ? 0 : 1;
}
