// Transformation residuals written into a node: the Cartesian and grid residual values, and
// whole residual elements inserted below a node.
#include "elements/entry_sequence.h"
#include "vdxml/trf_residual.h"
#include "vdxml/vocabulary.h"

using vdxml_elements::EntrySequence;

long CVdXmlNode::InsertResidualCartesian(const VDXML_RESIDUAL_CARTESIAN& r) const {
    // A Cartesian residual is a Cartesian coordinate difference: same entries, same rule.
    VDXML_DCARTESIAN difference;
    difference.Flags = r.Flags;
    difference.DX = r.DX;
    difference.DY = r.DY;
    difference.DZ = r.DZ;
    return InsertDCartesian(difference);
}

long CVdXmlNode::InsertResidualGrid(const VDXML_RESIDUAL_GRID& r) const {
    using G = VDXML_RESIDUAL_GRID;
    const bool position = (r.Flags & G::flagDEN) != 0;
    return EntrySequence(*this, E_FAIL)
        .Number(position, VdXml::tagCrdDEasting, r.DE, 5)
        .Number(position, VdXml::tagCrdDNorthing, r.DN, 5)
        .Number((r.Flags & G::flagDHE) != 0, VdXml::tagDHE, r.DHE, 5)
        .Number((r.Flags & G::flagDHO) != 0, VdXml::tagDHO, r.DHO, 5)
        .Status();
}

long CVdXmlNode::InsertTrfResidual(const VDXML_TRFRESIDUAL& residual,
                                   CVdXmlTrfResidual& out) const {
    return out.Create(*this, residual);
}
