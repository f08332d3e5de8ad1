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

QVector3D rgb(const QColor& colour) {
    return {static_cast<float>(colour.redF()), static_cast<float>(colour.greenF()),
            static_cast<float>(colour.blueF())};
}

NodePtr cameraShapeOf(const NodePtr& node) {
    if (!node || !node->isAlive()) return nullptr;
    if (node->hasFn(MFn::kCamera)) return node;
    for (const NodePtr& child : node->children())
        if (child->isAlive() && child->hasFn(MFn::kCamera)) return child;
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
    : QWidget(parent), watcher_([this] { requestDraw(); },
                                [this] {
                                    lastTimeChange_ = clock_.elapsed();
                                    requestDraw();
                                }) {
    clock_.start();
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 120);
}

Viewport::~Viewport() {
    if (gl_ != GlState::Ready || !context_->makeCurrent(&surface_)) return;
    meshes_.clear();
    lineBuffer_.destroy();
    shaded_.reset();
    wires_.reset();
    frame_.reset();
    context_->doneCurrent();
}

bool Viewport::lookThrough(const NodePtr& camera) {
    if (!camera) {
        camera_.reset();
        requestDraw();
        return true;
    }
    const NodePtr shape = cameraShapeOf(camera);
    if (!shape) return false;
    camera_ = shape;
    requestDraw();
    return true;
}

NodePtr Viewport::lookedThrough() const {
    NodePtr camera = camera_.lock();
    return camera && camera->isAlive() ? camera : nullptr;
}

QString Viewport::viewName() const {
    const NodePtr camera = lookedThrough();
    if (!camera) return QStringLiteral("persp (free)");
    const NodePtr transform = camera->parent();
    return QString::fromStdString(transform ? transform->name() : camera->name());
}

void Viewport::frameSelected() {
    frame(true);
}

void Viewport::frameAll() {
    frame(false);
}

void Viewport::frame(bool selectedFirst) {
    drawList_.collect();
    auto box = drawList_.bounds(selectedFirst);
    if (!box && selectedFirst) box = drawList_.bounds(false);
    if (!box) return;
    detachFromCamera();
    view_.frame(box->low, box->high, height() > 0 ? static_cast<double>(width()) / height() : 1.0);
    requestDraw();
}

QMatrix4x4 Viewport::viewMatrix() const {
    if (const NodePtr camera = lookedThrough())
        return SceneDrawList::toQt(SceneDrawList::worldMatrix(*camera)).inverted();
    return view_.viewMatrix();
}

QMatrix4x4 Viewport::projectionMatrix() const {
    const double aspect = height() > 0 ? static_cast<double>(width()) / height() : 1.0;
    if (const NodePtr camera = lookedThrough()) return CameraLens::read(*camera).projectionMatrix(aspect);
    return view_.projectionMatrix(aspect);
}

QMatrix4x4 Viewport::viewProjection() const {
    return projectionMatrix() * viewMatrix();
}

void Viewport::detachFromCamera() {
    const NodePtr camera = lookedThrough();
    camera_.reset();
    if (!camera) return;
    const QMatrix4x4 toWorld = SceneDrawList::toQt(SceneDrawList::worldMatrix(*camera));
    view_.setPose(toWorld.map(QVector3D()), toWorld.mapVector({0, 0, -1}));
}

std::pair<QVector3D, QVector3D> Viewport::rayAt(const QPoint& position) const {
    const QMatrix4x4 toWorld = viewProjection().inverted();
    const float x =
        2.0f * (static_cast<float>(position.x()) + 0.5f) / static_cast<float>(std::max(width(), 1)) - 1.0f;
    const float y =
        1.0f - 2.0f * (static_cast<float>(position.y()) + 0.5f) / static_cast<float>(std::max(height(), 1));
    const QVector3D nearPoint = toWorld.map(QVector3D(x, y, -1.0f));
    const QVector3D farPoint = toWorld.map(QVector3D(x, y, 1.0f));
    return {nearPoint, (farPoint - nearPoint).normalized()};
}

