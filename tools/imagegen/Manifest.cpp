#include "tools/imagegen/Manifest.h"

#include "tools/imagegen/TextWords.h"
#include "util/NumberText.h"

namespace vex::imagegen {
namespace {

// The largest image side the manifest may ask for.
constexpr int kMaxSide = 4096;
// How deep templates may use other templates (a template using itself stops here).
constexpr int kMaxDepth = 8;

// `line` with every "$PARAMETER" replaced by its argument.
std::string Substituted(std::string line, const std::vector<std::string>& parameters,
                        const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        const std::string key = "$" + parameters[i];
        for (std::size_t at = line.find(key); at != std::string::npos; at = line.find(key, at)) {
            line.replace(at, key.size(), arguments[i]);
            at += arguments[i].size();
        }
    }
    return line;
}

} // namespace

std::optional<Manifest> Manifest::Parse(std::string_view text, const std::string& fileName,
                                        std::string& error) {
    Manifest manifest;
    const std::vector<std::string_view> lines = SplitLines(text);
    Template* open = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        const std::vector<std::string> words = SplitWords(lines[i]);
        if (words.empty()) continue;
        std::string message;
        if (words[0] == "template") {
            if (open)
                message = "a template cannot hold another template";
            else if (words.size() < 2)
                message = "expected: template NAME [PARAMETER...]";
            else if (manifest.templates_.count(words[1]))
                message = "template '" + words[1] + "' is defined twice";
            else {
                open = &manifest.templates_[words[1]];
                open->parameters.assign(words.begin() + 2, words.end());
            }
        } else if (words[0] == "end") {
            if (!open) message = "'end' without a template";
            open = nullptr;
        } else if (open) {
            open->body.emplace_back(number, std::string(lines[i]));
        } else {
            std::string located;
            if (!manifest.ApplyLine(words, Located(fileName, number, ""), located)) {
                error = located;
                return std::nullopt;
            }
        }
        if (!message.empty()) {
            error = Located(fileName, number, message);
            return std::nullopt;
        }
    }
    if (open) {
        error = fileName + ": a template is not closed with 'end'";
        return std::nullopt;
    }
    return manifest;
}

// `where` is "file:line: ", the place messages about this line name.
bool Manifest::ApplyLine(const std::vector<std::string>& words, const std::string& where,
                         std::string& error) {
    std::string message;
    if (words[0] == "image") {
        const std::optional<int> width = words.size() == 4 ? util::ParseNumber<int>(words[2]) : std::nullopt;
        const std::optional<int> height = words.size() == 4 ? util::ParseNumber<int>(words[3]) : std::nullopt;
        if (!width || !height)
            message = "expected: image PATH WIDTH HEIGHT";
        else if (*width <= 0 || *height <= 0 || *width > kMaxSide || *height > kMaxSide)
            message = "an image's sides must be 1.." + std::to_string(kMaxSide);
        else if (words[1].empty() || words[1].front() == '/' || words[1].find("..") != std::string::npos)
            message = "the image path must stay below the data folder";
        else
            images_.push_back(ImageJob{words[1], *width, *height, {}, where.substr(0, where.size() - 2)});
    } else if (words[0] == "draw") {
        if (images_.empty())
            message = "'draw' before any 'image'";
        else
            AddDraw(words, message);
    } else if (const auto found = templates_.find(words[0]); found != templates_.end()) {
        const Template& use = found->second;
        const std::vector<std::string> arguments(words.begin() + 1, words.end());
        if (arguments.size() != use.parameters.size()) {
            message = "template '" + words[0] + "' takes " + std::to_string(use.parameters.size()) +
                      " arguments, not " + std::to_string(arguments.size());
        } else if (depth_ >= kMaxDepth) {
            message = "templates are used inside each other more than " + std::to_string(kMaxDepth) + " deep";
        } else {
            uses_.emplace_back(words[0], arguments);
            ++depth_;
            for (const auto& [bodyLine, text] : use.body) {
                const std::vector<std::string> expanded =
                    SplitWords(Substituted(text, use.parameters, arguments));
                const std::string inner = where.substr(0, where.size() - 2) + " (in template '" + words[0] +
                                          "', line " + std::to_string(bodyLine) + "): ";
                if (!ApplyLine(expanded, inner, error)) return false;
            }
            --depth_;
        }
    } else {
        message = "unknown keyword '" + words[0] + "'";
    }
    if (!message.empty()) {
        error = where + message;
        return false;
    }
    return true;
}

// draw SOURCE [X Y W H] [grey] [shadow] [NAME=COLOUR...]
bool Manifest::AddDraw(const std::vector<std::string>& words, std::string& error) {
    if (words.size() < 2) {
        error = "expected: draw SOURCE [X Y W H] [grey] [shadow] [NAME=COLOUR...]";
        return false;
    }
    DrawStep step;
    step.source = words[1];
    std::size_t at = 2;
    if (words.size() >= 6 && util::ParseNumber<double>(words[2])) {
        double box[4];
        for (int i = 0; i < 4; ++i) {
            const std::optional<double> value = util::ParseNumber<double>(words[2 + i]);
            if (!value) {
                error = "'" + words[2 + i] + "' is not a number";
                return false;
            }
            box[i] = *value;
        }
        if (box[2] <= 0.0 || box[3] <= 0.0) {
            error = "a draw rectangle needs a positive size";
            return false;
        }
        step.rect = QRectF(box[0], box[1], box[2], box[3]);
        at = 6;
    }
    for (; at < words.size(); ++at) {
        const std::string& option = words[at];
        const std::size_t equals = option.find('=');
        if (option == "grey") {
            step.grey = true;
        } else if (option == "shadow") {
            step.shadow = true;
        } else if (equals != std::string::npos && equals > 0) {
            const std::optional<QColor> colour = ParseColour(option.substr(equals + 1), {}, error);
            if (!colour) return false;
            step.colours[option.substr(0, equals)] = *colour;
        } else {
            error = "unknown draw option '" + option + "'";
            return false;
        }
    }
    images_.back().steps.push_back(std::move(step));
    return true;
}

std::vector<std::vector<std::string>> Manifest::Uses(const std::string& name) const {
    std::vector<std::vector<std::string>> found;
    for (const auto& use : uses_)
        if (use.first == name) found.push_back(use.second);
    return found;
}

} // namespace vex::imagegen
