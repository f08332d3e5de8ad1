// Reading and writing large XML documents with our library and with pugixml as the baseline.
//
// The documents are generated here, the same on every run, about 6 MB each:
// - "scene": what the system itself reads and writes, a saved scene's tool instances with their
//   configuration profiles (groups of labelled items), input profiles (channel bindings with several
//   attributes), base64 state records, comments and character references;
// - "dense": many tiny elements with short attributes and texts, a stress case.

#include "util/xml/Element.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr std::size_t kDocumentSize = 6'000'000;

// A small deterministic generator, so every run measures the same documents.
struct Random {
    std::uint32_t seed = 12345;
    std::uint32_t operator()() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    }
};

std::string Base64(Random& next, std::size_t length) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t i = 0; i < length; ++i) text += kDigits[next() % 64];
    return text + "=";
}

std::string MakeSceneDocument() {
    static constexpr std::array<const char*, 10> kLabels = {"Acceleration (in Percent)",
                                                            "Maximum Steering Angle",
                                                            "Brake Force &#38; Balance",
                                                            "Gear Ratios",
                                                            "Suspension Stiffness",
                                                            "Wheel Radius (in Metres)",
                                                            "Camera Distance &#60;min&#62;",
                                                            "Engine Sound Volume",
                                                            "Slow Motion Factor",
                                                            "Collision Layer"};
    static constexpr std::array<const char*, 6> kChannels = {"Steering", "Throttle",  "Brake",
                                                             "Gear Up",  "Gear Down", "Look Around"};
    Random next;
    std::string text = "<?xml version=\"1.0\"?>\n<torvasuite version=\"15107\" host=\"memory\">\n";
    for (int instance = 0; text.size() < kDocumentSize; ++instance) {
        const std::string id = std::to_string(instance);
        text += "\t<!-- instance " + id + " -->\n";
        text += "\t<instance name=\"Vehicle " + id + "\" type=\"4-Vaviriv Idararer\" record=\"" +
                std::to_string(next() % 2) + "\" lowpoly=\"0\" highpoly=\"1\">\n";
        text += "\t\t<configprofile version=\"2.0\" name=\"Vehicle " + id + " settings\">\n";
        for (int group = 0; group < 3; ++group) {
            text += "\t\t\t<group id=\"" + std::to_string(group - 1) + "\" label=\"Settings page " +
                    std::to_string(group) + "\">\n";
            for (int item = 0; item < 6; ++item) {
                const std::uint32_t r = next();
                text += "\t\t\t\t<item id=\"" + std::to_string(item + 1) + "\" type=\"" +
                        (r % 2 ? "blob" : "double") + "\" label=\"" + kLabels[r % kLabels.size()] + "\">";
                text += r % 2 ? Base64(next, 11) : std::to_string(r % 1000) + ".125";
                text += "</item>\n";
            }
            text += "\t\t\t</group>\n";
        }
        text += "\t\t</configprofile>\n\t\t<inputprofile version=\"1.0\">\n";
        for (const char* channel : kChannels) {
            const std::uint32_t r = next();
            text += "\t\t\t<channel name=\"" + std::string(channel) +
                    "\" device=\"Racing Wheel &#38; Pedals\" control=\"Axis " + std::to_string(r % 8) +
                    "\" multiplier=\"-1.5\" deadzone=\"0.05\" exponent=\"2\"/>\n";
        }
        text += "\t\t</inputprofile>\n";
        text += "\t\t<state chunk=\"cVehicleNode\">" + Base64(next, 200 + next() % 400) + "</state>\n";
        text += "\t</instance>\n";
    }
    text += "</torvasuite>";
    return text;
}

// Many small elements: short names, short attribute values and short texts, the hardest case for a
// tree of values against an in-place parser.
std::string MakeDenseDocument() {
    Random next;
    std::string text = "<?xml version=\"1.0\"?>\n<scene version=\"3\" name=\"benchmark scene\">\n";
    int node = 0;
    for (int group = 0; text.size() < kDocumentSize; ++group) {
        text +=
            "\t<group id=\"g" + std::to_string(group) + "\" label=\"Group " + std::to_string(group) + "\">\n";
        if (group % 8 == 0) text += "\t\t<!-- generated group " + std::to_string(group) + " -->\n";
        for (int i = 0; i < 20; ++i, ++node) {
            const std::uint32_t r = next();
            text += "\t\t<node id=\"" + std::to_string(node) + "\" type=\"" +
                    (r % 3 ? "transform" : "camera") + "\" x=\"" +
                    std::to_string(static_cast<int>(r % 2000) - 1000) + ".25\" y=\"" +
                    std::to_string(r % 977) + ".5\" visible=\"" + (r % 2 ? "1" : "0") + "\">\n";
            text += "\t\t\t<name>Node " + std::to_string(node) + (r % 5 == 0 ? " &#38; friend" : "") +
                    "</name>\n";
            text += "\t\t\t<value>" + std::to_string(r) + "</value>\n";
            if (r % 4 == 0)
                text += "\t\t\t<note>range &#60;" + std::to_string(r % 100) + "&#62; step&#10;next</note>\n";
            text += "\t\t\t<key time=\"" + std::to_string(r % 500) + "\" value='" + std::to_string(r % 97) +
                    "'/>\n";
            text += "\t\t\t<empty/>\n";
            text += "\t\t</node>\n";
        }
        text += "\t</group>\n";
    }
    text += "</scene>";
    return text;
}

enum Which { kScene, kDense };

const std::string& Document(Which which) {
    static const std::string scene = MakeSceneDocument();
    static const std::string dense = MakeDenseDocument();
    return which == kScene ? scene : dense;
}

struct StringWriter : pugi::xml_writer {
    std::string out;
    void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
};

void OursParse(benchmark::State& state, Which which) {
    const std::string& text = Document(which);
    vex::util::xml::Element root;
    for (auto _ : state) {
        if (root.Parse(text) != vex::util::xml::kOk) std::abort();
        benchmark::DoNotOptimize(root);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void PugixmlParse(benchmark::State& state, Which which) {
    const std::string& text = Document(which);
    pugi::xml_document document;
    for (auto _ : state) {
        if (!document.load_buffer(text.data(), text.size(), pugi::parse_default)) std::abort();
        benchmark::DoNotOptimize(document);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void OursToString(benchmark::State& state, Which which) {
    vex::util::xml::Element root;
    if (root.Parse(Document(which)) != vex::util::xml::kOk) std::abort();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string out = root.ToString();
        bytes = out.size();
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void PugixmlSave(benchmark::State& state, Which which) {
    pugi::xml_document document;
    if (!document.load_buffer(Document(which).data(), Document(which).size(), pugi::parse_default))
        std::abort();
    std::size_t bytes = 0;
    for (auto _ : state) {
        StringWriter writer;
        document.save(writer, "\t", pugi::format_default);
        bytes = writer.out.size();
        benchmark::DoNotOptimize(writer.out);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

} // namespace

BENCHMARK_CAPTURE(OursParse, scene, kScene)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PugixmlParse, scene, kScene)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OursToString, scene, kScene)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PugixmlSave, scene, kScene)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OursParse, dense, kDense)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PugixmlParse, dense, kDense)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OursToString, dense, kDense)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PugixmlSave, dense, kDense)->Unit(benchmark::kMillisecond);
