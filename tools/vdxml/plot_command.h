// vdxml plot: the plan view of a survey as an SVG picture.
#pragma once

#include "cli.h"

namespace vdxml_cli {

int RunPlot(Args args);

}  // namespace vdxml_cli
