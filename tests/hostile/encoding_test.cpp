// Files whose bytes do not match their encoding: a declaration that lies, bytes invalid in
// the declared encoding, encodings mixed in one file, an encoding nobody knows. Each is
// refused, or read as what its bytes are when they happen to be valid.
#include <gtest/gtest.h>

#include <string>

#include "hostile/hostile_reading.h"
#include "support/test_files.h"

namespace {

using vdxml_test::ExpectRefused;
using vdxml_test::ReadWithinBudget;
using vdxml_test::TempDir;

const std::string kBody = "<Company><Name>Caf\xC3\xA9</Name></Company>";

// The UTF-16LE form of ASCII/Latin text (each byte a character), with a byte-order mark.
std::string Utf16(const std::string& latin1) {
    std::string out = "\xFF\xFE";
    for (char c : latin1) {
        out.push_back(c);
        out.push_back('\0');
    }
    return out;
}

vdxml_test::HostileRead Read(const std::string& bytes) {
    TempDir dir;
    vdxml_test::WriteBytes(dir.file("encoded.xml"), bytes);
    return ReadWithinBudget(dir.file("encoded.xml"));
}

TEST(HostileEncoding, Utf8BytesDeclaredAsUtf16AreRefused) {
    ExpectRefused(Read("<?xml version='1.0' encoding='utf-16'?>" + kBody));
}

TEST(HostileEncoding, InvalidUtf8IsRefused) {
    ExpectRefused(
        Read("<?xml version='1.0' encoding='utf-8'?><Company><Name>Caf\xE9</Name></Company>"));
    ExpectRefused(Read("<Company><Name>\xC0\xAF overlong</Name></Company>"));
    ExpectRefused(Read("<Company><Name>\xED\xA0\x80 surrogate</Name></Company>"));
}

TEST(HostileEncoding, Utf8InsideAUtf16FileIsRefused) {
    const std::string utf16 = Utf16("<?xml version='1.0' encoding='utf-16'?><Company><Name>");
    ExpectRefused(Read(utf16 + "Caf\xC3\xA9" + Utf16("</Name></Company>").substr(2)));
}

TEST(HostileEncoding, OddLengthUtf16IsRefused) {
    const std::string utf16 = Utf16("<?xml version='1.0' encoding='utf-16'?>" + kBody);
    ExpectRefused(Read(utf16.substr(0, utf16.size() - 1)));
}

TEST(HostileEncoding, LoneSurrogateInUtf16IsRefused) {
    const std::string head = Utf16("<?xml version='1.0' encoding='utf-16'?><Company><Name>");
    ExpectRefused(Read(head + std::string("\x00\xD8", 2) + Utf16("</Name></Company>").substr(2)));
}

TEST(HostileEncoding, UnknownEncodingIsRefused) {
    ExpectRefused(Read("<?xml version='1.0' encoding='x-no-such-charset'?>" + kBody));
}

TEST(HostileEncoding, ByteOrderMarkContradictingTheDeclarationIsRead) {
    // A UTF-8 mark before a declaration of Latin-1: the bytes are read in one of the two, never
    // as anything else, and both readers agree.
    const vdxml_test::HostileRead read =
        Read("\xEF\xBB\xBF<?xml version='1.0' encoding='iso-8859-1'?>" + kBody);
    EXPECT_EQ(read.parsed, read.loaded);
    if (read.loaded == S_OK) {
        EXPECT_TRUE(read.company == L"Caf\u00E9" || read.company == L"Caf\u00C3\u00A9")
            << read.company.size() << " characters";
    }
}

TEST(HostileEncoding, ControlCharactersAreRefused) {
    ExpectRefused(Read("<Company><Name>bell\x07</Name></Company>"));
    ExpectRefused(Read("<Company><Name>&#0;</Name></Company>"));
    ExpectRefused(Read(std::string("<Company><Name>nul\0</Name></Company>", 34)));
}

}  // namespace
