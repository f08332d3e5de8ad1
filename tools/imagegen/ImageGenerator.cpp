#include "tools/imagegen/ImageGenerator.h"

#include "tools/imagegen/ArtParser.h"
#include "tools/imagegen/ArtRenderer.h"
#include "tools/imagegen/Manifest.h"
#include "util/AtomicFile.h"

#include <QBuffer>
#include <QPainter>

#include <system_error>

namespace vex::imagegen {
namespace {

// How much of its alpha a greyed step keeps.
constexpr double kGreyAlpha = 0.55;
// A shadow's alpha against its step's, and how far down it falls as a part of the step's height.
constexpr double kShadowAlpha = 0.3;
constexpr double kShadowDrop = 1.0 / 32.0;

// A transparent image of `size` with `document` drawn into `target`.
QImage Layer(const ArtDocument& document, const QSize& size, const QRectF& target) {
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter painter(&layer);
    ArtRenderer::Draw(document, painter, target);
    painter.end();
    return layer;
}

// `image` turned into its own shadow: black, with a part of its alpha.
void Shade(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = qRgba(0, 0, 0, static_cast<int>(qAlpha(row[x]) * kShadowAlpha));
    }
}

// `image` with its colours turned to grey of the same lightness and faded.
void Grey(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            const int grey = (qRed(p) * 11 + qGreen(p) * 16 + qBlue(p) * 5) / 32;
            const double alpha = kGreyAlpha;
            row[x] = qRgba(static_cast<int>(grey * alpha), static_cast<int>(grey * alpha),
                           static_cast<int>(grey * alpha), static_cast<int>(qAlpha(p) * alpha));
        }
    }
}

} // namespace

ImageGenerator::ImageGenerator(std::filesystem::path artDir, std::filesystem::path dataDir)
    : artDir_(std::move(artDir)), dataDir_(std::move(dataDir)) {}

std::optional<QImage> ImageGenerator::Render(const ImageJob& job, std::string& error) const {
    QImage image(job.width, job.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (const DrawStep& step : job.steps) {
        const std::filesystem::path file = artDir_ / step.source;
        std::string text;
        if (!util::ReadWholeFile(file.string(), text)) {
            error = job.origin + ": cannot read the source " + file.string();
            return std::nullopt;
        }
        const std::optional<ArtDocument> document =
            ArtParser::Parse(text, file.string(), step.colours, error);
        if (!document) return std::nullopt;
        const QRectF target = step.rect.value_or(QRectF(0, 0, job.width, job.height));
        const QSize size(job.width, job.height);
        if (step.shadow) {
            QImage shadow = Layer(*document, size, target.translated(0, target.height() * kShadowDrop));
            Shade(shadow);
            painter.drawImage(0, 0, shadow);
        }
        if (step.grey) {
            QImage layer = Layer(*document, size, target);
            Grey(layer);
            painter.drawImage(0, 0, layer);
        } else {
            ArtRenderer::Draw(*document, painter, target);
        }
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

bool ImageGenerator::Run(std::ostream& messages) const {
    std::string text;
    if (!util::ReadWholeFile(ManifestPath().string(), text)) {
        messages << "torva-imagegen: cannot read " << ManifestPath().string() << "\n";
        return false;
    }
    std::string error;
    const std::optional<Manifest> manifest = Manifest::Parse(text, ManifestPath().string(), error);
    if (!manifest) {
        messages << error << "\n";
        return false;
    }
    bool allWritten = true;
    for (const ImageJob& job : manifest->images()) {
        const std::optional<QImage> image = Render(job, error);
        if (!image) {
            messages << error << "\n"
                     << "torva-imagegen: " << job.path << " not written\n";
            allWritten = false;
            continue;
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image->save(&buffer, "PNG");
        const std::filesystem::path out = dataDir_ / job.path;
        std::error_code ignored;
        std::filesystem::create_directories(out.parent_path(), ignored);
        std::string writeError;
        if (!util::WriteFileAtomic(out.string(),
                                   std::string_view(png.constData(), static_cast<std::size_t>(png.size())),
                                   &writeError)) {
            messages << "torva-imagegen: cannot write " << out.string() << ": " << writeError << "\n";
            allWritten = false;
        }
    }
    return allWritten;
}

} // namespace vex::imagegen
