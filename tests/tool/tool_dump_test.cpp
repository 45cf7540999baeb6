// vdxml dump: the records in pre-order with the record tree's own indices, as text and as
// JSON, and --omit leaving out exactly the branches asked for.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tool_runner.h"
#include "vdxml/geometry_records.h"
#include "vdxml/record_tree.h"

using namespace vdxml_tool_test;
using nlohmann::json;

namespace {
struct Row {
    int index;
    int depth;
    std::string kind;
};

std::vector<Row> Rows(const json& dump) {
    std::vector<Row> rows;
    for (const json& r : dump)
        rows.push_back(
            {r.at("index").get<int>(), r.at("depth").get<int>(), r.at("kind").get<std::string>()});
    return rows;
}

// The pre-order index one past the branch that starts at index (in an unpruned listing).
std::size_t BranchEnd(const std::vector<Row>& rows, std::size_t index) {
    std::size_t end = index + 1;
    while (end < rows.size() && rows[end].depth > rows[index].depth) ++end;
    return end;
}
}  // namespace

class ToolDump : public ToolTest {
  protected:
    json DumpJson(const std::vector<std::string>& extra = {}) {
        std::vector<std::string> args = {"dump", path, "--json"};
        args.insert(args.end(), extra.begin(), extra.end());
        const ToolResult r = Run(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return json::parse(r.out);  // throws, failing the test, unless it is JSON
    }
    std::string path;
};

TEST_F(ToolDump, JsonListsTheFilesElementsInPreOrder) {
    path = Sample(12);
    const std::vector<Row> rows = Rows(DumpJson());
    const std::vector<ReportedElement> elements = ReportedElements(path);
    ASSERT_EQ(rows.size(), elements.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].index, static_cast<int>(i));
        EXPECT_EQ(rows[i].kind, elements[i].name) << "at " << i;
        EXPECT_EQ(rows[i].depth, elements[i].depth) << "at " << i;
    }
}

TEST_F(ToolDump, JsonIndicesAddressTheRecordTree) {
    path = Sample(5);
    const json dump = DumpJson();
    CVdXmlTree tree;
    ASSERT_EQ(tree.Load(path.c_str()), S_OK);
    int points = 0;
    for (const json& r : dump) {
        const VDXML_BASE* record = tree.GetNode(r.at("index").get<int>());
        ASSERT_NE(record, nullptr) << r;
        if (r.at("kind") != "Pnt") continue;
        ASSERT_EQ(record->nType, VDXML_TYPE_POINT) << r;
        EXPECT_EQ(r.at("fields").at("Name").get<std::string>(),
                  static_cast<const VDXML_POINT*>(record)->Name.utf8());
        ++points;
    }
    EXPECT_EQ(points, 5 + 2);
    EXPECT_EQ(tree.GetNode(static_cast<int>(dump.size())), nullptr);
}

TEST_F(ToolDump, TextIndentsByDepthWithTheKeyFields) {
    path = Sample(2);
    const ToolResult r = Run({"dump", path});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), ReportedElements(path).size());
    EXPECT_EQ(lines[0], "    0  Company  Company=Example Surveys Ltd Application=vdxml sample");
    EXPECT_EQ(lines[1], "    1    Project  Name=Sample site");
    // The first point sits on the grid's origin at 47 N, 8 E.
    std::size_t p1 = 0;
    while (p1 < lines.size() && lines[p1].find("Pnt  Name=P1 ") == std::string::npos) ++p1;
    ASSERT_LT(p1 + 1, lines.size()) << r.out;
    EXPECT_NE(lines[p1 + 1].find("Crd  E=2600000.0 N=1200000.0 "), std::string::npos);
    EXPECT_NE(lines[p1 + 1].find(" Lat=47.0 Lon=8.0 "), std::string::npos) << lines[p1 + 1];
}

TEST_F(ToolDump, OmitRemovesExactlyTheBranch) {
    path = Sample(6);
    const std::vector<Row> all = Rows(DumpJson());
    // The first point: itself, its coordinate, code, attribute and GPS data go; nothing else.
    std::size_t p1 = 0;
    while (p1 < all.size() && all[p1].kind != "Pnt") ++p1;
    ASSERT_LT(p1, all.size());
    const std::size_t end = BranchEnd(all, p1);
    EXPECT_GT(end - p1, 5u);

    const std::vector<Row> kept = Rows(DumpJson({"--omit", std::to_string(p1)}));
    ASSERT_EQ(kept.size(), all.size() - (end - p1));
    std::size_t k = 0;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i >= p1 && i < end) continue;
        EXPECT_EQ(kept[k].index, all[i].index);  // the others keep their indices
        EXPECT_EQ(kept[k].kind, all[i].kind);
        EXPECT_EQ(kept[k].depth, all[i].depth);
        ++k;
    }
}

TEST_F(ToolDump, OmitOfSeveralAndNestedBranches) {
    path = Sample(6);
    const std::vector<Row> all = Rows(DumpJson());
    std::size_t system = 0;
    while (system < all.size() && all[system].kind != "CoordinateSystem") ++system;
    ASSERT_LT(system, all.size());
    const std::size_t residual = system + 1;  // the first residual, inside the system
    ASSERT_EQ(all[residual].kind, "TrfResidual");
    const std::size_t last = all.size() - 1;  // a leaf: the last observation set

    const std::vector<Row> kept =
        Rows(DumpJson({"--omit", std::to_string(residual), "--omit", std::to_string(system),
                       "--omit", std::to_string(last)}));
    EXPECT_EQ(kept.size(), all.size() - (BranchEnd(all, system) - system) - 1);
    for (const Row& row : kept) {
        EXPECT_NE(row.kind, "CoordinateSystem");
        EXPECT_NE(row.kind, "TrfResidual");
        EXPECT_NE(row.index, static_cast<int>(last));
    }
}

TEST_F(ToolDump, OmittingTheRootLeavesNothing) {
    path = Sample(2);
    EXPECT_TRUE(DumpJson({"--omit", "0"}).empty());
    const ToolResult text = Run({"dump", path, "--omit", "0"});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out, "");
}
