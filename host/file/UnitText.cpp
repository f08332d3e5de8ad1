#include "host/file/UnitText.h"

#include "util/NumberText.h"

#include <cmath>
#include <limits>

namespace vex::host::file {

namespace {

using builtins::units::Kind;

struct Conversion {
    double (*toUser)(double);
    double (*toScene)(double);
};

// The text of the number nearest `user` (a few steps either side) that converts back to `scene`;
// answers its end, or null when none does.
char* WriteExact(char* first, char* last, double user, double scene, const Conversion& conversion) {
    constexpr int kSteps = 3;
    double below = user, above = user;
    for (int step = 0; step <= kSteps; ++step) {
        for (const double candidate : {below, above}) {
            char* end = util::WriteNumber(first, last, candidate);
            double read = 0.0;
            util::ReadNumber(first, end, read);
            if (conversion.toScene(read) == scene) return end;
        }
        below = std::nextafter(below, -std::numeric_limits<double>::infinity());
        above = std::nextafter(above, std::numeric_limits<double>::infinity());
    }
    return nullptr;
}

char* Write(char* first, char* last, double scene, const Conversion& conversion) {
    if (!std::isfinite(scene)) return util::WriteNumber(first, last, scene);
    const double user = conversion.toUser(scene);
    if (char* end = WriteExact(first, last, user, scene, conversion)) return end;
    // No text reads back as this number: write the number that the nearest text reads back as.
    char* end = util::WriteNumber(first, last, user);
    double read = 0.0;
    util::ReadNumber(first, end, read);
    const double reachable = conversion.toScene(read);
    if (char* exact = WriteExact(first, last, conversion.toUser(reachable), reachable, conversion))
        return exact;
    return util::WriteNumber(first, last, user);
}

const Conversion& ConversionOf(Kind kind) {
    static const Conversion linear = {[](double v) { return builtins::units::ToUi(Kind::kLinear, v); },
                                      [](double v) { return builtins::units::ToInternal(Kind::kLinear, v); }};
    static const Conversion angular = {
        [](double v) { return builtins::units::ToUi(Kind::kAngular, v); },
        [](double v) { return builtins::units::ToInternal(Kind::kAngular, v); }};
    static const Conversion none = {[](double v) { return v; }, [](double v) { return v; }};
    return kind == Kind::kLinear ? linear : kind == Kind::kAngular ? angular : none;
}

std::string AsText(char* (*write)(char*, char*, Kind, double), Kind kind, double value) {
    char buffer[64];
    return std::string(buffer, write(buffer, buffer + sizeof buffer, kind, value));
}

} // namespace

char* UnitText::Write(char* first, char* last, Kind kind, double internal) {
    if (kind == Kind::kNone) return util::WriteNumber(first, last, internal);
    return file::Write(first, last, internal, ConversionOf(kind));
}

char* UnitText::WriteFrames(char* first, char* last, double seconds) {
    static const Conversion frames = {builtins::units::SecondsToFrames, builtins::units::FramesToSeconds};
    return file::Write(first, last, seconds, frames);
}

std::string UnitText::Text(Kind kind, double internal) {
    return AsText(&UnitText::Write, kind, internal);
}

std::string UnitText::Frames(double seconds) {
    return AsText([](char* first, char* last, Kind, double value) { return WriteFrames(first, last, value); },
                  Kind::kNone, seconds);
}

} // namespace vex::host::file
