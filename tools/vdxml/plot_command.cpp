// vdxml plot FILE: the plan view of a project as a standalone SVG picture.
#include "plot_command.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "plot_reader.h"
#include "plot_svg.h"

namespace vdxml_cli {
namespace {
const char* kPlotUsage =
    "Usage: vdxml plot FILE [-o OUT] [--project NAME] [--labels|--no-labels] [--size WxH]\n"
    "\n"
    "Draws the plan of one project of FILE as an SVG picture that needs nothing else to be\n"
    "shown: grid coordinates with easting to the right and northing up at one scale, a scale\n"
    "bar, a grid-north arrow, a legend of the symbols used and a title block (company,\n"
    "application, project, creation time, coordinate system, points drawn and not drawn).\n"
    "\n"
    "  -o OUT          write the picture to OUT (replaced only when complete); standard\n"
    "                  output without it\n"
    "  --project NAME  the first project named NAME; the file's first project without it\n"
    "  --labels        every point's name, even where names overlap\n"
    "  --no-labels     no names\n"
    "                  Without either, a name is shown where it overlaps no other name and no\n"
    "                  symbol, and no names are shown for more than 2000 points.\n"
    "  --size WxH      the picture's size in pixels, W from 480 to 20000, H from 360 to\n"
    "                  20000; 1200x800 without it\n"
    "\n"
    "What is drawn, and what is decided where the file does not say:\n"
    "- Points: the project's own points at their first coordinate with easting and northing;\n"
    "  the shape tells the class, the colour the point's first thematic code. Points nested\n"
    "  in other elements (the design and staked points of a stakeout) are left out; points\n"
    "  without grid coordinates are counted in the title block as \"not drawn\". Beyond 5000\n"
    "  points each is a small square.\n"
    "- Total-station setups: a setup does not name its station. A setup inside a point stands\n"
    "  on that point; a setup directly below the project stands on the project's first\n"
    "  control point (class Control). Each observation set is a ray from the station along\n"
    "  the grid azimuth orientation + horizontal reading, as long as the horizontal distance\n"
    "  (else slope distance times the sine of the zenith angle, else the slope distance).\n"
    "  Setups without a station, and observations without an orientation, direction or\n"
    "  distance, are counted as not drawn.\n"
    "- GPS: \"Gps\" data below a point make it a rover point when they hold a rover or a\n"
    "  baseline, else (a reference receiver only) a reference station. A rover's baseline is\n"
    "  drawn from its reference station: the rover less the baseline vector, when the vector\n"
    "  is read (a WGS 84 vector is turned into east and north at the rover, without the\n"
    "  grid's convergence and scale), else the reference-station point whose receiver has\n"
    "  the same serial number. Other baselines are counted as not drawn.\n"
    "\n"
    "FILE is read front to back; only what the drawing needs is kept of each point.\n";

// "WxH" within the limits; UsageError otherwise.
void ParseSize(const std::string& text, plot::PlotOptions& options) {
    const std::size_t x = text.find_first_of("xX");
    const auto number = [&](const std::string& part, long min, long max) {
        errno = 0;
        char* end = nullptr;
        const long value = std::strtol(part.c_str(), &end, 10);
        if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos ||
            errno == ERANGE || value < min || value > max)
            throw UsageError(
                "--size takes WxH in pixels, W from 480 to 20000, H from 360 to 20000");
        return static_cast<int>(value);
    };
    if (x == std::string::npos) number("", 0, 0);
    options.width = number(text.substr(0, x), 480, 20000);
    options.height = number(text.substr(x + 1), 360, 20000);
}

std::string ProjectList(const std::vector<std::string>& names) {
    std::string list;
    for (std::size_t i = 0; i < names.size() && i < 10; ++i)
        list += (i ? ", '" : "'") + names[i] + "'";
    if (names.size() > 10) list += ", ...";
    return list;
}
}  // namespace

int RunPlot(Args args) {
    std::string file, output, project;
    plot::PlotOptions options;
    const bool goOn = ReadArguments(args, kPlotUsage, &file, [&](const std::string& arg) {
        if (arg == "-o" || arg == "--output")
            output = args.Value(arg);
        else if (arg == "--project")
            project = args.Value(arg);
        else if (arg == "--labels")
            options.labels = plot::LabelMode::kAll;
        else if (arg == "--no-labels")
            options.labels = plot::LabelMode::kNone;
        else if (arg == "--size")
            ParseSize(args.Value(arg), options);
        else
            return false;
        return true;
    });
    if (!goOn) return kExitOk;

    plot::PlanReader reader(project);
    // Complete reading gives the baselines' vectors and the coordinate system's name.
    const ReadOutcome outcome = ReadSurvey(file, reader, VDXML_READ_COMPLETE);
    if (FAILED(outcome.status)) {
        ReportUnreadable(file, outcome.status);
        return kExitBadInput;
    }
    if (!reader.Found()) {
        ReportError(file, reader.ProjectNames().empty()
                              ? "holds no project; nothing to draw"
                              : "holds no project named '" + project +
                                    "' (its projects: " + ProjectList(reader.ProjectNames()) + ")");
        return kExitBadInput;
    }
    const plot::Plan plan = reader.Finish(outcome.created);
    if (plan.points.empty()) {
        ReportError(file, "project '" + plan.project +
                              "' has no point with grid coordinates (easting and northing); " +
                              std::to_string(plan.pointsNotDrawn) +
                              " points without them; nothing to draw");
        return kExitBadInput;
    }

    // The picture is made in memory, so that nothing is written for a plan that cannot be
    // drawn, then goes out in one piece.
    std::ostringstream svg;
    if (!plot::WriteSvg(svg, plan, options)) {
        ReportError(file,
                    "the points of project '" + plan.project + "' lie too far apart to be drawn");
        return kExitBadInput;
    }
    if (output.empty()) {
        std::cout << svg.str();
        std::cout.flush();
        if (std::cout) return kExitOk;
        ReportError("standard output", "write failed");
        return kExitBadInput;
    }
    const std::string partial = output + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << svg.str();
        out.close();
        if (out && std::rename(partial.c_str(), output.c_str()) == 0) return kExitOk;
    }
    std::remove(partial.c_str());
    ReportError(output, "cannot be written");
    return kExitBadInput;
}

}  // namespace vdxml_cli
