#include "support/document_fixture.h"

namespace vdxml_test {

VDXML_ROOT SampleRoot() {
    VDXML_ROOT root;
    root.NamespaceURI = L"urn:vdxml:test";
    root.Company = L"Survey Co";
    root.Application = L"Field App";
    root.Version.Major = 2;
    root.Version.Minor = 1;
    root.Version.Build = 7;
    root.Units.Linear = 1;
    root.Units.Angular = 1;
    root.Units.TimeSystem = 2;
    return root;
}

}  // namespace vdxml_test
