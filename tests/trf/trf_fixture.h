// A document on each back end to write coordinate systems, transformations, steps and
// residuals into, the written file read back as a tree, and sample records.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "geometry/geometry_fixture.h"
#include "vdxml/coordinate_system.h"
#include "vdxml/trf_residual.h"
#include "vdxml/trf_texts.h"
#include "vdxml/vocabulary.h"

namespace vdxml_test {

class TrfTest : public ApplicationTest {
  protected:
    /// Creates element tag below "Application" and hands its node to write; returns the
    /// creation's failure or write's status.
    template <class Write>
    long WriteInto(const _bstr_t& tag, Write&& write) {
        CVdXmlNode node;
        const long hr = node.Create(Application(), tag, nullptr);
        if (FAILED(hr)) return hr;
        return write(node);
    }
    long WriteStep(const VDXML_TRFSTEP& step) {
        return WriteInto(VdXml::tagTrfStep,
                         [&](const CVdXmlNode& node) { return node.InsertTrfStep(step); });
    }
    long WriteTransformation(const VDXML_TRANSFORMATION& t) {
        return WriteInto(VdXml::tagTransformation,
                         [&](const CVdXmlNode& node) { return node.InsertTransformation(t); });
    }

    /// After Written(): the element at path below the index-th child tag of "Application".
    const XmlTree& BelowNth(const std::string& tag, std::size_t index, const std::string& path) {
        static const XmlTree kNone;
        const XmlTree* nth = Below("").child(tag, index);
        if (!nth) ADD_FAILURE() << "no " << tag << " " << index;
        return !nth ? kNone : path.empty() ? *nth : Path(*nth, path);
    }
};

/// A quality block with distinct cofactors.
inline VDXML_QLTY Cofactors(double m0, double q11, double q22, double q33) {
    VDXML_QLTY q;
    q.M0 = m0;
    q.Q11 = q11;
    q.Q12 = 0.0001;
    q.Q13 = -0.0002;
    q.Q22 = q22;
    q.Q23 = 0.0003;
    q.Q33 = q33;
    return q;
}

/// A transformation vector with the given flags and values.
inline VDXML_TRFVECTOR Vector(std::uint8_t flags, double x, double y, double z) {
    VDXML_TRFVECTOR v;
    v.Flags = flags;
    v.X = x;
    v.Y = y;
    v.Z = z;
    return v;
}

/// A residual of the given dimension with the given flags and nothing else.
inline VDXML_TRFRESIDUAL Residual(VDXML_COORD::enmType type, std::uint8_t flags = 0) {
    VDXML_TRFRESIDUAL r;
    r.Type = type;
    r.Flags = flags;
    return r;
}

}  // namespace vdxml_test
