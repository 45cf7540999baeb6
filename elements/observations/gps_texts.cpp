// Texts of the antenna models.
#include "vdxml/gps_texts.h"

namespace VdXml {
namespace {

// Grouped by construction; within a group by the frequencies tracked and the housing.
const VdXmlEnumText kAntennaModels[] = {
    {-1, L"Invalid"},
    {1, L"Choke ring L1/L2"},
    {2, L"Choke ring L1/L2 with radome"},
    {3, L"Choke ring L1/L2/L5"},
    {4, L"Choke ring L1/L2/L5 with radome"},
    {5, L"Choke ring L1"},
    {6, L"Compact L1 patch"},
    {7, L"Compact L1/L2 patch"},
    {8, L"Compact L1/L2 patch with ground plane"},
    {9, L"Compact L1/L2/L5 patch"},
    {10, L"Microstrip L1"},
    {11, L"Microstrip L1 with ground plane"},
    {12, L"Microstrip L1/L2"},
    {13, L"Microstrip L1/L2 with ground plane"},
    {14, L"Microstrip L1/L2 with radome"},
    {15, L"Helical L1"},
    {16, L"Helical L1/L2"},
    {17, L"Quadrifilar helix L1"},
    {18, L"Quadrifilar helix L1/L2"},
    {19, L"Pinwheel L1/L2"},
    {20, L"Pinwheel L1/L2/L5"},
    {21, L"Survey dome L1/L2"},
    {22, L"Survey dome L1/L2/L5"},
    {23, L"Geodetic L1/L2 with ground plane"},
    {24, L"Geodetic L1/L2/L5 with ground plane"},
    {25, L"Rover pole L1"},
    {26, L"Rover pole L1/L2"},
    {27, L"Rover pole L1/L2 with radio"},
    {28, L"Rover pole L1/L2/L5"},
    {29, L"Integrated receiver L1"},
    {30, L"Integrated receiver L1/L2"},
    {31, L"Integrated receiver L1/L2 with radio"},
    {32, L"Integrated receiver L1/L2/L5"},
    {33, L"Machine mount L1"},
    {34, L"Machine mount L1/L2"},
    {35, L"Machine mount L1/L2/L5"},
    {36, L"Marine L1"},
    {37, L"Marine L1/L2"},
    {38, L"Vehicle roof L1"},
    {39, L"Vehicle roof L1/L2"},
    {40, L"Handheld L1"},
    {41, L"Handheld L1/L2"},
    {42, L"Reference station L1/L2"},
    {43, L"Reference station L1/L2 with radome"},
    {44, L"Reference station L1/L2/L5"},
    {45, L"Reference station L1/L2/L5 with radome"},
    {46, L"Dual-feed L1/L2"},
    {47, L"Spiral L1/L2"},
    {48, L"Generic L1/L2"},
};

}  // namespace

const VdXmlEnumTable enumAntennaModel(kAntennaModels);

}  // namespace VdXml
