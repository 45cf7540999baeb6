// The complete rows of coordinate differences and coordinate systems, following the layout
// their writers give the elements (elements/geometry/dcoord.cpp, node_differences.cpp,
// node_deviations.cpp, coordinate_system.cpp, node_reference_models.cpp,
// node_transformation.cpp). Each value sets the flags its writer tests, so that a record read
// completely writes the same blocks again.
#include "elements/complete_rows.h"

#include "vdxml/geometry_records.h"
#include "vdxml/trf_records.h"
#include "vdxml/vocabulary.h"

namespace vdxml_elements {
namespace {
using F = VDXML_PARSE_NODEDATA;

std::string Path(std::initializer_list<const _bstr_t*> names) {
    std::string path;
    for (const _bstr_t* name : names) {
        if (!path.empty()) path += '/';
        path += name->utf8();
    }
    return path;
}

// Cofactors and their scale; the standard deviations beside them are derived when written.
template <class Flags>
void AddQuality(CompleteRows& rows, const std::string& block, VDXML_QLTY& q, Flags* flags,
                Flags mask) {
    using namespace VdXml;
    const std::string at = block + "/" + tagQlty.utf8() + "/";
    const std::pair<const _bstr_t*, double*> values[] = {
        {&tagQltyM0, &q.M0},   {&tagQltyQxx, &q.Q11}, {&tagQltyQxy, &q.Q12}, {&tagQltyQxz, &q.Q13},
        {&tagQltyQyy, &q.Q22}, {&tagQltyQyz, &q.Q23}, {&tagQltyQzz, &q.Q33}};
    for (const auto& [tag, value] : values)
        rows.Add(at + tag->utf8(), F::fmtDouble, value, flags, mask);
}

void AddDeviations(CompleteRows& rows, const std::string& at, VDXML_SD& sd) {
    using namespace VdXml;
    const std::tuple<const _bstr_t*, double*, std::uint8_t> values[] = {
        {&tagSdAzimuth, &sd.SdAzi, VDXML_SD::flagSdAzi},
        {&tagSdDirection, &sd.SdDir, VDXML_SD::flagSdDir},
        {&tagSdZenith, &sd.SdZen, VDXML_SD::flagSdZen},
        {&tagSdDistanceSlope, &sd.SdDistS, VDXML_SD::flagSdDistS},
        {&tagSdDistanceHz, &sd.SdDistHz, VDXML_SD::flagSdDistHz},
        {&tagSdDH, &sd.SdDH, VDXML_SD::flagSdDH},
        {&tagSdBaseline, &sd.SdBl, VDXML_SD::flagSdBl}};
    for (const auto& [tag, value, flag] : values)
        rows.Add(at + "/" + tag->utf8(), F::fmtDouble, value, &sd.Flags, flag);
}

void AddCartesian(CompleteRows& rows, const std::string& block, VDXML_DCARTESIAN& d) {
    using namespace VdXml;
    const std::uint8_t xyz = VDXML_DCARTESIAN::flagDXyz;
    rows.Add(block + "/" + tagCrdDX.utf8(), F::fmtDouble, &d.DX, &d.Flags, xyz);
    rows.Add(block + "/" + tagCrdDY.utf8(), F::fmtDouble, &d.DY, &d.Flags, xyz);
    rows.Add(block + "/" + tagCrdDZ.utf8(), F::fmtDouble, &d.DZ, &d.Flags, xyz);
    AddQuality<std::uint8_t>(rows, block, d.Qlty, &d.Flags, VDXML_DCARTESIAN::flagQlty);
}

// A geodetic or grid difference: the position pair, the polar elements, quality and
// deviations. A height difference sets the first of its two flag bits.
template <class Block>
void AddDifference(CompleteRows& rows, const std::string& block, Block& d, const _bstr_t& tag1,
                   double& value1, const _bstr_t& tag2, double& value2) {
    using namespace VdXml;
    using D = VDXML_DIFF_FLAGS;
    const auto row = [&](const _bstr_t& tag, double& value, std::uint16_t mask) {
        rows.Add(block + "/" + tag.utf8(), F::fmtDouble, &value, &d.Flags, mask);
    };
    row(tag1, value1, D::flagPosition);
    row(tag2, value2, D::flagPosition);
    row(tagCrdDH, d.DH, 0x0002);
    row(tagAzimuth, d.Azi, D::flagAzi);
    row(tagZenith, d.Zen, D::flagZen);
    row(tagDistanceSlope, d.DistS, D::flagDistS);
    row(tagDistanceHz, d.DistHz, D::flagDistHz);
    row(tagCrdD2D, d.D2D, Block::flagD2D);
    row(tagCrdD3D, d.D3D, Block::flagD3D);
    AddQuality<std::uint16_t>(rows, block, d.Qlty, &d.Flags, D::flagQlty);
    AddDeviations(rows, block + "/" + tagSdAbs.utf8(), d.SdAbs);
    AddDeviations(rows, block + "/" + tagSdRel.utf8(), d.SdRel);
    rows.Add(block + "/" + tagSdAbs.utf8(), F::fmtString, nullptr, &d.Flags, D::flagSdAbs);
    rows.Add(block + "/" + tagSdRel.utf8(), F::fmtString, nullptr, &d.Flags, D::flagSdRel);
    rows.Add(block + "/" + tagQlty.utf8(), F::fmtString, nullptr, &d.Flags, D::flagQlty);
}

// The models of a system: a name with its note, then what each model adds.
void AddName(CompleteRows& rows, const std::string& at, VDXML_ITEMNAME& item) {
    const std::string prefix = at.empty() ? "" : at + "/";
    rows.Add(prefix + VdXml::tagName.utf8(), F::fmtString, &item.Name);
    rows.Add(prefix + VdXml::tagNote.utf8(), F::fmtString, &item.Note);
}

void AddEllipsoid(CompleteRows& rows, const std::string& at, VDXML_ELLIPSOID& e) {
    using namespace VdXml;
    AddName(rows, at, e);
    rows.Add(at + "/" + tagAell.utf8(), F::fmtDouble, &e.SemiMajorAxis);
    rows.AddReciprocal(at + "/" + tagInvFell.utf8(), &e.Flattening);
}

void AddProjection(CompleteRows& rows, const std::string& at, VDXML_PROJECTION& p) {
    AddName(rows, at, p);
    rows.Add(at + "/" + VdXml::tagType.utf8(), F::fmtInt, &p.Type);
}

void AddTrfSystem(CompleteRows& rows, const std::string& at, VDXML_TRFSYSTEM& s) {
    using namespace VdXml;
    AddName(rows, at, s);
    AddEllipsoid(rows, at + "/" + tagEllipsoid.utf8(), s.Ellipsoid);
    AddProjection(rows, at + "/" + tagProjection.utf8(), s.Projection);
}
}  // namespace

void CompleteRows::Add(const std::string& path, VDXML_PARSE_NODEDATA::enmFormat format, void* data,
                       std::uint8_t* flags, std::uint8_t mask) {
    m_rows.push_back({path, format, false, data, flags, false, mask});
}

void CompleteRows::Add(const std::string& path, VDXML_PARSE_NODEDATA::enmFormat format, void* data,
                       std::uint16_t* flags, std::uint16_t mask) {
    m_rows.push_back({path, format, false, data, flags, true, mask});
}

void CompleteRows::AddReciprocal(const std::string& path, double* data) {
    m_rows.push_back({path, F::fmtDouble, true, data, nullptr, false, 0});
}

void AddCompleteRows(CompleteRows& rows, VDXML_DCOORD& d) {
    using namespace VdXml;
    AddCartesian(rows, Path({&tagWGS84, &tagDXYZ}), d.Wgs84DXyz);
    AddDifference(rows, Path({&tagWGS84, &tagDLLH}), d.Wgs84DLlh, tagCrdDLat, d.Wgs84DLlh.DLat,
                  tagCrdDLon, d.Wgs84DLlh.DLon);
    AddCartesian(rows, Path({&tagLocal, &tagDXYZ}), d.LocalDXyz);
    AddDifference(rows, Path({&tagLocal, &tagDLLH}), d.LocalDLlh, tagCrdDLat, d.LocalDLlh.DLat,
                  tagCrdDLon, d.LocalDLlh.DLon);
    AddDifference(rows, Path({&tagLocal, &tagDENH}), d.LocalDEnh, tagCrdDEasting, d.LocalDEnh.DE,
                  tagCrdDNorthing, d.LocalDEnh.DN);
    rows.Add(Path({&tagLocal, &tagDENH, &tagDirection}), F::fmtDouble, &d.LocalDEnh.Dir,
             &d.LocalDEnh.Flags, VDXML_DGRID::flagDir);
    rows.Add(tagDCrdAccuracyCentringPos.utf8(), F::fmtDouble, &d.ACPos, &d.Flags,
             VDXML_DCOORD::flagACPos);
    rows.Add(tagDCrdAccuracyCentringHgt.utf8(), F::fmtDouble, &d.ACHgt, &d.Flags,
             VDXML_DCOORD::flagACHgt);
}

void AddCompleteRows(CompleteRows& rows, VDXML_COORDINATESYSTEM& s) {
    using namespace VdXml;
    AddName(rows, "", s);
    rows.Add(tagCreated.utf8(), F::fmtDateTime, &s.Created);
    VDXML_TRANSFORMATION& t = s.Transformation;
    const std::string trf = tagTransformation.utf8();
    AddName(rows, trf, t);
    rows.Add(trf + "/" + tagType.utf8(), F::fmtInt, &t.Type);
    rows.Add(trf + "/" + tagHeightMode.utf8(), F::fmtInt, &t.HeightMode);
    AddTrfSystem(rows, trf + "/" + tagSourceSystem.utf8(), t.SourceSystem);
    AddTrfSystem(rows, trf + "/" + tagTargetSystem.utf8(), t.TargetSystem);
    AddEllipsoid(rows, tagEllipsoid.utf8(), s.Ellipsoid);
    AddProjection(rows, tagProjection.utf8(), s.Projection);
    AddName(rows, tagGeoidModel.utf8(), s.GeoidModel);
    rows.Add(Path({&tagGeoidModel, &tagType}), F::fmtInt, &s.GeoidModel.Type);
    AddName(rows, tagCscsModel.utf8(), s.CscsModel);
    rows.Add(Path({&tagCscsModel, &tagMethod}), F::fmtInt, &s.CscsModel.Method);
    rows.Add(Path({&tagCscsModel, &tagInterpolation}), F::fmtInt, &s.CscsModel.Interpolation);
}

}  // namespace vdxml_elements
