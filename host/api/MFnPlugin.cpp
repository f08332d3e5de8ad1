#include "host/api/MPxNodeAccess.h"
#include "host/api/PluginCompute.h"
#include "host/api/PluginSyntaxes.h"
#include "host/scene/CommandRegistry.h"
#include "host/scene/Node.h"
#include "host/scene/NodeTypeRegistry.h"
#include "host/scene/ObjectAccess.h"
#include "host/scene/Plugin.h"
#include "host/scene/PluginManager.h"

#include <maya/MFnPlugin.h>

#include <algorithm>
#include <filesystem>

using vex::host::Plugin;
using vex::host::PluginManager;

namespace {

std::shared_ptr<Plugin> pluginOf(const MObject& object) {
    return vex::host::ObjectAccess::as<Plugin>(object);
}

// Answers the plug-in of a function set, or sets *status to kInvalidParameter and answers null.
std::shared_ptr<Plugin> attached(const MObject& object, MStatus* ReturnStatus) {
    std::shared_ptr<Plugin> plugin = pluginOf(object);
    MSetStatus(ReturnStatus, plugin ? MStatus::kSuccess : MStatus::kInvalidParameter);
    return plugin;
}

MStatus notAttached() {
    return MStatus(MStatus::kInvalidParameter, "the function set has no plug-in object");
}

void destroyNodeObject(void* object) {
    delete static_cast<MPxNode*>(object);
}

bool eraseName(std::vector<std::string>& names, const std::string& name) {
    auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end()) return false;
    names.erase(it);
    return true;
}

} // namespace

MFnPlugin::MFnPlugin() = default;

MFnPlugin::MFnPlugin(MObject& object, const char* vendor, const char* version, const char* requiredApiVersion,
                     MStatus* ReturnStatus)
    : plugin_(object) {
    std::shared_ptr<Plugin> plugin = attached(object, ReturnStatus);
    if (!plugin || !plugin->initializing) return;
    plugin->vendor = vendor ? vendor : "Unknown";
    plugin->version = version ? version : "Unknown";
    plugin->apiVersion = requiredApiVersion ? requiredApiVersion : "Any";
}

MFn::Type MFnPlugin::type() const {
    return MFn::kPlugin;
}

MObject MFnPlugin::object(MStatus* ReturnStatus) const {
    attached(plugin_, ReturnStatus);
    return plugin_;
}

MString MFnPlugin::vendor(MStatus* ReturnStatus) const {
    auto plugin = attached(plugin_, ReturnStatus);
    return plugin ? MString(plugin->vendor) : MString();
}

MString MFnPlugin::version(MStatus* ReturnStatus) const {
    auto plugin = attached(plugin_, ReturnStatus);
    return plugin ? MString(plugin->version) : MString();
}

MString MFnPlugin::apiVersion(MStatus* ReturnStatus) const {
    auto plugin = attached(plugin_, ReturnStatus);
    return plugin ? MString(plugin->apiVersion) : MString();
}

MString MFnPlugin::name(MStatus* ReturnStatus) const {
    auto plugin = attached(plugin_, ReturnStatus);
    return plugin ? MString(plugin->name()) : MString();
}

MString MFnPlugin::loadPath(MStatus* ReturnStatus) const {
    auto plugin = attached(plugin_, ReturnStatus);
    return plugin ? MString(std::filesystem::path(plugin->path()).parent_path().string()) : MString();
}

MStatus MFnPlugin::registerCommand(const MString& commandName, MCreatorFunction creatorFunction,
                                   MCreateSyntaxFunction createSyntaxFunction) {
    auto plugin = pluginOf(plugin_);
    if (!plugin) return notAttached();
    std::shared_ptr<const vex::host::CommandSyntax> syntax;
    const MSyntax declared = createSyntaxFunction ? createSyntaxFunction() : MSyntax();
    if (createSyntaxFunction)
        syntax = std::make_shared<const vex::host::CommandSyntax>(declared.hostSyntax());
    if (!vex::host::CommandRegistry::get().Add(commandName.str(), creatorFunction, plugin->name(),
                                               std::move(syntax)))
        return MStatus(MStatus::kFailure, "the command \"" + commandName.str() + "\" is already registered");
    plugin->commands.push_back(commandName.str());
    pluginSyntaxes()[commandName.str()] = declared;
    return MStatus::kSuccess;
}

