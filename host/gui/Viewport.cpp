#include "host/gui/Viewport.h"

#include "host/gui/HostCommands.h"
#include "host/scene/Scene.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>

namespace vex::host::gui {

namespace {

const QColor kBackground(77, 82, 89);
const QColor kSurface(190, 190, 190);
const QColor kHighlight(67, 255, 163);
const QColor kHelper(20, 20, 140);
const QColor kTemplate(150, 150, 150);

// How far the pointer may move between press and release for a click rather than a drag.
constexpr int kClickSlack = 3;
// Tumble speed, degrees per pixel; dolly speed, per pixel and per wheel step.
constexpr double kTumblePerPixel = 0.4;
constexpr double kDollyPerPixel = 0.01;
constexpr double kDollyPerStep = 0.9;
// How near the ray must pass a camera or a cross, per unit of distance, to pick it.
constexpr double kPickRadius = 0.03;
// The ground grid: 12 units each way in cells of 1.
constexpr double kGridExtent = 12.0;
constexpr int kGridCells = 12;
// While the time moves, a picture that took D ms is followed by at least 2 D ms without drawing; the
// time counts as moving for this long after it last moved.
constexpr qint64 kBudgetFactor = 3;
constexpr qint64 kTimeMovingMs = 250;

constexpr const char* kShadedVertex = R"(
attribute vec3 position;
attribute vec3 normal;
uniform mat4 modelViewProjection;
uniform mat3 normalToView;
varying vec3 viewNormal;
void main() {
    viewNormal = normalToView * normal;
    gl_Position = modelViewProjection * vec4(position, 1.0);
}
)";

// A light at the eye; both sides of a surface are lit, as a double-sided surface is drawn.
constexpr const char* kShadedFragment = R"(
uniform vec3 colour;
varying vec3 viewNormal;
void main() {
    float facing = abs(normalize(viewNormal).z);
    gl_FragColor = vec4(colour * (0.25 + 0.75 * facing), 1.0);
}
)";

constexpr const char* kWireVertex = R"(
attribute vec3 position;
attribute vec3 colour;
uniform mat4 modelViewProjection;
varying vec3 wireColour;
void main() {
    wireColour = colour;
    gl_Position = modelViewProjection * vec4(position, 1.0);
}
)";

constexpr const char* kWireFragment = R"(
uniform vec3 tint;
uniform float useTint;
varying vec3 wireColour;
void main() {
    gl_FragColor = vec4(mix(wireColour, tint, useTint), 1.0);
}
)";

QVector3D Rgb(const QColor& colour) {
    return {static_cast<float>(colour.redF()), static_cast<float>(colour.greenF()),
            static_cast<float>(colour.blueF())};
}

NodePtr CameraShapeOf(const NodePtr& node) {
    if (!node || !node->IsAlive()) return nullptr;
    if (node->HasFn(MFn::kCamera)) return node;
    for (const NodePtr& child : node->Children())
        if (child->IsAlive() && child->HasFn(MFn::kCamera)) return child;
    return nullptr;
}

} // namespace

struct Viewport::GpuMesh {
    std::weak_ptr<const MeshData> source;
    QOpenGLBuffer vertices{QOpenGLBuffer::VertexBuffer};
    QOpenGLBuffer triangles{QOpenGLBuffer::IndexBuffer};
    QOpenGLBuffer edges{QOpenGLBuffer::IndexBuffer};
    int triangleIndices = 0;
    int edgeIndices = 0;
    bool used = false;
};

Viewport::Viewport(QWidget* parent)
    : QWidget(parent), watcher_([this] { RequestDraw(); },
                                [this] {
                                    lastTimeChange_ = clock_.elapsed();
                                    RequestDraw();
                                }) {
    clock_.start();
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 120);
}

Viewport::~Viewport() {
    if (gl_ != GlState::kReady || !context_->makeCurrent(&surface_)) return;
    meshes_.clear();
    lineBuffer_.destroy();
    shaded_.reset();
    wires_.reset();
    frame_.reset();
    context_->doneCurrent();
}

bool Viewport::LookThrough(const NodePtr& camera) {
    if (!camera) {
        camera_.reset();
        RequestDraw();
        return true;
    }
    const NodePtr shape = CameraShapeOf(camera);
    if (!shape) return false;
    camera_ = shape;
    RequestDraw();
    return true;
}

NodePtr Viewport::LookedThrough() const {
    NodePtr camera = camera_.lock();
    return camera && camera->IsAlive() ? camera : nullptr;
}

QString Viewport::ViewName() const {
    const NodePtr camera = LookedThrough();
    if (!camera) return QStringLiteral("persp (free)");
    const NodePtr transform = camera->parent();
    return QString::fromStdString(transform ? transform->name() : camera->name());
}

