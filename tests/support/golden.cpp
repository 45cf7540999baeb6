#include "support/golden.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "support/xml_tree.h"

namespace vdxml_test {
namespace {
constexpr const char kMask[] = "masked";

// The creation time changes with every run; everything else must not.
void MaskCreationTime(xmlNodePtr node) {
    for (xmlNodePtr c = node->children; c; c = c->next) {
        if (c->type != XML_ELEMENT_NODE) continue;
        if (std::strcmp(reinterpret_cast<const char*>(c->name), "FileCreated") == 0)
            xmlNodeSetContent(c, reinterpret_cast<const xmlChar*>(kMask));
        else
            MaskCreationTime(c);
    }
}

bool Updating() {
    const char* update = std::getenv("VDXML_UPDATE_GOLDEN");
    return update && std::strcmp(update, "1") == 0;
}

void Rewrite(const std::string& path, const std::string& golden) {
    xmlDocPtr doc = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOBLANKS);
    ASSERT_NE(doc, nullptr) << "cannot parse " << path;
    MaskCreationTime(xmlDocGetRootElement(doc));
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(golden).parent_path(), ignored);
    EXPECT_GE(xmlSaveFormatFileEnc(golden.c_str(), doc, "UTF-8", 1), 0) << golden;
    xmlFreeDoc(doc);
}

void Mask(XmlTree& tree) {
    for (XmlTree& c : tree.children) {
        if (c.name == "FileCreated") c.text = kMask;
        Mask(c);
    }
}
}  // namespace

std::string TestDataDir() {
    const char* dir = std::getenv("VDXML_TEST_DATA");
    return dir ? dir : "tests/data";
}

void ExpectGolden(const std::string& path, const std::string& name) {
    const std::string golden = TestDataDir() + "/golden/" + name + ".xml";
    if (Updating()) return Rewrite(path, golden);
    XmlTree written, expected;
    try {
        written = LoadXmlTree(path, true);
        expected = LoadXmlTree(golden, true);
    } catch (const std::exception& e) {
        FAIL() << e.what() << " (VDXML_UPDATE_GOLDEN=1 writes missing golden files)";
    }
    Mask(written);
    Mask(expected);
    EXPECT_EQ(DiffTrees(written, expected), "") << "written " << path << " vs golden " << golden;
}

}  // namespace vdxml_test
