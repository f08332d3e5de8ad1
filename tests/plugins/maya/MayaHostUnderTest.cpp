#include "tests/plugins/maya/MayaHostUnderTest.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/NodeTag.h"
#include "host/scene/CommandRegistry.h"
#include "host/scene/Scene.h"
#include "host/scene/UndoQueue.h"
#include "system/adaptors/maya/CMayaNode.h"
#include "system/adaptors/maya/LensConversion.h"
#include "system/adaptors/maya/MayaNames.h"
#include "system/adaptors/maya/MelText.h"
#include "system/adaptors/maya/TorvaUndoWrapperII.h"
#include "system/adaptors/maya/UndoManagement.h"

#include <maya/MAnimUtil.h>
#include <maya/MDGContext.h>
#include <maya/MDistance.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>
#include <maya/MItDag.h>
#include <maya/MObjectArray.h>
#include <maya/MPlug.h>
#include <maya/MPointArray.h>
#include <maya/MSelectionList.h>
#include <maya/MTime.h>
#include <maya/MTransformationMatrix.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <set>
#include <utility>

namespace vex::orb::core::test {

using adaptor::maya::MayaNames;

using adaptor::maya::MayaAdaptorInterface;
using adaptor::maya::TorvaUndoWrapperII;
using adaptor::maya::UndoManagement;

namespace {

// The transform channels in the order translate, rotate (radians), scale.
constexpr const char* kChannels[9] = {"tx", "ty", "tz", "rx", "ry", "rz", "sx", "sy", "sz"};

MTime Seconds(double t) {
    return MTime(t, MTime::kSeconds);
}

MPlug Channel(const MDagPath& transform, int i) {
    return MFnDependencyNode(transform.node()).findPlug(kChannels[i]);
}

// The anim curve driving `plug`; the null object when it is not animated.
MObject CurveOf(const MPlug& plug) {
    MObjectArray curves;
    if (!MAnimUtil::findAnimation(plug, curves) || curves.length() == 0) return MObject::kNullObj;
    return curves[0];
}

// The nine channel values of a host local matrix.
void Decompose(const MMatrix& host, double channels[9]) {
    const MTransformationMatrix decomposed(host);
    const MVector translation = decomposed.getTranslation(MSpace::kTransform);
    double rotation[3];
    MTransformationMatrix::RotationOrder order = MTransformationMatrix::kXYZ;
    decomposed.getRotation(rotation, order);
    double scale[3];
    decomposed.getScale(scale, MSpace::kTransform);
    const double values[9] = {translation.x, translation.y, translation.z, rotation[0], rotation[1],
                              rotation[2],   scale[0],      scale[1],      scale[2]};
    std::copy(values, values + 9, channels);
}

// The host local matrix of nine channel values.
MMatrix Compose(const double channels[9]) {
    MTransformationMatrix composed;
    composed.setScale(channels + 6, MSpace::kTransform);
    composed.setRotation(channels + 3, MTransformationMatrix::kXYZ);
    composed.setTranslation(MVector(channels[0], channels[1], channels[2]), MSpace::kTransform);
    return composed.asMatrix();
}

util::Matrix<double> ToCore(const MMatrix& m) {
    util::Matrix<double> core;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) core.m[r][c] = m(r, c);
    return core;
}

MMatrix ToMaya(const util::Matrix<double>& m) {
    MMatrix maya;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) maya(r, c) = m.m[r][c];
    return maya;
}

// A transform directly below the world.
bool IsWorldParented(const MDagPath& transform) {
    return transform.length() <= 1;
}

HostShape KindOf(const MDagPath& shape) {
    if (!shape.isValid()) return HostShape::kNone;
    if (shape.hasFn(MFn::kCamera)) return HostShape::kCamera;
    if (shape.hasFn(MFn::kMesh)) return HostShape::kMesh;
    return HostShape::kOther;
}

// Horizontal field of view in degrees of a focal length (mm) on a film back `aperture` inches wide.
// The field of view the system reads from a Maya camera: its lens conversion, in single precision
// as the camera's lens values are kept.
double FieldOfViewOf(double focalLength, double aperture) {
    return adaptor::maya::LensConversion::FieldOfView(static_cast<float>(aperture),
                                                      static_cast<float>(focalLength));
}

} // namespace