NodePtr Viewport::nodeAt(const QPoint& position) {
    drawList_.collect();
    const auto [origin, direction] = rayAt(position);
    return drawList_.pick(origin, direction, kPickRadius);
}

void Viewport::selectAt(const QPoint& position, Qt::KeyboardModifiers modifiers) {
    const NodePtr node = nodeAt(position);
    if (!node) {
        if (!(modifiers & (Qt::ShiftModifier | Qt::ControlModifier))) runCommand("select", {Flag{"-cl"}});
        return;
    }
    const char* mode = (modifiers & Qt::ShiftModifier)     ? "-tgl"
                       : (modifiers & Qt::ControlModifier) ? "-d"
                                                           : "-r";
    runCommand("select", {Flag{mode}, Scene::instance().partialPathName(*node)});
}

bool Viewport::hasOpenGL() {
    return setUpOpenGL();
}

bool Viewport::setUpOpenGL() {
    if (gl_ != GlState::Untried) return gl_ == GlState::Ready;
    gl_ = GlState::Missing;
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
    gl_ = GlState::Ready;
    return true;
}

Viewport::GpuMesh& Viewport::upload(const std::shared_ptr<const MeshData>& mesh) {
    auto& slot = meshes_[mesh.get()];
    // A new mesh at the address of a freed one is not the freed one's copy.
    if (slot && slot->source.lock() != mesh) slot.reset();
    if (!slot) {
        slot = std::make_unique<GpuMesh>();
        slot->source = mesh;
        const MeshArrays arrays = MeshArrays::build(*mesh);
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

void Viewport::releaseUnused() {
    for (auto it = meshes_.begin(); it != meshes_.end();) {
        if (it->second->used) {
            it->second->used = false;
            ++it;
        } else {
            it = meshes_.erase(it);
        }
    }
}

void Viewport::requestDraw() {
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
    if (!setUpOpenGL() || !context_->makeCurrent(&surface_)) return {};
    const QSize size = (QSizeF(std::max(width(), 1), std::max(height(), 1)) * devicePixelRatioF()).toSize();
    if (!frame_ || frame_->size() != size)
        frame_ = std::make_unique<QOpenGLFramebufferObject>(size, QOpenGLFramebufferObject::Depth);
    if (!frame_->isValid() || !frame_->bind()) return {};
    glViewport(0, 0, size.width(), size.height());
    drawScene();
    frame_->release();
    QImage picture = frame_->toImage();
    picture.setDevicePixelRatio(devicePixelRatioF());
    return picture;
}

void Viewport::drawScene() {
    glClearColor(static_cast<float>(kBackground.redF()), static_cast<float>(kBackground.greenF()),
                 static_cast<float>(kBackground.blueF()), 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    drawList_.collect();
    const QMatrix4x4 view = viewMatrix();
    const QMatrix4x4 viewProjection = projectionMatrix() * view;
    drawMeshes(viewProjection, view);
    drawLines(viewProjection);
    releaseUnused();
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
    drawViewName(painter);
    drawEnd_ = clock_.elapsed();
    drawCost_ = drawEnd_ - start;
    ++framesDrawn_;
}

void Viewport::drawMeshes(const QMatrix4x4& viewProjection, const QMatrix4x4& view) {
    shaded_->bind();
    const int position = shaded_->attributeLocation("position");
    const int normal = shaded_->attributeLocation("normal");
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.0f, 1.0f);
    for (const SceneDrawList::Item& item : drawList_.items()) {
        if (!item.mesh || item.wireframe) continue;
        GpuMesh& gpu = upload(item.mesh);
        shaded_->setUniformValue("modelViewProjection", viewProjection * item.world);
        shaded_->setUniformValue("normalToView", (view * item.world).normalMatrix());
        shaded_->setUniformValue("colour", rgb(kSurface));
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

void Viewport::drawLines(const QMatrix4x4& viewProjection) {
    lines_.clear();
    lines_.addGrid(kGridExtent, kGridCells);
    const NodePtr camera = lookedThrough();
    for (const SceneDrawList::Item& item : drawList_.items()) {
        const QColor& colour = item.selected ? kHighlight : item.wireframe ? kTemplate : kHelper;
        if (item.kind == SceneDrawList::Kind::Camera && item.shape != camera)
            lines_.addFrustum(item.world, item.lens, colour);
        else if (item.kind == SceneDrawList::Kind::Locator)
            lines_.addCross(item.world, 0.5, colour);
    }
    wires_->bind();
    const int position = wires_->attributeLocation("position");
    const int colour = wires_->attributeLocation("colour");
    const int stride = LineBatch::kStride * sizeof(float);
    wires_->setUniformValue("modelViewProjection", viewProjection);
    wires_->setUniformValue("useTint", 0.0f);
    lineBuffer_.bind();
    lineBuffer_.allocate(lines_.vertices().data(),
                         static_cast<int>(lines_.vertices().size() * sizeof(float)));
    wires_->enableAttributeArray(position);
    wires_->enableAttributeArray(colour);
    wires_->setAttributeBuffer(position, GL_FLOAT, 0, 3, stride);
    wires_->setAttributeBuffer(colour, GL_FLOAT, 3 * sizeof(float), 3, stride);
    glDrawArrays(GL_LINES, 0, lines_.vertexCount());
    lineBuffer_.release();
    // The wires of meshes: a template's always, a selected mesh's in the highlight colour over its surface.
    wires_->disableAttributeArray(colour);
    wires_->setUniformValue("useTint", 1.0f);
    for (const SceneDrawList::Item& item : drawList_.items()) {
        if (!item.mesh || !(item.selected || item.wireframe)) continue;
        GpuMesh& gpu = upload(item.mesh);
        wires_->setUniformValue("modelViewProjection", viewProjection * item.world);
        wires_->setUniformValue("tint", rgb(item.selected ? kHighlight : kTemplate));
        gpu.vertices.bind();
        wires_->setAttributeBuffer(position, GL_FLOAT, 0, 3, MeshArrays::kStride * sizeof(float));
        gpu.edges.bind();
        glDrawElements(GL_LINES, gpu.edgeIndices, GL_UNSIGNED_INT, nullptr);
        gpu.edges.release();
        gpu.vertices.release();
    }
    wires_->release();
}

void Viewport::drawViewName(QPainter& painter) {
    painter.setPen(QColor(220, 220, 220));
    painter.drawText(rect().adjusted(0, 0, 0, -6), Qt::AlignHCenter | Qt::AlignBottom, viewName());
}

void Viewport::mousePressEvent(QMouseEvent* event) {
    pressAt_ = lastAt_ = event->position().toPoint();
    dragButton_ = event->button();
    navigating_ = (event->modifiers() & Qt::AltModifier) != 0;
    dragged_ = false;
    if (navigating_) detachFromCamera();
}

void Viewport::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if ((at - pressAt_).manhattanLength() > kClickSlack) dragged_ = true;
    const QPoint delta = at - lastAt_;
    lastAt_ = at;
    if (!navigating_) return;
    if (dragButton_ == Qt::LeftButton) {
        view_.tumble(-delta.x() * kTumblePerPixel, delta.y() * kTumblePerPixel);
    } else if (dragButton_ == Qt::MiddleButton) {
        const double h = std::max(height(), 1);
        view_.track(-delta.x() / h, delta.y() / h);
    } else if (dragButton_ == Qt::RightButton) {
        view_.dolly(std::exp(-(delta.x() + delta.y()) * kDollyPerPixel));
    }
    requestDraw();
}

void Viewport::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !navigating_ && !dragged_)
        selectAt(event->position().toPoint(), event->modifiers());
    dragButton_ = Qt::NoButton;
    navigating_ = false;
}

void Viewport::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0.0) return;
    detachFromCamera();
    view_.dolly(std::pow(kDollyPerStep, steps));
    requestDraw();
}

void Viewport::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) return QWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_F) return frameSelected();
    if (event->key() == Qt::Key_A) return frameAll();
    QWidget::keyPressEvent(event);
}

} // namespace vex::host::gui
