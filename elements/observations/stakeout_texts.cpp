// Texts of cut/fill types and height models of stakeout results.
#include "vdxml/stakeout_texts.h"

#include "vdxml/stakeout_records.h"

namespace VdXml {
namespace {

const VdXmlEnumText kCutFill[] = {
    {VDXML_STAKEOUT_CUT, L"Cut"},
    {VDXML_STAKEOUT_FILL, L"Fill"},
    {VDXML_STAKEOUT_NEITHER, L"None"},
};

const VdXmlEnumText kHeightModels[] = {
    {VDXML_STAKEOUT_HGTMODEL_NONE, L"None"},
    {VDXML_STAKEOUT_HGTMODEL_DTM, L"DTM"},
};

}  // namespace

const VdXmlEnumTable enumStakeoutCutFill(kCutFill);
const VdXmlEnumTable enumStakeoutHeightModel(kHeightModels);

}  // namespace VdXml
