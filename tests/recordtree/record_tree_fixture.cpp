#include "recordtree/record_tree_fixture.h"

#include "vdxml/point.h"
#include "vdxml/project.h"

namespace vdxml_test {

std::string RecordTreeTest::NameAt(int index) {
    const VDXML_BASE* record = tree.GetNode(index);
    if (!record) return "";
    if (record->nType == VDXML_TYPE_POINT)
        return static_cast<const VDXML_POINT*>(record)->Name.utf8();
    if (record->nType == VDXML_TYPE_PROJECT)
        return static_cast<const VDXML_PROJECT*>(record)->Name.utf8();
    return "";
}

}  // namespace vdxml_test