void Viewport::FrameSelected() {
    frame(true);
}

void Viewport::FrameAll() {
    frame(false);
}

void Viewport::frame(bool selectedFirst) {
    drawList_.Collect();
    auto box = drawList_.Bounds(selectedFirst);
    if (!box && selectedFirst) box = drawList_.Bounds(false);
    if (!box) return;
    DetachFromCamera();
    view_.frame(box->low, box->high, height() > 0 ? static_cast<double>(width()) / height() : 1.0);
    RequestDraw();
}

QMatrix4x4 Viewport::ViewMatrix() const {
    if (const NodePtr camera = LookedThrough())
        return SceneDrawList::ToQt(SceneDrawList::WorldMatrix(*camera)).inverted();
    return view_.ViewMatrix();
}

QMatrix4x4 Viewport::ProjectionMatrix() const {
    const double aspect = height() > 0 ? static_cast<double>(width()) / height() : 1.0;
    if (const NodePtr camera = LookedThrough()) return CameraLens::Read(*camera).ProjectionMatrix(aspect);
    return view_.ProjectionMatrix(aspect);
}

QMatrix4x4 Viewport::ViewProjection() const {
    return ProjectionMatrix() * ViewMatrix();
}

void Viewport::DetachFromCamera() {
    const NodePtr camera = LookedThrough();
    camera_.reset();
    if (!camera) return;
    const QMatrix4x4 toWorld = SceneDrawList::ToQt(SceneDrawList::WorldMatrix(*camera));
    view_.SetPose(toWorld.map(QVector3D()), toWorld.mapVector({0, 0, -1}));
}

std::pair<QVector3D, QVector3D> Viewport::RayAt(const QPoint& position) const {
    const QMatrix4x4 toWorld = ViewProjection().inverted();
    const float x =
        2.0f * (static_cast<float>(position.x()) + 0.5f) / static_cast<float>(std::max(width(), 1)) - 1.0f;
    const float y =
        1.0f - 2.0f * (static_cast<float>(position.y()) + 0.5f) / static_cast<float>(std::max(height(), 1));
    const QVector3D nearPoint = toWorld.map(QVector3D(x, y, -1.0f));
    const QVector3D farPoint = toWorld.map(QVector3D(x, y, 1.0f));
    return {nearPoint, (farPoint - nearPoint).normalized()};
}

NodePtr Viewport::NodeAt(const QPoint& position) {
    drawList_.Collect();
    const auto [origin, direction] = RayAt(position);
    return drawList_.Pick(origin, direction, kPickRadius);
}

void Viewport::SelectAt(const QPoint& position, Qt::KeyboardModifiers modifiers) {
    const NodePtr node = NodeAt(position);
    if (!node) {
        if (!(modifiers & (Qt::ShiftModifier | Qt::ControlModifier))) RunCommand("select", {Flag{"-cl"}});
        return;
    }
    const char* mode = (modifiers & Qt::ShiftModifier)     ? "-tgl"
                       : (modifiers & Qt::ControlModifier) ? "-d"
                                                           : "-r";
    RunCommand("select", {Flag{mode}, Scene::Instance().partialPathName(*node)});
}

bool Viewport::HasOpenGl() {
    return SetUpOpenGl();
}

bool Viewport::SetUpOpenGl() {
    if (gl_ != GlState::kUntried) return gl_ == GlState::kReady;
    gl_ = GlState::kMissing;
    context_ = std::make_unique<QOpenGLContext>();
    if (!context_->create()) return false;
    surface_.setFormat(context_->format());
    surface_.create();
    if (!surface_.isValid() || !context_->makeCurrent(&surface_)) return false;
    initializeOpenGLFunctions();
    shaded_ = std::make_unique<QOpenGLShaderProgram>();
    wires_ = std::make_unique<QOpenGLShaderProgram>();
    const bool built = shaded_->addShaderFromSourceCode(QOpenGLShader::Vertex, kShadedVertex) &&
                       shaded_->addShaderFromSourceCode(QOpenGLShader::Fragment, kShadedFragment) &&
                       shaded_->link() &&
                       wires_->addShaderFromSourceCode(QOpenGLShader::Vertex, kWireVertex) &&
                       wires_->addShaderFromSourceCode(QOpenGLShader::Fragment, kWireFragment) &&
                       wires_->link() && lineBuffer_.create();
    if (!built) {
        qWarning("The viewport cannot draw: its shaders did not build (%s%s).", qPrintable(shaded_->log()),
                 qPrintable(wires_->log()));
        return false;
    }
    gl_ = GlState::kReady;
    return true;
}

