#include "tools/imagegen/ArtParser.h"

#include "tools/imagegen/TextWords.h"
#include "util/NumberText.h"

#include <cmath>
#include <vector>

namespace vex::imagegen {
namespace {

// Coordinates beyond this are typing slips, not designs.
constexpr double kCoordinateLimit = 10000.0;

// The state of one source as its lines are read: the paint new shapes get and the named colours.
class SourceReader {
public:
    SourceReader(const ColourNames& overrides) : overrides_(overrides) {}

    // Applies one line's words; false with error_ set when the line is malformed.
    bool Apply(const std::vector<std::string>& words) {
        const std::string& keyword = words.front();
        args_.assign(words.begin() + 1, words.end());
        if (keyword == "view") return View();
        if (keyword == "layer") return Layer();
        if (keyword == "colour") return Colour();
        if (keyword == "fill") return SetPaint(fill_, nullptr);
        if (keyword == "stroke") return SetPaint(stroke_, &strokeWidth_);
        if (keyword == "rect") return AddRect();
        if (keyword == "circle") return AddCircle();
        if (keyword == "ellipse") return AddFixed(Shape::Kind::kEllipse, 4, "ellipse CX CY RX RY");
        if (keyword == "arc") return AddFixed(Shape::Kind::kArc, 6, "arc CX CY RX RY START SPAN");
        if (keyword == "polygon") return AddPoints(Shape::Kind::kPolygon, 3, "polygon");
        if (keyword == "polyline") return AddPoints(Shape::Kind::kPolyline, 2, "polyline");
        return Fail("unknown keyword '" + keyword + "'");
    }

    ArtDocument& Document() { return document_; }
    const std::string& error() const { return error_; }

private:
    bool Fail(const std::string& message) {
        error_ = message;
        return false;
    }

    bool Numbers(std::size_t first, std::size_t count, std::vector<double>& out) {
        for (std::size_t i = first; i < first + count; ++i) {
            const std::optional<double> value = util::ParseNumber<double>(args_[i]);
            if (!value || !std::isfinite(*value)) return Fail("'" + args_[i] + "' is not a number");
            if (std::fabs(*value) > kCoordinateLimit) return Fail("'" + args_[i] + "' is out of range");
            out.push_back(*value);
        }
        return true;
    }

    bool View() {
        std::vector<double> size;
        if (args_.size() != 2) return Fail("expected: view WIDTH HEIGHT");
        if (!Numbers(0, 2, size)) return false;
        if (size[0] <= 0.0 || size[1] <= 0.0) return Fail("the view's width and height must be positive");
        document_.viewWidth = size[0];
        document_.viewHeight = size[1];
        return true;
    }

    bool Layer() {
        fill_ = Paint{};
        stroke_ = Paint{};
        strokeWidth_ = 0.0;
        return true;
    }

    bool Colour() {
        if (args_.size() != 2) return Fail("expected: colour NAME COLOUR");
        const std::string& name = args_[0];
        if (name.front() == '#' || name.find_first_of(",/") != std::string::npos)
            return Fail("'" + name + "' cannot name a colour");
        const std::optional<QColor> colour = ParseColour(args_[1], names_, error_);
        if (!colour) return false;
        const auto overridden = overrides_.find(name);
        names_[name] = overridden != overrides_.end() ? overridden->second : *colour;
        document_.colourNames.insert(name);
        return true;
    }