MayaHostUnderTest::MayaHostUnderTest() {
    host::Scene::Instance().Reset();
    host::UndoQueue::get().Flush();
    MTime::setUIUnit(MTime::kPALFrame);
    MDistance::setUIUnit(MDistance::kCentimeters);
    MGlobal::setYAxisUp();
    host::CommandRegistry::get().Add(TorvaUndoWrapperII::kName, &TorvaUndoWrapperII::Creator, "tests");
    UndoManagement::DestroyInstance();
    MayaAdaptorInterface::Instance();
}

MayaHostUnderTest::~MayaHostUnderTest() {
    MayaAdaptorInterface::DestroyInstance();
    host::UndoQueue::get().Flush();
    UndoManagement::DestroyInstance();
    host::CommandRegistry::get().remove(TorvaUndoWrapperII::kName);
    host::Scene::Instance().Reset();
}

AdaptorInterface& MayaHostUnderTest::Adaptor() {
    return MayaAdaptorInterface::Instance();
}

MDagPath MayaHostUnderTest::Transform(const std::string& name) {
    MSelectionList list;
    MDagPath path;
    if (list.add(MString(MayaNames::Legal(name).c_str())) != MS::kSuccess ||
        list.getDagPath(0, path) != MS::kSuccess || !path.hasFn(MFn::kTransform)) {
        ADD_FAILURE() << "the Maya host has no transform " << name;
        return MDagPath();
    }
    return path;
}

MDagPath MayaHostUnderTest::ShapeOf(const std::string& name) {
    MDagPath path = Transform(name);
    if (!path.isValid() || path.extendToShapeDirectlyBelow(0) != MS::kSuccess) return MDagPath();
    return path;
}

MMatrix MayaHostUnderTest::HostLocal(const MDagPath& transform, double t) {
    // During a take the scene shows what the tools wrote before the keys are made from it.
    if (adaptor::maya::CMayaNode* node = MayaAdaptorInterface::Instance().FindRegisteredNode(transform))
        return ToMaya(MayaAdaptorInterface::Instance().GetUnits().ToHost(node->ReadLocalMatrix(t),
                                                                         node->IsWorldParented()));
    const MDGContext context(Seconds(t));
    double channels[9];
    for (int i = 0; i < 9; ++i) channels[i] = Channel(transform, i).asDouble(context);
    return Compose(channels);
}

MMatrix MayaHostUnderTest::ToHost(const MDagPath& transform, const util::Matrix<double>& local) {
    return ToMaya(MayaAdaptorInterface::Instance().GetUnits().ToHost(local, IsWorldParented(transform)));
}

util::Matrix<double> MayaHostUnderTest::FromHost(const MDagPath& transform, const MMatrix& host) {
    return MayaAdaptorInterface::Instance().GetUnits().FromHost(ToCore(host), IsWorldParented(transform));
}

bool MayaHostUnderTest::Exists(const std::string& name) {
    MSelectionList list;
    MDagPath path;
    return list.add(MString(MayaNames::Legal(name).c_str())) == MS::kSuccess &&
           list.getDagPath(0, path) == MS::kSuccess && path.isValid() && path.hasFn(MFn::kTransform);
}

util::Matrix<double> MayaHostUnderTest::World(const std::string& name, double t) {
    MDagPath path = Transform(name);
    if (!path.isValid()) return {};
    MMatrix world = HostLocal(path, t);
    for (path.pop(); path.length() > 0; path.pop()) world = world * HostLocal(path, t);
    return MayaAdaptorInterface::Instance().GetUnits().FromHost(ToCore(world), true);
}

util::Matrix<double> MayaHostUnderTest::Local(const std::string& name, double t) {
    const MDagPath path = Transform(name);
    if (!path.isValid()) return {};
    return FromHost(path, HostLocal(path, t));
}

