// The images committed below data/: every tool the core registers has its icon and buttons, every
// image the manifest names is there at its size, and each matches what its sources draw today.

#include "tools/imagegen/ImageGenerator.h"
#include "tools/imagegen/Manifest.h"
#include "util/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

namespace vex::imagegen {
namespace {

const std::filesystem::path kSource = TORVA_SOURCE_DIR;

Manifest LoadManifest() {
    std::string text;
    std::string error;
    EXPECT_TRUE(util::ReadWholeFile((kSource / "art/manifest.txt").string(), text));
    std::optional<Manifest> manifest = Manifest::Parse(text, "art/manifest.txt", error);
    EXPECT_TRUE(manifest) << error;
    return manifest.value_or(Manifest{});
}

// The data folders of the tool types compiled into the core, read from the tool table and the
// group and empty tools' identities.
std::set<std::string> CompiledToolFolders() {
    std::set<std::string> folders;
    const std::regex tableEntry(R"re(TableEntry\{\{"[^"]*",\s*"([^"]*)")re");
    const std::regex identity(R"re(kIdentity\{"[^"]*",\s*"([^"]*)")re");
    const std::pair<const char*, const std::regex*> sources[] = {
        {"plugins/PluginTable.cpp", &tableEntry},
        {"plugins/group/GroupPlugin.cpp", &identity},
        {"plugins/empty/EmptyPlugin.cpp", &identity}};
    for (const auto& source : sources) {
        std::string text;
        EXPECT_TRUE(util::ReadWholeFile((kSource / source.first).string(), text)) << source.first;
        for (std::sregex_iterator it(text.begin(), text.end(), *source.second), end; it != end; ++it)
            folders.insert((*it)[1].str());
    }
    return folders;
}

// The data folders of the templates that ship in the factory data ("datapath" of each data/prm file).
std::set<std::string> ShippedTemplateFolders() {
    std::set<std::string> folders;
    const std::regex datapath(R"re(<datapath>([^<]*)</datapath>)re");
    for (const auto& entry : std::filesystem::directory_iterator(kSource / "data" / "prm")) {
        std::string text;
        EXPECT_TRUE(util::ReadWholeFile(entry.path().string(), text)) << entry.path();
        for (std::sregex_iterator it(text.begin(), text.end(), datapath), end; it != end; ++it)
            folders.insert((*it)[1].str());
    }
    return folders;
}

QImage Load(const std::string& pathBelowData) {
    return QImage(QString::fromStdString((kSource / "data" / pathBelowData).string()));
}

TEST(GeneratedImages, EveryShippedToolHasItsIconAndButtons) {
    std::set<std::string> shipped = CompiledToolFolders();
    EXPECT_EQ(shipped.size(), 43u) << "41 tool types plus the group and empty tools";
    const std::set<std::string> templates = ShippedTemplateFolders();
    EXPECT_EQ(templates.size(), 3u) << "the three shipped templates";
    shipped.insert(templates.begin(), templates.end());
    std::set<std::string> drawn;
    for (const std::vector<std::string>& use : LoadManifest().Uses("tool")) drawn.insert(use.at(0));
    EXPECT_EQ(drawn, shipped);

    const std::pair<const char*, QSize> images[] = {{"icon.png", QSize(32, 32)},
                                                    {"button_default.png", QSize(160, 40)},
                                                    {"button_hover.png", QSize(160, 40)},
                                                    {"button_pressed.png", QSize(160, 40)}};
    for (const std::string& folder : shipped) {
        for (const auto& image : images) {
            const QImage loaded = Load(folder + "/images/" + image.first);
            EXPECT_EQ(loaded.size(), image.second) << folder << "/images/" << image.first;
            EXPECT_TRUE(loaded.hasAlphaChannel()) << folder << "/images/" << image.first;
        }
    }
}

TEST(GeneratedImages, ButtonStatesDiffer) {
    // Hover is lighter and pressed darker than the face at rest, on the plain part of the face.
    const auto lightness = [](const QImage& image) { return image.pixelColor(100, 20).lightness(); };
    const QImage rest = Load("carextended/images/button_default.png");
    EXPECT_GT(lightness(Load("carextended/images/button_hover.png")), lightness(rest));
    EXPECT_LT(lightness(Load("carextended/images/button_pressed.png")), lightness(rest));
    for (const char* name : {"record", "stop", "resimulate", "toolbuttons/vehicles"}) {
        const QImage base = Load(std::string("core/images/") + name + "_default.png");
        EXPECT_NE(Load(std::string("core/images/") + name + "_hover.png"), base) << name;
        EXPECT_NE(Load(std::string("core/images/") + name + "_pressed.png"), base) << name;
    }
}

TEST(GeneratedImages, CommittedImagesMatchTheirSources) {
    const ImageGenerator generator(kSource / "art", kSource / "data");
    const Manifest manifest = LoadManifest();
    EXPECT_GT(manifest.images().size(), 43u * 4);
    for (const ImageJob& job : manifest.images()) {
        std::string error;
        const std::optional<QImage> drawn = generator.Render(job, error);
        ASSERT_TRUE(drawn) << error;
        const QImage committed = Load(job.path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(committed.size(), QSize(job.width, job.height)) << job.path;
        // Allow for rounding differences of another build of the painter.
        int worst = 0;
        for (int y = 0; y < committed.height(); ++y) {
            for (int x = 0; x < committed.width(); ++x) {
                const QRgb a = committed.pixel(x, y);
                const QRgb b = drawn->pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            }
        }
        EXPECT_LE(worst, 8) << job.path << " is out of date: run ./torva.sh images";
    }
}

} // namespace
} // namespace vex::imagegen
