#include "host/program/PathPlotCommand.h"

#include "host/plot/PathCsv.h"
#include "host/plot/PathPlot.h"
#include "host/program/PlugByName.h"

#include <maya/MAnimControl.h>
#include <maya/MArgList.h>
#include <maya/MDGContext.h>
#include <maya/MDistance.h>
#include <maya/MFnMatrixData.h>
#include <maya/MMatrix.h>
#include <maya/MString.h>
#include <maya/MTime.h>

#include <cmath>
#include <string>
#include <vector>

namespace vex::host::program {

namespace {

using plot::PathSeries;

constexpr int kPlotWidth = 1400;
constexpr int kPlotHeight = 560;
constexpr int kMostFrames = 1000000;

// Colours of the paths in argument order, repeated past the last.
constexpr unsigned kPalette[] = {0xD03030, 0x2060D0, 0x20A050, 0x8040C0, 0xE08020, 0x208080, 0x806020};

const char* const kUsage =
    "Usage: pathPlot [-csv file] [-png file] [-title text] [-start frame] [-end frame] transform...";

// The flags, each with one value; every other argument is a transform.
struct ValueFlag {
    const char* shortName;
    const char* longName;
    CommandSyntax::Arg value;
};
constexpr ValueFlag kValueFlags[] = {{"-csv", "-csvFile", CommandSyntax::Arg::kString},
                                     {"-png", "-pngFile", CommandSyntax::Arg::kString},
                                     {"-t", "-title", CommandSyntax::Arg::kString},
                                     {"-s", "-start", CommandSyntax::Arg::kNumber},
                                     {"-e", "-end", CommandSyntax::Arg::kNumber}};

bool IsValueFlag(const std::string& arg) {
    for (const ValueFlag& flag : kValueFlags)
        if (arg == flag.shortName || arg == flag.longName) return true;
    return false;
}

// The world position of `transform` at `time` in metres; false when it has no world matrix.
bool WorldPosition(const std::string& transform, const MTime& time, util::Vector3<double>& position) {
    const MPlug matrices = FindPlugByName(transform + ".worldMatrix");
    if (matrices.isNull()) return false;
    MStatus status;
    const MObject data = matrices.elementByLogicalIndex(0).asMObject(MDGContext(time), &status);
    if (!status || data.isNull()) return false;
    const MMatrix world = MFnMatrixData(data).matrix(&status);
    if (!status) return false;
    // The matrix holds the scene's internal unit; the paths are in metres whatever the user's unit.
    const auto metres = [](double internal) {
        return MDistance(internal, MDistance::internalUnit()).asMeters();
    };
    position = {metres(world(3, 0)), metres(world(3, 1)), metres(world(3, 2))};
    return true;
}

MStatus Fail(const std::string& text) {
    return MStatus(MStatus::kFailure, "pathPlot: " + text);
}

} // namespace

CommandSyntax PathPlotCommand::Syntax() {
    CommandSyntax syntax;
    for (const ValueFlag& flag : kValueFlags) syntax.flag(flag.shortName, flag.longName, flag.value);
    return syntax;
}

MStatus PathPlotCommand::doIt(const MArgList& args) {
    std::string csv, png, title;
    double start = MAnimControl::minTime().as(MTime::uiUnit());
    double end = MAnimControl::maxTime().as(MTime::uiUnit());
    std::vector<std::string> transforms;
    for (unsigned i = 0; i < args.length(); ++i) {
        const std::string arg = args.asString(i).asChar();
        if (!IsValueFlag(arg)) {
            transforms.push_back(arg);
            continue;
        }
        MStatus status;
        const MString value = args.asString(++i, &status);
        if (!status) return MStatus(MStatus::kInvalidParameter, kUsage);
        if (arg == "-csv" || arg == "-csvFile") csv = value.asChar();
        if (arg == "-png" || arg == "-pngFile") png = value.asChar();
        if (arg == "-t" || arg == "-title") title = value.asChar();
        if (arg == "-s" || arg == "-start" || arg == "-e" || arg == "-end") {
            const double frame = args.asDouble(i, &status);
            if (!status || !std::isfinite(frame)) return MStatus(MStatus::kInvalidParameter, kUsage);
            (arg == "-s" || arg == "-start" ? start : end) = frame;
        }
    }
    if (transforms.empty() || (csv.empty() && png.empty()))
        return MStatus(MStatus::kInvalidParameter, kUsage);
    if (!(end >= start) || end - start > kMostFrames)
        return Fail("the frames run from -start to a later -end.");

    std::vector<PathSeries> series;
    for (std::size_t s = 0; s < transforms.size(); ++s) {
        PathSeries& path = series.emplace_back();
        path.name = transforms[s];
        path.rgb = kPalette[s % std::size(kPalette)];
        for (double frame = start; frame <= end + 1e-9; frame += 1.0) {
            const MTime time(frame, MTime::uiUnit());
            util::Vector3<double> position;
            if (!WorldPosition(transforms[s], time, position))
                return Fail("\"" + transforms[s] + "\" is not a transform of the scene.");
            path.samples.push_back({time.as(MTime::kSeconds), position});
        }
    }
    std::string error;
    if (!csv.empty() && !plot::WritePathCsv(csv, series, error)) return Fail(error + ".");
    if (!png.empty() && !plot::WritePathPlot(png, title, series, kPlotWidth, kPlotHeight, error))
        return Fail(error + ".");
    setResult(static_cast<int>(series.front().samples.size()));
    return MStatus::kSuccess;
}

} // namespace vex::host::program
