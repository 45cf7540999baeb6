// Golden files: the exact output of a writer, kept under tests/data/golden/ and compared as XML
// trees, so that a deliberate change of output shows as the diff of one file in review.
#pragma once

#include <string>

namespace vdxml_test {

/// Expects the XML file at path to hold the same tree as tests/data/golden/<name>.xml (name may
/// hold a folder: "geometry/coord"): names, namespaces, attributes, texts and order; indentation
/// and "FileCreated" texts are ignored. With VDXML_UPDATE_GOLDEN=1 in the environment the golden
/// file is (re)written from path instead, indented UTF-8 with "FileCreated" masked.
void ExpectGolden(const std::string& path, const std::string& name);

/// The directory of the test data (VDXML_TEST_DATA, set by ctest for every test).
std::string TestDataDir();

}  // namespace vdxml_test
