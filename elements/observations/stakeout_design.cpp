// The ordering of stakeout designs: by the design point's name first, then by everything
// else the design holds, so that no two different designs fall on one map key.
#include <cmath>

#include "vdxml/stakeout_records.h"

namespace {

// Compares field by field until one differs. Numbers compare by value with every NaN after
// every number (and NaNs equal among themselves), which keeps the ordering strict and weak
// whatever a record holds.
class Ordering {
  public:
    template <class T>
    Ordering& operator()(const T& a, const T& b) {
        if (m_result == 0) m_result = a < b ? -1 : (b < a ? 1 : 0);
        return *this;
    }
    Ordering& operator()(double a, double b) {
        if (m_result == 0) m_result = Before(b, a) - Before(a, b);
        return *this;
    }
    bool Less() const { return m_result < 0; }

  private:
    // 1 when a comes before b.
    static int Before(double a, double b) {
        if (std::isnan(a)) return 0;
        return std::isnan(b) || a < b ? 1 : 0;
    }
    int m_result = 0;
};

void Compare(Ordering& o, const VDXML_QLTY& a, const VDXML_QLTY& b) {
    o(a.M0, b.M0)(a.Q11, b.Q11)(a.Q12, b.Q12)(a.Q13, b.Q13)(a.Q22, b.Q22)(a.Q23, b.Q23)(a.Q33,
                                                                                        b.Q33);
}

void Compare(Ordering& o, const VDXML_CARTESIAN& a, const VDXML_CARTESIAN& b) {
    o(a.Flags, b.Flags)(a.X, b.X)(a.Y, b.Y)(a.Z, b.Z);
    Compare(o, a.Qlty, b.Qlty);
}

void Compare(Ordering& o, const VDXML_GEODETIC& a, const VDXML_GEODETIC& b) {
    o(a.Flags, b.Flags)(a.Lat, b.Lat)(a.Lon, b.Lon)(a.HE, b.HE)(a.HO, b.HO);
    Compare(o, a.Qlty, b.Qlty);
}

void Compare(Ordering& o, const VDXML_GRID& a, const VDXML_GRID& b) {
    o(a.Flags, b.Flags)(a.E, b.E)(a.N, b.N)(a.HE, b.HE)(a.HO, b.HO);
    Compare(o, a.Qlty, b.Qlty);
}

void Compare(Ordering& o, const VDXML_COORD& a, const VDXML_COORD& b) {
    o(a.Flags, b.Flags)(a.Type, b.Type)(a.SourcePos, b.SourcePos)(a.SourceHgt, b.SourceHgt)(
        a.AvgStatus, b.AvgStatus);
    Compare(o, a.Wgs84Xyz, b.Wgs84Xyz);
    Compare(o, a.Wgs84Llh, b.Wgs84Llh);
    Compare(o, a.LocalXyz, b.LocalXyz);
    Compare(o, a.LocalLlh, b.LocalLlh);
    Compare(o, a.LocalEnh, b.LocalEnh);
    o(a.GeoidSeparation, b.GeoidSeparation);
}

}  // namespace

bool VDXML_STAKEOUT_DESIGN::operator<(const VDXML_STAKEOUT_DESIGN& other) const {
    Ordering o;
    o(Point.Name, other.Point.Name)(Point.Note, other.Point.Note)(Point.Class, other.Point.Class)(
        Point.SubClass, other.Point.SubClass)(Point.Epoch, other.Point.Epoch);
    Compare(o, Coord, other.Coord);
    return o.Less();
}
