// The element sequence of the benchmark survey for the plain libxml2 writers: the same
// elements, texts and attributes, in the same order, as the library writes for it. A sink
// turns the sequence into its own kind of output (a text writer or a tree).
//
// A Sink offers:
//   void StartRoot();                        the root element with its namespace declarations
//   void Start(const char* name);            an element that gets children
//   void Leaf(const char* name, const char* text, LeafMark mark);   an element with one text
//   void End();                              ends the innermost started element
#pragma once

#include <cstdio>
#include <string>

#include "survey_workload.h"

namespace vdxml_bench {

/// The attribute an entry carries: none, "vsrc" = "c" (computed) or "dt:dt" = "datetime".
enum class LeafMark { kNone, kComputed, kDateTime };

/// A number as the library writes it: fixed notation with a given number of decimals.
class FixedText {
  public:
    const char* operator()(double value, int decimals) {
        std::snprintf(m_text, sizeof m_text, "%.*f", decimals, value);
        return m_text;
    }

  private:
    char m_text[64];
};

template <class Sink>
void EmitPoint(Sink& sink, long long index, FixedText& fixed) {
    const SurveyPoint p = MakePoint(index);
    const DerivedQuality d = DeriveQuality(p);
    constexpr LeafMark none = LeafMark::kNone;
    constexpr LeafMark computed = LeafMark::kComputed;
    sink.Start("Pnt");
    sink.Leaf("Name", PointName(index).c_str(), none);
    sink.Start("Crd");
    sink.Start("W84");
    sink.Start("XYZ");
    sink.Leaf("X", fixed(p.x, 5), none);
    sink.Leaf("Y", fixed(p.y, 5), none);
    sink.Leaf("Z", fixed(p.z, 5), none);
    sink.Start("Qlty");
    sink.Leaf("M0", fixed(p.m0, 5), none);
    sink.Leaf("Q11", fixed(p.q11, 8), none);
    sink.Leaf("Q12", fixed(p.q12, 8), none);
    sink.Leaf("Q13", fixed(p.q13, 8), none);
    sink.Leaf("Q22", fixed(p.q22, 8), none);
    sink.Leaf("Q23", fixed(p.q23, 8), none);
    sink.Leaf("Q33", fixed(p.q33, 8), none);
    sink.Leaf("Sd1", fixed(d.sd1, 5), computed);
    sink.Leaf("Sd2", fixed(d.sd2, 5), computed);
    sink.Leaf("Sd3", fixed(d.sd3, 5), computed);
    sink.End();  // Qlty
    sink.End();  // XYZ
    sink.End();  // W84
    sink.Start("Lcl");
    sink.Start("ENH");
    sink.Leaf("E", fixed(p.east, 5), none);
    sink.Leaf("N", fixed(p.north, 5), none);
    sink.Leaf("HO", fixed(p.height, 5), none);
    sink.End();  // ENH
    sink.End();  // Lcl
    sink.Start("CQ");
    sink.Leaf("Pos", fixed(d.pos, 5), computed);
    sink.Leaf("Hgt", fixed(d.hgt, 5), computed);
    sink.Leaf("PosHgt", fixed(d.posHgt, 5), computed);
    sink.End();  // CQ
    sink.End();  // Crd
    sink.End();  // Pnt
}

/// The whole survey; fileCreated is the text of "FileCreated".
template <class Sink>
void EmitSurvey(Sink& sink, long long points, const std::string& fileCreated) {
    using H = SurveyHeader;
    constexpr LeafMark none = LeafMark::kNone;
    const std::string major = std::to_string(H::kVersionMajor);
    const std::string minor = std::to_string(H::kVersionMinor);
    const std::string linear = std::to_string(H::kLinearUnit);
    const std::string angular = std::to_string(H::kAngularUnit);
    const std::string timeSystem = std::to_string(H::kTimeSystem);
    sink.StartRoot();
    sink.Leaf("Name", H::kCompany, none);
    sink.Leaf("FileCreated", fileCreated.c_str(), LeafMark::kDateTime);
    sink.Start("Application");
    sink.Leaf("Name", H::kApplication, none);
    sink.Start("Version");
    sink.Leaf("Major", major.c_str(), none);
    sink.Leaf("Minor", minor.c_str(), none);
    sink.End();
    sink.Start("Units");
    sink.Leaf("Linear", linear.c_str(), none);
    sink.Leaf("Angular", angular.c_str(), none);
    sink.Leaf("TimeSystem", timeSystem.c_str(), none);
    sink.End();
    sink.Start("Project");
    sink.Leaf("Name", H::kProject, none);
    FixedText fixed;
    for (long long i = 0; i < points; ++i) EmitPoint(sink, i, fixed);
    sink.End();  // Project
    sink.End();  // Application
    sink.End();  // root
}

/// The local time now as "FileCreated" text: "YYYY-MM-DDThh:mm:ss.0000".
std::string FileCreatedNow();

}  // namespace vdxml_bench
