// The compiled-in tool table that the core library reads: entry i gives a new descriptor of the i-th
// shipped tool, in the order the core registers them. The identities are the tool catalogue's; each
// entry names the factory of its descriptor, so a tool replaces CPlaceholderPlugin::Create with its own
// factory when its simulation is built, without touching its identity or its place in the order.

#include "core/CompiledPluginTable.h"
#include "plugins/1dpositioner/C1DPositionerPlugin.h"
#include "plugins/1drotator/C1DRotatorPlugin.h"
#include "plugins/4wheelerfree/CCarCamFreePlugin.h"
#include "plugins/activescaler/C1DScalerPlugin.h"
#include "plugins/angleruler/CAngleRulerPlugin.h"
#include "plugins/autofocuscam/CAutoFocusCamPlugin.h"
#include "plugins/carextended/CCarCamPlugin.h"
#include "plugins/catalogue/CPlaceholderPlugin.h"
#include "plugins/catalogue/ToolIdentity.h"
#include "plugins/directinputlink/CDirectInputLinkPlugin.h"
#include "plugins/dirivodarez/CDirivodaRezPlugin.h"
#include "plugins/dirivodarezfree/CDirivodaRezFreePlugin.h"
#include "plugins/distanceruler/CDistanceRulerPlugin.h"
#include "plugins/gyro/CGyroCamPlugin.h"
#include "plugins/horrorcam/CHorrorCamPlugin.h"
#include "plugins/humanizercam/CHumanizerCamPlugin.h"
#include "plugins/lookatcam/CLookAtCamPlugin.h"
#include "plugins/multistatecam/CMultiStateCamPlugin.h"
#include "plugins/raycaster/CRayCasterPlugin.h"
#include "plugins/ruzovuzediziviz/CRuzovuZediziVizPlugin.h"
#include "plugins/scaleruler/CScaleRulerPlugin.h"
#include "plugins/sinusoid/CSinusoidPlugin.h"
#include "plugins/spherecam/CSphereCamPlugin.h"
#include "plugins/statemachine/CStateMachinePlugin.h"
#include "plugins/vezizazav/CVezizaZavPlugin.h"
#include "plugins/vodidova/CVodiDOvaPlugin.h"

#include <array>