Viewport::GpuMesh& Viewport::Upload(const std::shared_ptr<const MeshData>& mesh) {
    auto& slot = meshes_[mesh.get()];
    // A new mesh at the address of a freed one is not the freed one's copy.
    if (slot && slot->source.lock() != mesh) slot.reset();
    if (!slot) {
        slot = std::make_unique<GpuMesh>();
        slot->source = mesh;
        const MeshArrays arrays = MeshArrays::Build(*mesh);
        auto fill = [](QOpenGLBuffer& buffer, const auto& data) {
            buffer.create();
            buffer.bind();
            buffer.allocate(data.data(), static_cast<int>(data.size() * sizeof(data[0])));
            buffer.release();
        };
        fill(slot->vertices, arrays.vertices);
        fill(slot->triangles, arrays.triangles);
        fill(slot->edges, arrays.edges);
        slot->triangleIndices = static_cast<int>(arrays.triangles.size());
        slot->edgeIndices = static_cast<int>(arrays.edges.size());
    }
    slot->used = true;
    return *slot;
}

void Viewport::ReleaseUnused() {
    for (auto it = meshes_.begin(); it != meshes_.end();) {
        if (it->second->used) {
            it->second->used = false;
            ++it;
        } else {
            it = meshes_.erase(it);
        }
    }
}

void Viewport::RequestDraw() {
    const qint64 now = clock_.elapsed();
    const bool timeMoving = lastTimeChange_ >= 0 && now - lastTimeChange_ < kTimeMovingMs;
    const qint64 wait = timeMoving ? drawEnd_ + kBudgetFactor * drawCost_ - now : 0;
    if (wait <= 0) {
        update();
        return;
    }
    if (drawPending_) return;
    drawPending_ = true;
    QTimer::singleShot(static_cast<int>(wait), this, [this] {
        drawPending_ = false;
        update();
    });
}

QImage Viewport::render() {
    if (!SetUpOpenGl() || !context_->makeCurrent(&surface_)) return {};
    const QSize size = (QSizeF(std::max(width(), 1), std::max(height(), 1)) * devicePixelRatioF()).toSize();
    if (!frame_ || frame_->size() != size)
        frame_ = std::make_unique<QOpenGLFramebufferObject>(size, QOpenGLFramebufferObject::Depth);
    if (!frame_->isValid() || !frame_->bind()) return {};
    glViewport(0, 0, size.width(), size.height());
    DrawScene();
    frame_->release();
    QImage picture = frame_->toImage();
    picture.setDevicePixelRatio(devicePixelRatioF());
    return picture;
}

void Viewport::DrawScene() {
    glClearColor(static_cast<float>(kBackground.redF()), static_cast<float>(kBackground.greenF()),
                 static_cast<float>(kBackground.blueF()), 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    drawList_.Collect();
    const QMatrix4x4 view = ViewMatrix();
    const QMatrix4x4 viewProjection = ProjectionMatrix() * view;
    DrawMeshes(viewProjection, view);
    DrawLines(viewProjection);
    ReleaseUnused();
    glDisable(GL_DEPTH_TEST);
}

void Viewport::paintEvent(QPaintEvent*) {
    const qint64 start = clock_.elapsed();
    QPainter painter(this);
    const QImage picture = render();
    if (picture.isNull()) {
        painter.fillRect(rect(), kBackground);
        painter.setPen(QColor(220, 220, 220));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("OpenGL is not available here, so the 3D view cannot be drawn.\n"
                                        "Scenes, tools and takes work through the panels around it."));
        return;
    }
    painter.drawImage(QPoint(0, 0), picture);
    DrawViewName(painter);
    drawEnd_ = clock_.elapsed();
    drawCost_ = drawEnd_ - start;
    ++framesDrawn_;
}

void Viewport::DrawMeshes(const QMatrix4x4& viewProjection, const QMatrix4x4& view) {
    shaded_->bind();
    const int position = shaded_->attributeLocation("position");
    const int normal = shaded_->attributeLocation("normal");
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.0f, 1.0f);
    for (const SceneDrawList::Item& item : drawList_.Items()) {
        if (!item.mesh || item.wireframe) continue;
        GpuMesh& gpu = Upload(item.mesh);
        shaded_->setUniformValue("modelViewProjection", viewProjection * item.world);
        shaded_->setUniformValue("normalToView", (view * item.world).normalMatrix());
        shaded_->setUniformValue("colour", Rgb(kSurface));
        gpu.vertices.bind();
        shaded_->enableAttributeArray(position);
        shaded_->enableAttributeArray(normal);
        shaded_->setAttributeBuffer(position, GL_FLOAT, 0, 3, MeshArrays::kStride * sizeof(float));
        shaded_->setAttributeBuffer(normal, GL_FLOAT, 3 * sizeof(float), 3,
                                    MeshArrays::kStride * sizeof(float));
        gpu.triangles.bind();
        glDrawElements(GL_TRIANGLES, gpu.triangleIndices, GL_UNSIGNED_INT, nullptr);
        gpu.triangles.release();
        gpu.vertices.release();
    }
    glDisable(GL_POLYGON_OFFSET_FILL);
    shaded_->release();
}

