// The default code page writes what the library wrote before code pages could be chosen: the
// tool's sample, byte for byte against a file written then (its creation time masked).
#include <gtest/gtest.h>

#include "sample_survey.h"
#include "support/golden.h"
#include "support/test_files.h"

namespace {

using namespace vdxml_test;

// The bytes of a UTF-16 file with the text of "FileCreated" replaced by a fixed time.
std::string MaskCreationTime(const std::string& bytes) {
    std::u16string text(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                        static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    const std::size_t open = text.find(u'>', text.find(u"<FileCreated"));
    const std::size_t close = text.find(u"</FileCreated>");
    if (open < close && close != std::u16string::npos)
        text.replace(open + 1, close - open - 1, u"2000-01-01T00:00:00.0000");
    std::string out;
    for (char16_t c : text) out += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return out;
}

TEST(DefaultCodePage, TheSampleIsByteIdenticalToTheOutputBeforeCodePages) {
    const std::string golden = ReadBytes(TestDataDir() + "/golden/io/sample_default_code_page.xml");
    ASSERT_FALSE(golden.empty());
    TempDir dir;
    vdxml_cli::SampleOptions options;  // the tool's defaults: streaming, Windows-1252
    options.points = 4;
    for (const VDXML_CODEPAGE page : {options.codePage, VDXML_CODEPAGE_1252}) {
        options.codePage = page;
        options.file = dir.file("sample.xml");
        ASSERT_EQ(vdxml_cli::WriteSampleSurvey(options, [](long long) {}), S_OK);
        const std::string written = ReadBytes(options.file);
        EXPECT_NE(written, MaskCreationTime(written));  // the creation time was found
        EXPECT_TRUE(MaskCreationTime(written) == golden) << "differs from the golden file";
    }
}

}  // namespace