MStatus MFnPlugin::deregisterCommand(const MString& commandName) {
    auto plugin = pluginOf(plugin_);
    if (!plugin) return notAttached();
    if (!eraseName(plugin->commands, commandName.str()))
        return MStatus(MStatus::kFailure, "the plug-in has no command \"" + commandName.str() + "\"");
    vex::host::CommandRegistry::get().remove(commandName.str());
    pluginSyntaxes().erase(commandName.str());
    return MStatus::kSuccess;
}

MStatus MFnPlugin::registerNode(const MString& typeName, const MTypeId& typeId,
                                MCreatorFunction creatorFunction, MInitializeFunction initFunction,
                                MPxNode::Type type, const MString*) {
    auto plugin = pluginOf(plugin_);
    if (!plugin) return notAttached();
    if (type != MPxNode::kDependNode)
        return MStatus(MStatus::kNotImplemented, "this host makes plug-in nodes of kind kDependNode only");
    auto& registry = vex::host::NodeTypeRegistry::Instance();
    const std::string name = typeName.str();
    if (name.empty() || !creatorFunction) return MStatus::kInvalidParameter;
    if (registry.Find(name) || registry.Find(static_cast<std::uint32_t>(typeId.id())))
        return MStatus(MStatus::kFailure,
                       "the node type name or id of \"" + name + "\" is already registered");

    auto nodeType = std::make_shared<vex::host::NodeType>(name, typeId.id(), MFn::kPluginDependNode,
                                                          registry.Find("dependNode"));
    nodeType->SetNameStem(name);
    auto compute = std::make_shared<vex::host::PluginCompute>();
    MPxNodeAccess::typeBeingInitialized() = nodeType.get();
    MPxNodeAccess::computeBeingInitialized() = compute.get();
    const MStatus initialized = initFunction ? initFunction() : MStatus(MStatus::kSuccess);
    MPxNodeAccess::typeBeingInitialized() = nullptr;
    MPxNodeAccess::computeBeingInitialized() = nullptr;
    if (!initialized)
        return MStatus(MStatus::kFailure, "the initialize function of node type \"" + name + "\" failed");
    nodeType->SetCompute(
        [compute](const vex::host::Scene& scene, const vex::host::Node& node,
                  const vex::host::AttributeDefinition& attribute, double time,
                  vex::host::Value& out) { return compute->Run(scene, node, attribute, time, out); });

    nodeType->SetOnCreate([creatorFunction, name](vex::host::Node& node) {
        auto* object = static_cast<MPxNode*>(creatorFunction());
        if (!object) return;
        MPxNodeAccess::attach(*object, node);
        PluginManager::get().Track(object, name, &destroyNodeObject);
        // The node owns its object; the manager destroys it, so that an object outliving its plug-in's
        // unload has already been destroyed while the code was there.
        node.SetUserObject(std::shared_ptr<void>(object, [](void* p) { PluginManager::get().release(p); }));
        object->postConstructor();
    });
    if (!registry.Add(nodeType))
        return MStatus(MStatus::kFailure, "the node type \"" + name + "\" was refused");
    plugin->nodeTypes.push_back(name);
    return MStatus::kSuccess;
}

MStatus MFnPlugin::deregisterNode(const MTypeId& typeId) {
    auto plugin = pluginOf(plugin_);
    if (!plugin) return notAttached();
    auto nodeType = vex::host::NodeTypeRegistry::Instance().Find(static_cast<std::uint32_t>(typeId.id()));
    if (!nodeType || std::find(plugin->nodeTypes.begin(), plugin->nodeTypes.end(), nodeType->name()) ==
                         plugin->nodeTypes.end())
        return MStatus(MStatus::kFailure, "the plug-in has no node type with this id");
    if (PluginManager::TypeInUse(nodeType->name()))
        return MStatus(MStatus::kFailure, "nodes of type \"" + nodeType->name() + "\" are in the scene");
    eraseName(plugin->nodeTypes, nodeType->name());
    PluginManager::get().DropNodeType(nodeType->name());
    return MStatus::kSuccess;
}

MObject MFnPlugin::findPlugin(const MString& pluginName) {
    auto plugin = PluginManager::get().Find(pluginName.str());
    return plugin ? vex::host::ObjectAccess::wrap(plugin) : MObject();
}
