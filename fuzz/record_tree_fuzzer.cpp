// Record tree on arbitrary bytes: the bytes are written to a file and loaded with
// CVdXmlTree::Load, and every loaded file is replayed with Scan. Expectations beyond "no crash,
// no leak": a replay hands over every node of its file, replaying a replayed tree gives the
// same records in the same order, and omitting a branch never adds nodes to a replay.
#include <cstdint>
#include <vector>

#include "fuzz_support.h"
#include "vdxml/record_tree.h"

namespace {

// The type codes of a tree's records in pre-order, over all its files.
std::vector<std::int32_t> TypesOf(CVdXmlTree& tree) {
    std::vector<std::int32_t> types;
    for (int i = 0; VDXML_BASE* record = tree.GetNode(i); ++i) types.push_back(record->nType);
    return types;
}

// Replays every file of source into a tree of its own; returns the number of nodes replayed.
std::size_t ReplayEachFile(CVdXmlTree& source) {
    std::size_t nodes = 0;
    for (int file = 0; file < source.GetFileCount(); ++file) {
        CVdXmlTree copy;
        VDXML_FUZZ_CHECK(source.Scan(&copy, file) == S_OK);
        const std::vector<std::int32_t> once = TypesOf(copy);
        nodes += once.size();

        CVdXmlTree again;
        VDXML_FUZZ_CHECK(copy.Scan(&again) == S_OK);
        VDXML_FUZZ_CHECK(TypesOf(again) == once);
    }
    return nodes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = vdxml_fuzz::ScratchFile("tree.xml");
    if (!vdxml_fuzz::WriteFile(path, data, size)) return 0;

    CVdXmlTree tree;
    const long hr = tree.Load(path.c_str());
    VDXML_FUZZ_CHECK(hr == S_OK || FAILED(hr));
    if (FAILED(hr)) {
        VDXML_FUZZ_CHECK(tree.GetFileCount() == 0 && tree.GetNode(0) == nullptr);
        return 0;
    }
    const std::vector<std::int32_t> types = TypesOf(tree);
    for (std::int32_t type : types) VDXML_FUZZ_CHECK(type != VDXML_TYPE_NONE);
    // Every node belongs to one file and is replayed with it.
    VDXML_FUZZ_CHECK(ReplayEachFile(tree) == types.size());

    // Omitting a branch chosen by the input leaves out nodes, never adds any.
    if (!types.empty()) {
        const int index = static_cast<int>(data[size / 2] % types.size());
        VDXML_FUZZ_CHECK(tree.OmitNode(index, true, (data[0] & 1) != 0) == S_OK);
        VDXML_FUZZ_CHECK(ReplayEachFile(tree) < types.size());
        VDXML_FUZZ_CHECK(tree.OmitNode(index, false, true) == S_OK);
        VDXML_FUZZ_CHECK(ReplayEachFile(tree) == types.size());
    }
    VDXML_FUZZ_CHECK(tree.OmitNode(static_cast<int>(types.size()), true, true) == E_FAIL);
    return 0;
}