HostKeys MayaHostUnderTest::Keys(const std::string& name) {
    const MDagPath path = Transform(name);
    if (!path.isValid()) return {};
    // Every key time of any channel, in order.
    std::set<double> frames;
    MObject curves[9];
    for (int i = 0; i < 9; ++i) {
        curves[i] = CurveOf(Channel(path, i));
        if (curves[i].isNull()) continue;
        const MFnAnimCurve curve(curves[i]);
        for (unsigned k = 0; k < curve.numKeys(); ++k) frames.insert(curve.time(k).as(MTime::kSeconds));
    }
    HostKeys keys;
    for (double t : frames) {
        double channels[9];
        for (int i = 0; i < 9; ++i)
            channels[i] = curves[i].isNull() ? Channel(path, i).asDouble()
                                             : MFnAnimCurve(curves[i]).evaluate(Seconds(t));
        keys.push_back({t, FromHost(path, Compose(channels))});
    }
    return keys;
}

void MayaHostUnderTest::SetKey(const std::string& name, double t, const util::Matrix<double>& local) {
    const MDagPath path = Transform(name);
    if (!path.isValid()) return;
    double channels[9];
    Decompose(ToHost(path, local), channels);
    for (int i = 0; i < 9; ++i) {
        const MPlug plug = Channel(path, i);
        MObject object = CurveOf(plug);
        if (object.isNull()) object = MFnAnimCurve().create(plug);
        MFnAnimCurve curve(object);
        unsigned index = 0;
        if (curve.find(Seconds(t), index))
            curve.setValue(index, channels[i]);
        else
            curve.addKey(Seconds(t), channels[i], MFnAnimCurve::kTangentLinear, MFnAnimCurve::kTangentLinear);
    }
}

void MayaHostUnderTest::AddMesh(const std::string& name, const util::CMesh& mesh, const std::string& parent) {
    MObject parentNode = MObject::kNullObj;
    if (!parent.empty()) parentNode = Transform(parent).node();
    MFnDagNode transform;
    MObject node = transform.create("transform", MString(MayaNames::Legal(name).c_str()), parentNode);
    MPointArray points;
    for (const util::Vector3<double>& v : mesh.vertices) points.append(MPoint(v.x, v.y, v.z));
    MIntArray counts;
    MIntArray connects;
    for (std::size_t i = 0; i + 2 < mesh.faces.size(); i += 3) {
        counts.append(3);
        for (std::size_t k = 0; k < 3; ++k) connects.append(mesh.faces[i + k]);
    }
    MFnMesh shape;
    shape.create(static_cast<int>(mesh.vertices.size()), static_cast<int>(counts.length()), points, counts,
                 connects, node);
    // The vertices are in core units: the transform carries the scene's unit and up axis, as the
    // identity in core terms does.
    SetStatic(name, util::Matrix<double>());
}

void MayaHostUnderTest::Parent(const std::string& child, const std::string& parent) {
    const util::Matrix<double> local = Local(child, 0.0);
    MObject childNode = Transform(child).node();
    MFnDagNode parentNode(Transform(parent));
    EXPECT_EQ(parentNode.addChild(childNode), MS::kSuccess) << child << " under " << parent;
    SetStatic(child, local);
}

void MayaHostUnderTest::Remove(const std::string& name) {
    MObject node = Transform(name).node();
    EXPECT_EQ(MGlobal::deleteNode(node), MS::kSuccess) << name;
}

void MayaHostUnderTest::SetStatic(const std::string& name, const util::Matrix<double>& local) {
    const MDagPath path = Transform(name);
    if (!path.isValid()) return;
    double channels[9];
    Decompose(ToHost(path, local), channels);
    for (int i = 0; i < 9; ++i) Channel(path, i).setValue(channels[i]);
}

void MayaHostUnderTest::RemoveKeysFrom(const std::string& name, double t) {
    const MDagPath path = Transform(name);
    if (!path.isValid()) return;
    for (int i = 0; i < 9; ++i) {
        const MObject object = CurveOf(Channel(path, i));
        if (object.isNull()) continue;
        MFnAnimCurve curve(object);
        for (unsigned k = curve.numKeys(); k-- > 0;)
            if (curve.time(k).as(MTime::kSeconds) >= t) curve.remove(k);
    }
}

HostShape MayaHostUnderTest::Shape(const std::string& name) {
    return KindOf(ShapeOf(name));
}

bool MayaHostUnderTest::ShapeVisible(const std::string& name) {
    const MDagPath shape = ShapeOf(name);
    return shape.isValid() && MFnDependencyNode(shape.node()).findPlug("visibility").asBool();
}

