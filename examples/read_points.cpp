// Reads a survey file into a record tree and prints its points with the coordinate that
// follows each of them: name, grid coordinates and WGS 84 latitude and longitude. (Reading
// fills a coordinate's grid and WGS 84 geodetic blocks; earth-centred ones are not read.)
//
//   read_points FILE
//
// The tree numbers its records in pre-order, so a point's first child, its coordinate, has
// the index right after the point's. Exit status 0 when at least one point was printed.
#include <vdxml/vdxml.h>

#include <cstdio>

namespace {
constexpr double kDegrees = 180.0 / 3.14159265358979323846;

void PrintPoint(const VDXML_POINT& point, const VDXML_BASE* next) {
    std::printf("%-8s", point.Name.utf8().c_str());
    if (next && next->nType == VDXML_TYPE_COORD) {
        const auto& coord = static_cast<const VDXML_COORD&>(*next);
        if (coord.LocalEnh.Flags & VDXML_GRID::flagEN)
            std::printf("  E %.4f  N %.4f", coord.LocalEnh.E, coord.LocalEnh.N);
        if (coord.LocalEnh.Flags & VDXML_GRID::flagHO) std::printf("  H %.4f", coord.LocalEnh.HO);
        if (coord.Wgs84Llh.Flags & VDXML_GEODETIC::flagLatLon)
            std::printf("  lat %.9f  lon %.9f", coord.Wgs84Llh.Lat * kDegrees,
                        coord.Wgs84Llh.Lon * kDegrees);
    }
    std::printf("\n");
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: read_points FILE\n");
        return 2;
    }
    CVdXmlTree tree;
    if (FAILED(tree.Load(argv[1]))) {
        std::fprintf(stderr, "read_points: %s: cannot be read as a survey file\n", argv[1]);
        return 1;
    }
    int points = 0;
    for (int i = 0; VDXML_BASE* record = tree.GetNode(i); ++i) {
        if (record->nType != VDXML_TYPE_POINT) continue;
        PrintPoint(static_cast<const VDXML_POINT&>(*record), tree.GetNode(i + 1));
        ++points;
    }
    if (points == 0) {
        std::fprintf(stderr, "read_points: %s: no points\n", argv[1]);
        return 1;
    }
    return 0;
}
