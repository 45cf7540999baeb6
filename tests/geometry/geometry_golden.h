// One document per element family: table rows written into it below "Application", the file
// compared with the family's golden file, then read back through the record rewriter and
// compared with the family's "-read" golden; and checks of derived values in written trees.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/document_fixture.h"
#include "support/golden.h"
#include "support/record_rewriter.h"
#include "support/test_files.h"
#include "support/xml_tree.h"
#include "vdxml/vdxml.h"

namespace vdxml_test {

constexpr auto k1D = VDXML_COORD_TYPE_1D, k2D = VDXML_COORD_TYPE_2D, k3D = VDXML_COORD_TYPE_3D,
               kNone = VDXML_COORD_TYPE_NONE;

/// The names joined by spaces.
inline std::string Join(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : " ") + name;
    return joined;
}

/// A DOM document in a temporary folder; with a project name, a project for the points that
/// Point() writes.
class GoldenDocument {
  public:
    explicit GoldenDocument(const char* projectName = nullptr,
                            const VDXML_ROOT& root = SampleRoot()) {
        EXPECT_EQ(doc.Initialize(root, IVdXmlDoc::DOCTYPE_DOM, _bstr_t(path.c_str()), 1), S_OK);
        VDXML_PROJECT record;
        record.Name = projectName ? projectName : "";
        if (projectName) {
            EXPECT_EQ(doc.InsertProject(record, project), S_OK);
        }
    }
    const CVdXmlNode& Application() const { return *doc.GetNode(CVdXmlDocument::NODE_APPLICATION); }
    const CVdXmlPoint& Point(const char* name) {
        VDXML_POINT record;
        record.Name = name;
        EXPECT_EQ(project.InsertPoint(record, point), S_OK) << name;
        return point;
    }
    /// Saves, compares with geometry/<family> and geometry/<family>-read; returns the names of
    /// the records the rewriter refused.
    std::string ExpectGoldens(const std::string& family) {
        EXPECT_EQ(doc.Save(), S_OK);
        ExpectGolden(path, "geometry/" + family);
        const std::string read = dir.file("read.xml");
        RecordRewriter rewriter(read);
        CVdXmlParser parser;
        parser.SetCallbackInterface(&rewriter);
        EXPECT_EQ(parser.Parse(path.c_str()), S_OK);
        EXPECT_EQ(rewriter.Save(), S_OK);
        ExpectGolden(read, "geometry/" + family + "-read");
        return Join(rewriter.Refused());
    }

    TempDir dir;
    std::string path = dir.file("written.xml");
    CVdXmlDocument doc;
    CVdXmlProject project;
    CVdXmlPoint point;
    CVdXmlCoordinateSystem system;
};

/// A quality block: M0 and the diagonal as given, the other cofactors fixed and distinct.
inline VDXML_QLTY Q(double m0, double q11, double q22, double q33) {
    VDXML_QLTY q;
    q.M0 = m0;
    q.Q11 = q11;
    q.Q12 = 0.000125;
    q.Q13 = -0.000250;
    q.Q22 = q22;
    q.Q23 = 0.000375;
    q.Q33 = q33;
    return q;
}

/// Every standard deviation below a "Qlty" in tree against its cofactor, within the decimals
/// written: sqrt(Q) times M0 with Q below 0 counted as 0 for coordinates, sqrt(Q) alone for
/// the shift, rotation and scale of a transformation step.
inline void ExpectDeviationsFromCofactors(const XmlTree& tree, const std::string& parent = "") {
    const bool scaled = parent.rfind("Trf", 0) != 0;
    for (const auto& [q, sd] : {std::pair{"Q11", "Sd1"}, {"Q22", "Sd2"}, {"Q33", "Sd3"}}) {
        const XmlTree *qe = tree.child(q), *se = tree.child(sd);
        if (tree.name != "Qlty" || !qe || !se) continue;
        const double m0 = scaled ? std::stod(tree.childText("M0")) : 1.0;
        // The root of the cofactor's rounding bounds how far the deviation may be off.
        const double rounding = std::pow(10, -int(qe->text.size() - qe->text.find('.') - 1));
        EXPECT_NEAR(std::stod(se->text), std::sqrt(std::max(std::stod(qe->text), 0.0)) * m0,
                    m0 * std::sqrt(rounding) + 1e-5)
            << sd << " of " << qe->text << " with M0 " << m0;
    }
    for (const XmlTree& c : tree.children) ExpectDeviationsFromCofactors(c, tree.name);
}

}  // namespace vdxml_test