std::size_t MayaHostUnderTest::MeshVertexCount(const std::string& name) {
    const MDagPath shape = ShapeOf(name);
    return KindOf(shape) == HostShape::kMesh ? static_cast<std::size_t>(MFnMesh(shape).numVertices()) : 0u;
}

std::size_t MayaHostUnderTest::MeshFaceCount(const std::string& name) {
    const MDagPath shape = ShapeOf(name);
    return KindOf(shape) == HostShape::kMesh ? static_cast<std::size_t>(MFnMesh(shape).numPolygons()) : 0u;
}

bool MayaHostUnderTest::IsSystemHelper(const std::string& name) {
    // The adaptor makes its polygon helpers render-neutral: they neither cast nor receive shadows.
    const MDagPath shape = ShapeOf(name);
    if (KindOf(shape) != HostShape::kMesh) return false;
    const MFnDependencyNode mesh(shape.node());
    return !mesh.findPlug("castsShadows").asBool() && !mesh.findPlug("receiveShadows").asBool();
}

double MayaHostUnderTest::FieldOfView(const std::string& name, double t) {
    const MDagPath shape = ShapeOf(name);
    if (KindOf(shape) != HostShape::kCamera) return 0.0;
    const MFnDependencyNode camera(shape.node());
    const MDGContext context(Seconds(t));
    return FieldOfViewOf(camera.findPlug("fl").asDouble(context), camera.findPlug("hfa").asDouble(context));
}

double MayaHostUnderTest::DefaultFieldOfView() {
    // A new Maya camera: a 35 mm lens on a 1.417 inch film back.
    return FieldOfViewOf(35.0, 1.41732);
}

int MayaHostUnderTest::CountShapes(HostShape shape) {
    int count = 0;
    for (MItDag it; !it.isDone(); it.next()) {
        MDagPath path;
        it.getPath(path);
        // Maya's own startup cameras are not the scene's.
        const std::string name = path.partialPathName().asChar();
        if (name == "perspShape" || name == "topShape" || name == "frontShape" || name == "sideShape")
            continue;
        count += !path.hasFn(MFn::kTransform) && KindOf(path) == shape;
    }
    return count;
}

void MayaHostUnderTest::WriteModelScene(const std::string& modelPath, const util::xml::Element& description) {
    using adaptor::maya::MelText;
    const std::string model = description.GetChildText("name");
    std::string text = "//Maya ASCII 2014 scene\nrequires maya \"2014\";\n";
    if (const util::xml::Element* listing = description.GetChild("nodeinfo")) {
        for (const util::xml::Element& entry : listing->GetChildren()) {
            const std::string object = entry.IsTag() ? core::NodeTag::ListedName(entry) : std::string();
            if (object.empty()) continue;
            const std::string transform = model + "_" + object + "Transform";
            text += "createNode transform -n " + MelText::Quote(transform) + ";\n";
            text += "\taddAttr -ci true -sn \"VXB_tag\" -ln \"VXB_tag\" -dt \"string\";\n";
            text += "\tsetAttr \".VXB_tag\" -type \"string\" " +
                    MelText::Quote(core::NodeTag{model, object}.ToString()) + ";\n";
            if (entry.GetAttribute("shape") == "camera")
                text += "createNode camera -n " + MelText::Quote(model + "_" + object) + " -p " +
                        MelText::Quote(transform) + ";\n";
        }
    }
    std::filesystem::path scene(modelPath);
    scene.replace_extension(".ma");
    std::ofstream(scene, std::ios::binary) << text;
}

std::vector<std::string> MayaHostUnderTest::Selection() {
    MSelectionList list;
    MGlobal::getActiveSelectionList(list, true);
    std::vector<std::string> names;
    for (unsigned i = 0; i < list.length(); ++i) {
        MDagPath path;
        if (list.getDagPath(i, path) != MS::kSuccess) continue;
        if (!path.hasFn(MFn::kTransform)) path.pop();
        names.push_back(MFnDagNode(path).name().asChar());
    }
    return names;
}

void MayaHostUnderTest::SetRecording(bool recording) {
    MayaAdaptorInterface::Instance().SetCoreRecordingQuery([recording] {
        CoreImplementation* core = FindCore();
        return recording || (core != nullptr && core->IsRecording());
    });
}

} // namespace vex::orb::core::test