void Viewport::DrawLines(const QMatrix4x4& viewProjection) {
    lines_.clear();
    lines_.AddGrid(kGridExtent, kGridCells);
    const NodePtr camera = LookedThrough();
    for (const SceneDrawList::Item& item : drawList_.Items()) {
        const QColor& colour = item.selected ? kHighlight : item.wireframe ? kTemplate : kHelper;
        if (item.kind == SceneDrawList::Kind::kCamera && item.shape != camera)
            lines_.AddFrustum(item.world, item.lens, colour);
        else if (item.kind == SceneDrawList::Kind::kLocator)
            lines_.AddCross(item.world, 0.5, colour);
    }
    wires_->bind();
    const int position = wires_->attributeLocation("position");
    const int colour = wires_->attributeLocation("colour");
    const int stride = LineBatch::kStride * sizeof(float);
    wires_->setUniformValue("modelViewProjection", viewProjection);
    wires_->setUniformValue("useTint", 0.0f);
    lineBuffer_.bind();
    lineBuffer_.allocate(lines_.Vertices().data(),
                         static_cast<int>(lines_.Vertices().size() * sizeof(float)));
    wires_->enableAttributeArray(position);
    wires_->enableAttributeArray(colour);
    wires_->setAttributeBuffer(position, GL_FLOAT, 0, 3, stride);
    wires_->setAttributeBuffer(colour, GL_FLOAT, 3 * sizeof(float), 3, stride);
    glDrawArrays(GL_LINES, 0, lines_.VertexCount());
    lineBuffer_.release();
    // The wires of meshes: a template's always, a selected mesh's in the highlight colour over its surface.
    wires_->disableAttributeArray(colour);
    wires_->setUniformValue("useTint", 1.0f);
    for (const SceneDrawList::Item& item : drawList_.Items()) {
        if (!item.mesh || !(item.selected || item.wireframe)) continue;
        GpuMesh& gpu = Upload(item.mesh);
        wires_->setUniformValue("modelViewProjection", viewProjection * item.world);
        wires_->setUniformValue("tint", Rgb(item.selected ? kHighlight : kTemplate));
        gpu.vertices.bind();
        wires_->setAttributeBuffer(position, GL_FLOAT, 0, 3, MeshArrays::kStride * sizeof(float));
        gpu.edges.bind();
        glDrawElements(GL_LINES, gpu.edgeIndices, GL_UNSIGNED_INT, nullptr);
        gpu.edges.release();
        gpu.vertices.release();
    }
    wires_->release();
}

void Viewport::DrawViewName(QPainter& painter) {
    painter.setPen(QColor(220, 220, 220));
    painter.drawText(rect().adjusted(0, 0, 0, -6), Qt::AlignHCenter | Qt::AlignBottom, ViewName());
}

void Viewport::mousePressEvent(QMouseEvent* event) {
    pressAt_ = lastAt_ = event->position().toPoint();
    dragButton_ = event->button();
    navigating_ = (event->modifiers() & Qt::AltModifier) != 0;
    dragged_ = false;
    if (navigating_) DetachFromCamera();
}

void Viewport::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if ((at - pressAt_).manhattanLength() > kClickSlack) dragged_ = true;
    const QPoint delta = at - lastAt_;
    lastAt_ = at;
    if (!navigating_) return;
    if (dragButton_ == Qt::LeftButton) {
        view_.Tumble(-delta.x() * kTumblePerPixel, delta.y() * kTumblePerPixel);
    } else if (dragButton_ == Qt::MiddleButton) {
        const double h = std::max(height(), 1);
        view_.Track(-delta.x() / h, delta.y() / h);
    } else if (dragButton_ == Qt::RightButton) {
        view_.Dolly(std::exp(-(delta.x() + delta.y()) * kDollyPerPixel));
    }
    RequestDraw();
}

void Viewport::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !navigating_ && !dragged_)
        SelectAt(event->position().toPoint(), event->modifiers());
    dragButton_ = Qt::NoButton;
    navigating_ = false;
}

void Viewport::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0.0) return;
    DetachFromCamera();
    view_.Dolly(std::pow(kDollyPerStep, steps));
    RequestDraw();
}

void Viewport::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) return QWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_F) return FrameSelected();
    if (event->key() == Qt::Key_A) return FrameAll();
    QWidget::keyPressEvent(event);
}

} // namespace vex::host::gui
