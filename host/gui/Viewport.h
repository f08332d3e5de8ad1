#pragma once

#include "host/gui/LineBatch.h"
#include "host/gui/MeshArrays.h"
#include "host/gui/SceneDrawList.h"
#include "host/gui/SceneWatcher.h"
#include "host/gui/ViewCamera.h"

#include <QElapsedTimer>
#include <QOffscreenSurface>
#include <QOpenGLBuffer>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>
#include <QOpenGLShaderProgram>
#include <QWidget>

#include <memory>
#include <unordered_map>

namespace vex::host::gui {

/// The 3D view of the scene: shaded meshes, wire helpers (templates, crosses for transforms without a
/// shape), cameras as frusta and the ground grid, with the selection drawn in the highlight colour. It
/// looks through its own perspective view, which the mouse moves as in a 3D animation host (Alt with the
/// left button tumbles, with the middle tracks, with the right dollies; the wheel dollies; F frames the
/// selection, A everything), or through any camera of the scene, a tool's camera included. A click
/// selects what is under the mouse (Shift toggles, Ctrl deselects, a click on nothing clears) through
/// the host's select command, so the outliner follows and undo takes it back.
///
/// The view redraws when the scene or the time changes, from the event loop after the host's work is done,
/// so drawing happens between the ticks of a recording and never inside one. While the time moves (a
/// take, playback) the real-time loop comes first: drawing takes at most a third of the wall time, so
/// a slow renderer draws fewer frames instead of delaying the ticks. It draws with OpenGL into
/// an off-screen frame buffer and shows the picture, so it works the same on every window system (and
/// under the offscreen platform of scripted sessions); without OpenGL it says so in place of the picture.
class Viewport : public QWidget, protected QOpenGLFunctions {
public:
    explicit Viewport(QWidget* parent = nullptr);
    ~Viewport() override;

    /// Looks through the camera shape, or the camera shape under the transform, `camera`; null goes back
    /// to the viewport's own perspective view. False (nothing changes) for a node that is not a camera.
    bool LookThrough(const NodePtr& camera);
    /// The camera shape looked through, or null for the viewport's own perspective view (also once the
    /// camera looked through was deleted).
    NodePtr LookedThrough() const;
    /// The name shown at the bottom of the view: "persp (free)" or the transform of the camera looked
    /// through.
    QString ViewName() const;

    /// Moves the perspective view so the selection fills it (everything when nothing is selected).
    void FrameSelected();
    /// Moves the perspective view so the whole scene fills it.
    void FrameAll();

    ViewCamera& GetViewCamera() { return view_; }
    /// What the last frame drew.
    const SceneDrawList& DrawList() const { return drawList_; }
    /// The transform drawn under the widget position `position`, or null.
    NodePtr NodeAt(const QPoint& position);

    /// Draws the current view at the widget's size; a null image when OpenGL is not available.
    QImage render();
    /// Whether OpenGL could be set up (tried on first use).
    bool HasOpenGl();

    /// World to view space of the current view (the view looks down its -Z).
    QMatrix4x4 ViewMatrix() const;
    /// View to clip space of the current view at the widget's shape.
    QMatrix4x4 ProjectionMatrix() const;
    /// World to clip space of the current view.
    QMatrix4x4 ViewProjection() const;

    /// Asks for a redraw, within the drawing budget while the time moves.
    void RequestDraw();
    /// The number of pictures drawn so far.
    std::size_t FramesDrawn() const { return framesDrawn_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct GpuMesh;

    /// The GPU copy of a mesh, made on first use; copies of meshes no longer drawn are freed.
    GpuMesh& Upload(const std::shared_ptr<const MeshData>& mesh);
    void ReleaseUnused();
    /// Frames the selection (everything when nothing is selected), or everything.
    void frame(bool selectedFirst);
    void DrawMeshes(const QMatrix4x4& viewProjection, const QMatrix4x4& view);
    void DrawLines(const QMatrix4x4& viewProjection);
    void DrawViewName(QPainter& painter);
    /// Sets up the context, the frame buffer and the shaders once; false when OpenGL is missing.
    bool SetUpOpenGl();
    void DrawScene();
    /// From a scene camera's picture to the own perspective view with the same pose, before the mouse
    /// moves the view.
    void DetachFromCamera();
    /// The world ray through a widget position.
    std::pair<QVector3D, QVector3D> RayAt(const QPoint& position) const;
    void SelectAt(const QPoint& position, Qt::KeyboardModifiers modifiers);

    ViewCamera view_;
    std::weak_ptr<Node> camera_;
    SceneDrawList drawList_;
    LineBatch lines_;
    // The context is made first and goes last, after everything that lives in it.
    std::unique_ptr<QOpenGLContext> context_;
    QOffscreenSurface surface_;
    std::unique_ptr<QOpenGLFramebufferObject> frame_;
    std::unique_ptr<QOpenGLShaderProgram> shaded_;
    std::unique_ptr<QOpenGLShaderProgram> wires_;
    QOpenGLBuffer lineBuffer_{QOpenGLBuffer::VertexBuffer};
    std::unordered_map<const MeshData*, std::unique_ptr<GpuMesh>> meshes_;
    enum class GlState { kUntried, kReady, kMissing } gl_ = GlState::kUntried;
    QPoint pressAt_;
    QPoint lastAt_;
    QElapsedTimer clock_;        // since the viewport was made
    qint64 lastTimeChange_ = -1; // when the scene's time last moved (ms on clock_)
    qint64 drawEnd_ = 0;         // when the last picture was done
    qint64 drawCost_ = 0;        // how long it took
    bool drawPending_ = false;
    std::size_t framesDrawn_ = 0;
    Qt::MouseButton dragButton_ = Qt::NoButton;
    bool navigating_ = false;
    bool dragged_ = false;
    SceneWatcher watcher_;
};

} // namespace vex::host::gui