namespace vex::orb::addon {
namespace {

using PluginFactory = CCameraPlugin* (*)(const ToolIdentity&);

struct TableEntry {
    ToolIdentity identity;
    PluginFactory factory;
};

constexpr PluginFactory kPlaceholder = &CPlaceholderPlugin::Create;

// clang-format off
constexpr std::array kTable{
    // 0 CMotorcycleCamPlugin
    TableEntry{{"2WheelerExt", "2wheelerext", "2-Wheeler Extended", "Vehicle",
                "two-wheeled vehicle simulator with suspension, skidding, gravel shake, jumps, burnout and "
                "autonomous mode"}, kPlaceholder},
    // 1 CCarCamPlugin
    TableEntry{{"4VeredevOro", "carextended", "4-Vaviriv Idararer", "Vehicle",
                "real-time four-wheeled vehicle simulator over ground surfaces, with autonomous following of a "
                "target. Parent the GravityDirectionMesh to a ground surface (several surfaces can be parented "
                "to the GravityDirectionMesh); for automatic following, attach the TargetMesh to an animated "
                "object and switch the autonomous mode on in the configuration page", "CarExtended"},
               &CCarCamPlugin::Create},
    // 2 CCarCamFreePlugin
    TableEntry{{"4WheelerFree", "4wheelerfree", "4-Wheeler Free", "Vehicle", "reduced four-wheeler"},
               &CCarCamFreePlugin::Create},
    // 3 CAeroCamPlugin
    TableEntry{{"AirplaneExt", "airplaneextended", "Airplane Extended", "Vehicle",
                "airplane simulator with pilot-assisting control system and autonomous following of a spline "
                "or another airplane"}, kPlaceholder},
    // 4 CAeroCamFreePlugin
    TableEntry{{"AirplaneFree", "airplanefree", "Airplane Free", "Vehicle", "reduced airplane"}, kPlaceholder},
    // 5 CHorrorCamPlugin
    TableEntry{{"AutoZoomCam", "horrorcam", "AutoZoomCam", "Camera",
                "zooms to keep a target's size constant (contracting-room effect)"},
               &CHorrorCamPlugin::Create},
    // 6 CCrawlerPlugin
    TableEntry{{"CrawlerExt", "crawler", "Crawler Extended", "Vehicle",
                "tracked vehicle (tank) simulator used with CrawlerTracks or GearedChain"}, kPlaceholder},
    // 7 CrawlerTracksPlugin
    TableEntry{{"CrawlerTracks", "crawlertracks", "CrawlerTracks", "Accessory",
                "dynamic crawler tracks interacting with bogies and ground"}, kPlaceholder},
    // 8 CDirectInputLinkPlugin
    TableEntry{{"DirectInputLink", "directinputlink", "DirectInputLink", "Accessory",
                "maps input-device channels directly to movement of a node that can ride on another animated "
                "object"}, 
               &CDirectInputLinkPlugin::Create},
    // 9 FirepowerPlugin
    TableEntry{{"Firepower", "firepower", "Firepower", "Accessory;Weapon",
                "artillery (cannon, minigun, handgun, laser) firing simulated bullets"}, kPlaceholder},
    // 10 CHeliCamPlugin
    TableEntry{{"Helicopter", "helicopter", "Helicopter", "Vehicle",
                "helicopter simulator with pilot-assisting control system"}, kPlaceholder},
    // 11 CHumanizerCamPlugin
    TableEntry{{"HumanizerCam", "humanizercam", "HumanizerCam", "Camera",
                "adds hand-held irregularities to an animated camera"},
               &CHumanizerCamPlugin::Create},
    // 12 CMissilePlugin
    TableEntry{{"Missile", "missile", "Missile", "Accessory;Weapon",
                "target-seeking missile launched from a static or moving object"}, kPlaceholder},
    // 13 CRuzovuZediziVizPlugin
    TableEntry{{"RuzovuZediziViz", "ruzovuzediziviz", "RuzovuZediziViz", "Camera",
                "follow camera that filters an attached camera's motion smoothly or bouncily"},
               &CRuzovuZediziVizPlugin::Create},
    // 14 CMultiStateCamPlugin
    TableEntry{{"MultiStateCam", "multistatecam", "CMultiStateCam", "Camera",
                "camera moved between stored states (positions and orientations) by device or keyboard"},
               &CMultiStateCamPlugin::Create},
    // 15 CDirivodaRezPlugin
    TableEntry{{"DirivodaRez", "dirivodarez", "DirivodaRez", "Camera",
                "free-flying camera steered in real time in any direction and at any speed"},
               &CDirivodaRezPlugin::Create},
    // 16 CDirivodaRezFreePlugin
    TableEntry{{"DirivodaRezFree", "dirivodarezfree", "DirivodaRez Free", "Camera", "reduced DirivodaRez"},
               &CDirivodaRezFreePlugin::Create},
    // 17 CVezizaZavPlugin
    TableEntry{{"VuzaZaderaRav", "vezizazav", "VuzaZaderaRav", "Camera",
                "follow camera that smooths an attached camera's motion", "VezizaZav"},
               &CVezizaZavPlugin::Create},
    // 18 CSphereCamPlugin
    TableEntry{{"SphereCam", "spherecam", "SphereCam", "Camera",
                "camera on a sphere around a target, looking at its centre, optional gyro mode"},
               &CSphereCamPlugin::Create},
    // 19 CCameraRailPlugin
    TableEntry{{"Spline Speed-Controller", "splinespeedcontroller", "Spline Speed-Controller", "Accessory",
                "speed control of an object along a spline through waypoints"}, kPlaceholder},
    // 20 CTrailerPlugin
    TableEntry{{"Trailer", "trailer", "Trailer", "Vehicle",
                "passive trailer that follows the object its towing hook is linked to"}, kPlaceholder},
    // 21 CVodiDOvaPlugin
    TableEntry{{"VodiDOva", "vodidova", "VodiDOva", "Camera",
                "Torva VodiDOva is modelled as an object moving in zero gravity. Brake functionality has been "
                "added to aid navigation. Torva VodiDOva gives an ultra smooth motion yielding an eerie, almost "
                "liquid feeling to a shoot. "},
               &CVodiDOvaPlugin::Create},
    // 22 CAutoFocusCamPlugin
    TableEntry{{"ZoomAndFocusCam", "autofocuscam", "AutoFocusCam", "Camera",
                "real-time zoom and controllable target (focal) distance"},
               &CAutoFocusCamPlugin::Create},
    // 23 C1DPositionerPlugin
    TableEntry{{"1DPositioner", "utility/1dpositioner", "1DPositioner", "Utility",
                "drives a dummy's position or velocity from an input channel"}, 
               &C1DPositionerPlugin::Create},
    // 24 C1DRotatorPlugin
    TableEntry{{"1DRotator", "utility/1drotator", "1DRotator", "Utility",
                "drives a dummy's rotation or rotational velocity from an input channel"}, 
               &C1DRotatorPlugin::Create},
    // 25 C1DScalerPlugin
    TableEntry{{"ActiveScaler", "utility/activescaler", "ActiveScaler", "Utility",
                "drives a dummy's x/y/z scale from input channels"}, 
               &C1DScalerPlugin::Create},
    // 26 CAngleRulerPlugin
    TableEntry{{"AngleRuler", "utility/angleruler", "AngleRuler", "Utility",
                "measures an angle or angular speed between two objects as a virtual input, with binary "
                "signals at limits"}, 
               &CAngleRulerPlugin::Create},
    // 27 CAngularPlayPlugin
    TableEntry{{"AngularPlay", "utility/angularplay", "AngularPlay", "Utility",
                "mechanical play between two rotating objects"}, kPlaceholder},
    // 28 CDistanceRulerPlugin
    TableEntry{{"DistanceRuler", "utility/distanceruler", "DistanceRuler", "Utility",
                "measures distance or relative speed of two objects and outputs it as a virtual input, with "
                "binary signals at limits"}, 
               &CDistanceRulerPlugin::Create},
    // 29 CExtraWheelPlugin
    TableEntry{{"ExtraWheel", "utility/extrawheel", "ExtraWheel", "Utility",
                "passive extra wheel added to a vehicle"}, kPlaceholder},
    // 30 CGearedChainPlugin
    TableEntry{{"GearedChain", "utility/gearedchain", "GearedChain", "Utility",
                "non-dynamic chain or caterpillar running over gears"}, kPlaceholder},
    // 31 CLookAtCamPlugin
    TableEntry{{"LookAtCam", "utility/lookatcam", "LookAtCam", "Camera",
                "camera aimed at a target with target distance set to the target's distance"},
               &CLookAtCamPlugin::Create},
    // 32 CRayCasterPlugin
    TableEntry{{"RayCaster", "utility/raycaster", "RayCaster", "Utility",
                "casts a ray to a surface and reports the hit point and normal"}, &CRayCasterPlugin::Create},
    // 33 CRectangularPlayPlugin
    TableEntry{{"RectangularPlay", "utility/rectangularplay", "RectangularPlay", "Utility",
                "rectangular mechanical play between two moving objects"}, kPlaceholder},
    // 34 CRotToRotPlugin
    TableEntry{{"CogWheels", "utility/cogwheels", "CogWheels", "Utility",
                "transfers a rotation from one object to another anywhere in space"}, kPlaceholder},
    // 35 CSphericalPlayPlugin
    TableEntry{{"SphericalPlay", "utility/sphericalplay", "SphericalPlay", "Utility",
                "spherical mechanical play between two moving objects"}, kPlaceholder},
    // 36 CStateMachinePlugin
    TableEntry{{"StateMachine", "utility/statemachine", "StateMachine", "Utility",
                "machine with stored states (positions and orientations)"}, &CStateMachinePlugin::Create},
    // 37 CSuspensionPlugin
    TableEntry{{"Suspension", "utility/suspension", "Suspension", "Utility", "passive suspension rig"},
               kPlaceholder},
    // 38 CGyroCamPlugin
    TableEntry{{"Gyro", "utility/gyro", "Gyro", "Utility",
                "follows an object's position without its rotation (stable platform)"},
               &CGyroCamPlugin::Create},
    // 39 CScaleRulerPlugin
    TableEntry{{"ScaleRuler", "utility/scaleruler", "ScaleRuler", "Utility",
                "outputs an object's current scale as a virtual input"}, 
               &CScaleRulerPlugin::Create},
    // 40 CSinusoidPlugin
    TableEntry{{"Sinusoid", "utility/sinusoid", "Sinusoid", "Utility",
                "sinusoidal movement of an object plus a virtual input"}, &CSinusoidPlugin::Create},
};
// clang-format on

static_assert(kTable.size() == 41, "the core registers 41 compiled-in tools");

} // namespace
} // namespace vex::orb::addon

namespace vex::orb::core {

CCameraPlugin* CreateCompiledPlugin(int index) {
    using addon::kTable;
    if (index < 0 || static_cast<size_t>(index) >= kTable.size()) return nullptr;
    const addon::TableEntry& entry = kTable[static_cast<size_t>(index)];
    return entry.factory(entry.identity);
}

} // namespace vex::orb::core
