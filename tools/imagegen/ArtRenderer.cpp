#include "tools/imagegen/ArtRenderer.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vex::imagegen {
namespace {

QBrush BrushOf(const Paint& paint) {
    switch (paint.kind) {
    case Paint::Kind::kNone:
        return Qt::NoBrush;
    case Paint::Kind::kSolid:
        return QBrush(paint.colour);
    case Paint::Kind::kLinear: {
        QLinearGradient gradient(paint.from, paint.to);
        gradient.setColorAt(0.0, paint.colour);
        gradient.setColorAt(1.0, paint.colour2);
        return QBrush(gradient);
    }
    }
    return Qt::NoBrush;
}

QPainterPath PathOf(const Shape& shape) {
    const std::vector<double>& v = shape.values;
    QPainterPath path;
    switch (shape.kind) {
    case Shape::Kind::kRect:
        path.addRoundedRect(QRectF(v[0], v[1], v[2], v[3]), v[4], v[4]);
        break;
    case Shape::Kind::kEllipse:
        path.addEllipse(QPointF(v[0], v[1]), v[2], v[3]);
        break;
    case Shape::Kind::kArc: {
        const QRectF box(v[0] - v[2], v[1] - v[3], 2 * v[2], 2 * v[3]);
        path.arcMoveTo(box, v[4]);
        path.arcTo(box, v[4], v[5]);
        break;
    }
    case Shape::Kind::kPolygon:
    case Shape::Kind::kPolyline:
        path.moveTo(v[0], v[1]);
        for (std::size_t i = 2; i + 1 < v.size(); i += 2) path.lineTo(v[i], v[i + 1]);
        if (shape.kind == Shape::Kind::kPolygon) path.closeSubpath();
        break;
    }
    return path;
}

} // namespace

void ArtRenderer::Draw(const ArtDocument& document, QPainter& painter, const QRectF& target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(target.topLeft());
    painter.scale(target.width() / document.viewWidth, target.height() / document.viewHeight);
    for (const Shape& shape : document.shapes) {
        const QPainterPath path = PathOf(shape);
        const bool open = shape.kind == Shape::Kind::kArc || shape.kind == Shape::Kind::kPolyline;
        if (!open && shape.fill.kind != Paint::Kind::kNone) painter.fillPath(path, BrushOf(shape.fill));
        if (shape.stroke.kind != Paint::Kind::kNone) {
            QPen pen(BrushOf(shape.stroke), shape.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            painter.strokePath(path, pen);
        }
    }
    painter.restore();
}

QImage ArtRenderer::Render(const ArtDocument& document, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    Draw(document, painter, QRectF(0, 0, width, height));
    painter.end();
    return image;
}

} // namespace vex::imagegen
