// Hostile files through both readers, the event parser and the record tree, and the validator.
// Each file is refused with a failure status and nothing reported, or read as what it is,
// within time and memory bounds, without opening a file it names and without a word on
// standard error.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "sample_survey.h"
#include "support/notification_log.h"
#include "support/test_files.h"
#include "vdxml/record_tree.h"
#include "vdxml/validator.h"

namespace {

using namespace vdxml_test;

// Latin text as UTF-16LE, after a byte-order mark when mark is set.
std::string Utf16(const std::string& latin, bool mark = true) {
    std::string out = mark ? "\xFF\xFE" : "";
    for (char c : latin) out += std::string(1, c) + '\0';
    return out;
}
std::string Repeat(const std::string& text, int times) {
    std::string out;
    while (times-- > 0) out += text;
    return out;
}
std::string Nested(int depth) { return Repeat("<Pnt>", depth) + Repeat("</Pnt>", depth); }
// A company named "A", the entity e and "B", after the document type declaration decl.
std::string WithDoctype(const std::string& decl) {
    return "<!DOCTYPE Company " + decl + "><Company><Name>A&e;B</Name></Company>";
}

const char kMissing[] = "(no file)", kFolder[] = "(a folder)";

struct HostileFile {
    const char* name;
    const wchar_t* company;  ///< the company read, or null when both readers must refuse
    std::string content;
};

// Notes every opening and reading of the files watched while it lives.
struct AccessWatch {
    int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ~AccessWatch() { close(fd); }
    bool Touched() const {
        alignas(inotify_event) char events[4096];
        return read(fd, events, sizeof events) > 0;
    }
};

TEST(Hostile, EveryReaderRefusesOrReadsWithinBounds) {
    TempDir dir;
    WriteBytes(dir.file("secret.txt"), "TOP-SECRET");
    WriteBytes(dir.file("decl.dtd"),
               "<!ENTITY e SYSTEM 'secret.txt'><!ATTLIST Company x CDATA 'y'>");
    vdxml_cli::WriteSampleSurvey({dir.file("sample.xml"), IVdXmlDoc::DOCTYPE_STREAM, 1}, nullptr);
    const std::string sample = ReadBytes(dir.file("sample.xml"));
    const std::string secret = "'file://" + dir.file("secret.txt") + "'";
    std::string laughs = "[<!ENTITY e0 'lol'>";
    for (int i = 1; i <= 10; ++i)  // e expands to 10^10 copies of "lol"
        laughs += "<!ENTITY e" + (i < 10 ? std::to_string(i) : "") + " '" +
                  Repeat("&e" + std::to_string(i - 1) + ";", 10) + "'>";
    const HostileFile files[] = {
        {"empty", nullptr, ""},
        {"missing", nullptr, kMissing},
        {"folder", nullptr, kFolder},
        {"text after the root", nullptr, "<Company/>\x01\xff<Company/>"},
        {"100 levels", L"", "<Company>" + Nested(100) + "</Company>"},
        {"10000 levels", nullptr, "<Company>" + Nested(10000) + "</Company>"},
        {"100000 unclosed levels", nullptr, "<Company>" + Repeat("<Pnt>", 100000)},
        {"sample", L"Example Surveys Ltd", sample},
        {"sample cut in a character", nullptr, sample.substr(0, 3)},
        {"sample cut in the middle", nullptr, sample.substr(0, sample.size() / 2 + 1)},
        {"sample cut before its end", nullptr, sample.substr(0, sample.size() - 4)},
        {"UTF-8 declared UTF-16", nullptr, "<?xml version='1.0' encoding='utf-16'?><Company/>"},
        {"Latin-1 byte in UTF-8", nullptr, "<Company><Name>Caf\xE9</Name></Company>"},
        {"UTF-8 in UTF-16", nullptr,
         Utf16("<Company>") + "Caf\xC3\xA9" + Utf16("</Company>", false)},
        {"odd-length UTF-16", nullptr, Utf16("<Company/>").substr(1)},
        {"lone surrogate", nullptr,
         Utf16("<Company>") + std::string("\0\xD8", 2) + Utf16("</Company>", false)},
        {"unknown encoding", nullptr, "<?xml version='1.0' encoding='x-none'?><Company/>"},
        {"mark against declaration", L"Caf\u00C3\u00A9",  // read as declared
         "\xEF\xBB\xBF<?xml version='1.0' "
         "encoding='iso-8859-1'?><Company><Name>Caf\xC3\xA9</Name></Company>"},
        {"control character", nullptr, "<Company><Name>\x07</Name></Company>"},
        {"internal entity", L"AB", WithDoctype("[<!ENTITY e 'expanded'>]")},
        {"external entity", L"AB", WithDoctype("[<!ENTITY e SYSTEM " + secret + ">]")},
        {"network entity", L"AB", WithDoctype("[<!ENTITY e SYSTEM 'http://127.0.0.1:9/x'>]")},
        {"parameter entity", nullptr, WithDoctype("[<!ENTITY % d SYSTEM 'decl.dtd'> %d;]")},
        {"external declarations", L"AB", WithDoctype("SYSTEM 'decl.dtd'")},
        {"entities of entities", nullptr, WithDoctype(laughs + "]")},
        {"large entity used often", L"",
         "<!DOCTYPE Company [<!ENTITY e '" + std::string(100000, 'x') + "'>]><Company><Name>" +
             Repeat("&e;", 20000) + "</Name></Company>"},
        {"text of 100 MB", nullptr,
         "<Company><Name>" + std::string(100 << 20, 'A') + "</Name></Company>"},
    };
    AccessWatch watch;
    for (const char* name : {"secret.txt", "decl.dtd"})
        ASSERT_GE(inotify_add_watch(watch.fd, dir.file(name).c_str(), IN_OPEN | IN_ACCESS), 0);
    testing::internal::CaptureStderr();
    for (const HostileFile& file : files) {
        SCOPED_TRACE(file.name);
        const std::string path = dir.file("hostile.xml");
        if (file.content == kFolder) {
            mkdir(path.c_str(), 0755);
        } else if (file.content != kMissing) {
            WriteBytes(path, file.content);
        }
        const long baseline = PeakKb(true);
        const auto start = std::chrono::steady_clock::now();
        NotificationLog log;
        CVdXmlParser parser;
        parser.SetCallbackInterface(&log);
        const long parsed = parser.Parse(path.c_str());
        NotificationLog streamLog;  // a stream reports what comes before the fault
        parser.SetCallbackInterface(&streamLog);
        const long streamed = parser.ParseStream(path.c_str());
        CVdXmlTree tree;
        const long loaded = tree.Load(path.c_str());
        const auto* root = static_cast<const VDXML_ROOT*>(tree.GetNode(0));
        std::vector<VDXML_FINDING> findings;  // only the sample is a valid survey
        const long validated = CVdXmlValidator().Validate(path.c_str(), findings);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
        EXPECT_LT(PeakKb() - baseline, 96 * 1024) << "kB more at the peak; the file may be 100 MB";
        EXPECT_FALSE(watch.Touched()) << "a file it names was opened";
        const bool read = file.company != nullptr;
        EXPECT_EQ(parsed, read ? S_OK : E_FAIL);
        EXPECT_EQ(loaded == S_OK, read) << loaded;
        EXPECT_EQ(streamed == S_OK, read) << streamed;
        EXPECT_EQ(root ? root->Company.wstr() : L"(none)", read ? file.company : L"(none)");
        EXPECT_TRUE(read || log.Entries().empty()) << "a refused file reports nothing";
        EXPECT_EQ(validated == S_OK, std::string(file.name) == "sample") << validated;
        EXPECT_EQ(findings.empty(), validated == S_OK);
        std::filesystem::remove_all(path);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
