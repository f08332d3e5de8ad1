// torva-demo: shows the foundation layer working on real input until the first take can be recorded.
// It reads an XML document, prints its tree and writes it back, then round-trips a tool-style saved
// state record through its binary form and Base64, as an instance's saved data travels in a scene.

#include "examples/common/ProgramArguments.h"
#include "util/Base64.h"
#include "util/DataChunk.h"
#include "util/NumberText.h"
#include "util/Vector3.h"
#include "util/xml/Element.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using vex::util::DataChunk;
using vex::util::xml::Element;

const char* StatusText(int status) {
    switch (status) {
    case 0:
        return "ok";
    case 1:
        return "the file cannot be opened";
    case 2:
        return "the text is empty or does not begin with a tag";
    case 3:
        return "an element is not closed";
    case 4:
        return "an end tag does not match its element";
    case 5:
        return "a token of no known kind";
    default:
        return "malformed attributes or nesting";
    }
}

void PrintTree(const Element& element, int depth) {
    std::string indent(static_cast<size_t>(depth) * 2, ' ');
    switch (element.GetKind()) {
    case Element::Kind::Tag: {
        std::printf("%s%s", indent.c_str(), element.GetName().c_str());
        for (const auto& [name, value] : element.GetAttributes())
            std::printf(" %s=\"%s\"", name.c_str(), value.c_str());
        std::printf("\n");
        for (const Element& child : element.GetChildren()) PrintTree(child, depth + 1);
        break;
    }
    case Element::Kind::Text:
        std::printf("%stext: \"%s\"\n", indent.c_str(), element.GetName().c_str());
        break;
    case Element::Kind::kComment:
        std::printf("%scomment: \"%s\"\n", indent.c_str(), element.GetName().c_str());
        break;
    }
}

int ShowDocument(const std::string& path) {
    Element root;
    int status = root.Load(path);
    if (status != 0) {
        std::fprintf(stderr, "torva-demo: %s: %s (status %d)\n", path.c_str(), StatusText(status), status);
        return 1;
    }
    std::printf("== %s\n", path.c_str());
    PrintTree(root, 0);
    std::printf("\n== written back\n%s\n", root.ToString().c_str());
    return 0;
}

int ShowSavedState() {
    // A tool keeps one named child per saved field under a root named after itself.
    DataChunk record("GyroDataChunk", nullptr, 0);
    record.AddChild(DataChunk::Make("cGyro.smoothing.d", 0.35));
    record.AddChild(DataChunk::Make("cGyro.levelHorizon.b", true));
    record.AddChild(DataChunk::Make("cGyro.offset.v", vex::util::Vector3<double>{0.0, 1.5, -2.0}));

    std::vector<uint8_t> bytes = record.Serialize();
    std::string text = vex::util::Base64Encode(bytes);
    std::printf("== saved state: %zu bytes, in the scene as Base64:\n%s\n", bytes.size(), text.c_str());

    std::vector<uint8_t> decoded;
    if (!vex::util::Base64Decode(text, decoded)) {
        std::fprintf(stderr, "torva-demo: the saved state does not decode\n");
        return 1;
    }
    auto restored = DataChunk::FromBytes(decoded.data(), decoded.size());
    if (!restored) {
        std::fprintf(stderr, "torva-demo: the saved state does not parse\n");
        return 1;
    }
    double smoothing = 0.0;
    bool level = false;
    vex::util::Vector3<double> offset;
    bool ok = restored->FindChild("cGyro.smoothing.d").Read(smoothing) &&
              restored->FindChild("cGyro.levelHorizon.b").Read(level) &&
              restored->FindChild("cGyro.offset.v").Read(offset);
    // A field the record does not have reads as missing and the default stays.
    int missing = 7;
    bool found = restored->FindChild("cGyro.newerField.i").Read(missing);
    using vex::util::FormatFixed;
    std::printf(
        "restored %s: smoothing %s, level horizon %s, offset (%s, %s, %s); a field it lacks %s (kept %d)\n",
        restored->GetName().c_str(), FormatFixed(smoothing, 2).c_str(), level ? "on" : "off",
        FormatFixed(offset.x, 1).c_str(), FormatFixed(offset.y, 1).c_str(), FormatFixed(offset.z, 1).c_str(),
        found ? "was found" : "is missing", missing);
    return ok && *restored == record ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const vex::examples::ProgramArguments arguments(
        argc, argv,
        "Usage: torva-demo [file.xml]\n"
        "Prints the XML document's tree and writes it back (the bundled sample when none is given),\n"
        "then round-trips a saved state record through its binary form and Base64.\n");
    if (arguments.ExitCode()) return *arguments.ExitCode();
    std::string path = arguments.OperandOr(TORVA_DEMO_SAMPLE);
    int result = ShowDocument(path);
    std::printf("\n");
    return ShowSavedState() | result;
}
