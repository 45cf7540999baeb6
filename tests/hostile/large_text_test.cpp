// A file with one text node of 100 MB: read in bounded memory, the node refused by the
// engine's size limit, whatever the readers would make of it.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "hostile/hostile_reading.h"
#include "support/test_files.h"

namespace {

TEST(HostileSize, HundredMegabyteTextNodeIsRefusedInBoundedMemory) {
    vdxml_test::TempDir dir;
    const std::string path = dir.file("huge.xml");
    {
        std::ofstream out(path, std::ios::binary);
        out << "<?xml version='1.0' encoding='utf-8'?><Company><Name>";
        const std::string block(1 << 20, 'A');
        for (int i = 0; i < 100; ++i)
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
        out << "</Name></Company>";
        ASSERT_TRUE(out.good()) << "no room for the 100 MB file";
    }
    // The file itself never fits the budget: the readers must not load it whole.
    const vdxml_test::HostileRead read = vdxml_test::ReadWithinBudget(path, 30, 96);
    vdxml_test::ExpectRefused(read);
}

TEST(HostileSize, ManyLargeAttributesAreBounded) {
    vdxml_test::TempDir dir;
    const std::string path = dir.file("attributes.xml");
    {
        std::ofstream out(path, std::ios::binary);
        out << "<Company";
        const std::string value(1 << 20, 'v');
        for (int i = 0; i < 40; ++i) out << " a" << i << "='" << value << "'";
        out << "><Name>x</Name></Company>";
    }
    const vdxml_test::HostileRead read = vdxml_test::ReadWithinBudget(path, 30, 256);
    EXPECT_EQ(read.parsed, read.loaded);
}

}  // namespace