    // fill|stroke none; fill COLOUR; stroke COLOUR WIDTH; either with "linear X1 Y1 X2 Y2 C1 C2".
    bool SetPaint(Paint& paint, double* width) {
        const char* usage = width
                                ? "expected: stroke none | stroke COLOUR WIDTH | stroke linear X1 Y1 X2 Y2 "
                                  "COLOUR COLOUR WIDTH"
                                : "expected: fill none | fill COLOUR | fill linear X1 Y1 X2 Y2 COLOUR COLOUR";
        const std::size_t extra = width ? 1 : 0;
        Paint next;
        std::size_t used = 0;
        if (args_.size() == 1 && args_[0] == "none") {
            paint = next;
            if (width) *width = 0.0;
            return true;
        }
        if (!args_.empty() && args_[0] == "linear") {
            std::vector<double> ends;
            if (args_.size() != 7 + extra) return Fail(usage);
            if (!Numbers(1, 4, ends)) return false;
            const std::optional<QColor> a = ParseColour(args_[5], names_, error_);
            if (!a) return false;
            const std::optional<QColor> b = ParseColour(args_[6], names_, error_);
            if (!b) return false;
            next = Paint{Paint::Kind::kLinear, *a, *b, QPointF(ends[0], ends[1]), QPointF(ends[2], ends[3])};
            used = 7;
        } else {
            if (args_.size() != 1 + extra) return Fail(usage);
            const std::optional<QColor> colour = ParseColour(args_[0], names_, error_);
            if (!colour) return false;
            next.kind = Paint::Kind::kSolid;
            next.colour = *colour;
            used = 1;
        }
        if (width) {
            std::vector<double> w;
            if (!Numbers(used, 1, w)) return false;
            if (w[0] <= 0.0) return Fail("a stroke's width must be positive");
            *width = w[0];
        }
        paint = next;
        return true;
    }

    bool Add(Shape::Kind kind, std::vector<double> values) {
        if (fill_.kind == Paint::Kind::kNone && stroke_.kind == Paint::Kind::kNone)
            return Fail("the shape has neither fill nor stroke; set one first");
        document_.shapes.push_back(Shape{kind, std::move(values), fill_, stroke_, strokeWidth_});
        return true;
    }

    bool AddRect() {
        std::vector<double> values;
        if (args_.size() != 4 && args_.size() != 5) return Fail("expected: rect X Y W H [RADIUS]");
        if (!Numbers(0, args_.size(), values)) return false;
        if (values.size() == 4) values.push_back(0.0);
        if (values[2] <= 0.0 || values[3] <= 0.0 || values[4] < 0.0)
            return Fail("a rect needs a positive size and a radius of 0 or more");
        return Add(Shape::Kind::kRect, std::move(values));
    }

    bool AddCircle() {
        std::vector<double> values;
        if (args_.size() != 3) return Fail("expected: circle CX CY R");
        if (!Numbers(0, 3, values)) return false;
        if (values[2] <= 0.0) return Fail("a circle's radius must be positive");
        values.push_back(values[2]);
        return Add(Shape::Kind::kEllipse, std::move(values));
    }

    bool AddFixed(Shape::Kind kind, std::size_t count, const char* usage) {
        std::vector<double> values;
        if (args_.size() != count) return Fail(std::string("expected: ") + usage);
        if (!Numbers(0, count, values)) return false;
        if (values[2] <= 0.0 || values[3] <= 0.0) return Fail("the radii must be positive");
        if (kind == Shape::Kind::kArc && stroke_.kind == Paint::Kind::kNone)
            return Fail("an arc is drawn with the stroke; set one first");
        return Add(kind, std::move(values));
    }

    bool AddPoints(Shape::Kind kind, std::size_t least, const std::string& name) {
        std::vector<double> values;
        if (args_.size() % 2 != 0) return Fail(name + " needs x y pairs");
        if (args_.size() < least * 2)
            return Fail(name + " needs at least " + std::to_string(least) + " points");
        if (!Numbers(0, args_.size(), values)) return false;
        if (kind == Shape::Kind::kPolyline && stroke_.kind == Paint::Kind::kNone)
            return Fail("a polyline is drawn with the stroke; set one first");
        return Add(kind, std::move(values));
    }

    const ColourNames& overrides_;
    ColourNames names_;
    ArtDocument document_;
    std::vector<std::string> args_;
    Paint fill_;
    Paint stroke_;
    double strokeWidth_ = 0.0;
    std::string error_;
};

} // namespace

std::optional<ArtDocument> ArtParser::Parse(std::string_view text, const std::string& fileName,
                                            const ColourNames& overrides, std::string& error) {
    SourceReader reader(overrides);
    const std::vector<std::string_view> lines = SplitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> words = SplitWords(lines[i]);
        if (words.empty()) continue;
        if (!reader.Apply(words)) {
            error = Located(fileName, static_cast<int>(i + 1), reader.error());
            return std::nullopt;
        }
    }
    for (const auto& entry : overrides) {
        if (!reader.Document().colourNames.count(entry.first)) {
            error = fileName + ": declares no colour named '" + entry.first + "'";
            return std::nullopt;
        }
    }
    return std::move(reader.Document());
}

} // namespace vex::imagegen
