// A root record that every document accepts, for tests that start documents of their own.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/test_files.h"
#include "support/xml_tree.h"
#include "vdxml/document.h"

namespace vdxml_test {

/// A root record that every document accepts: namespace "urn:vdxml:test", company
/// "Survey Co", application "Field App", version 2.1 build 7, metres/radians/UTC.
VDXML_ROOT SampleRoot();

}  // namespace vdxml_test
