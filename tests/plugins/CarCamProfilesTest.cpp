#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "plugins/4wheelerfree/CCarCamFreeObject.h"
#include "plugins/carextended/CCarCamObject.h"
#include "plugins/carextended/model/CarModel.h"
#include "tests/plugins/ShippedProfileChecks.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "tests/plugins/carextended/model/PlaneGround.h"
#include "util/xml/Element.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

using addon::CarInputIndex;
using addon::CarParameters;
using addon::CCarCamObject;
using addon::CCarToolObject;
using V = util::Vector3<double>;

// The factory configuration profiles of the four-wheelers: each is the tool's defaults with the
// changes below, written by the generator at the end of this file. Groups listed in `keep` are
// written empty, so loading the profile leaves the user's own settings there (a car profile loaded
// onto a car that follows a target keeps following it).
struct FactoryProfile {
    const char* name;
    std::function<void(CCarToolObject&)> change;
    std::vector<std::string> keep{"Gauges (read only)", "General Modes", "Autonomous Mode Properties",
                                  "Ray Cast Properties"};
};

void Autonomous(CarParameters& p, double strength, double response, double steering) {
    p.autonomousMode = true;
    p.followStrength = strength;
    p.followStrengthResponse = response;
    p.autoSteeringResponse = steering;
}

void Suspension(CarParameters& p, double stiffness, double damping, double tilt) {
    p.frontStiffness = p.backStiffness = stiffness;
    p.frontDamping = p.backDamping = damping;
    p.maxForwardTiltAngle = p.maxSideTiltAngle = tilt;
}

// Top speed and drive acceleration in car lengths (per second, per second²), steering maximum (rad)
// and how fast it turns (rad/s).
void Drive(CarParameters& p, double top, double acceleration, double steering, double steeringRate) {
    p.inputs[addon::kGasPedal].maximum = top;
    p.acceleration = acceleration;
    p.inputs[addon::kSteering].maximum = steering;
    p.maxSteeringChangeVelocity = steeringRate;
}

// The groups the autonomous profiles leave to the user.
const std::vector<std::string> kFollowing{"Gauges (read only)", "General Modes", "Ray Cast Properties"};

const std::vector<FactoryProfile>& CarProfiles() {
    static const std::vector<FactoryProfile> profiles{
        {"Start Profile", [](CCarToolObject&) {}},
        {"5 unit Avoidance Sphere", [](CCarToolObject& t) { t.parameters.worldAvoidanceSphereRadius = 5.0; }},
        {"Autonomous mode - loose", [](CCarToolObject& t) { Autonomous(t.parameters, 0.25, 0.01, 0.05); },
         kFollowing},
        {"Autonomous mode - standard", [](CCarToolObject& t) { Autonomous(t.parameters, 0.5, 0.02, 0.2); },
         kFollowing},
        {"Autonomous mode - tight", [](CCarToolObject& t) { Autonomous(t.parameters, 2.0, 0.2, 0.6); },
         kFollowing},
        {"Autonomous mode - slippery",
         [](CCarToolObject& t) {
             Autonomous(t.parameters, 0.6, 0.03, 0.3);
             t.parameters.skiddingOffset = 0.45;
             t.parameters.skiddingReleaseThreshold = 0.15;
         },
         kFollowing},
        {"Bad Suspension", [](CCarToolObject& t) { Suspension(t.parameters, 28.0, 0.8, 0.3); }},
        {"Boat",
         [](CCarToolObject& t) {
             CarParameters& p = t.parameters;
             Suspension(p, 12.0, 2.0, 0.35);
             Drive(p, 5.0, 0.3, 0.5, 0.4);
             p.skiddingOffset = 0.7;
             p.gravelShakeOffset = 0.02;
             p.gravelRoughness = 0.02;
             t.useFastRayCast = true; // still water: a surface that does not move
         },
         {"Gauges (read only)", "General Modes"}},
        {"Boat (for animatable meshes)",
         [](CCarToolObject& t) {
             CarParameters& p = t.parameters;
             Suspension(p, 12.0, 2.0, 0.35);
             Drive(p, 5.0, 0.3, 0.5, 0.4);
             p.skiddingOffset = 0.7;
             t.useFastRayCast = false; // waves: the ground is read again every frame
         },
         {"Gauges (read only)", "General Modes"}},
        {"Bus",
         [](CCarToolObject& t) {
             Drive(t.parameters, 2.6, 0.25, 0.6, 0.5);
             Suspension(t.parameters, 45.0, 8.0, 0.08);
             t.parameters.massMultiplier = 12.0;
         }},
        {"F1",
         [](CCarToolObject& t) {
             CarParameters& p = t.parameters;
             Drive(p, 18.0, 2.1, 0.3, 3.0);
             Suspension(p, 450.0, 34.0, 0.02);
             p.speedDependentTurnReduction = 0.6;
             p.massMultiplier = 0.6;
         }},
        {"Humvee",
         [](CCarToolObject& t) {
             CarParameters& p = t.parameters;
             Drive(p, 5.5, 0.55, 0.55, 1.0);
             Suspension(p, 55.0, 7.0, 0.1);
             p.suspensionLength = 1.2;
             p.massMultiplier = 2.6;
         }},
        {"Microcar (city car)",
         [](CCarToolObject& t) {
             Drive(t.parameters, 3.6, 0.7, 0.75, 2.0);
             Suspension(t.parameters, 95.0, 10.0, 0.1);
             t.parameters.massMultiplier = 0.7;
         }},
        {"Moon Buggy",
         [](CCarToolObject& t) {
             CarParameters& p = t.parameters;
             Drive(p, 4.0, 0.3, 0.6, 1.5);
             Suspension(p, 12.0, 2.2, 0.2);
             p.gravity = 1.62;
             p.suspensionLength = 1.5;
         }},
        {"Sports Car",
         [](CCarToolObject& t) {
             CarParameters& p = t.parameters;
             Drive(p, 14.0, 1.7, 0.5, 2.5);
             Suspension(p, 200.0, 22.0, 0.04);
             p.speedDependentTurnReduction = 0.4;
         }},
        {"Toony Car",
         [](CCarToolObject& t) {
             CarParameters& p = t.parameters;
             Drive(p, 7.0, 1.5, 0.8, 3.0);
             Suspension(p, 22.0, 0.5, 0.45);
             p.burnoutShake = 3.0;
             p.burnoutTiltForce = 3.0;
         }},
        {"Truck",
         [](CCarToolObject& t) {
             Drive(t.parameters, 2.9, 0.15, 0.5, 0.35);
             Suspension(t.parameters, 40.0, 7.0, 0.06);
             t.parameters.massMultiplier = 20.0;
         }},
    };
    return profiles;
}

// The free four-wheeler's one profile.
const std::vector<FactoryProfile>& FreeProfiles() {
    static const std::vector<FactoryProfile> profiles{
        {"Bus",
         [](CCarToolObject& t) {
             auto& bus = dynamic_cast<addon::CCarCamFreeObject&>(t);
             bus.parameters.inputs[addon::kGasPedal].maximum = 2.6;
             bus.accelerationPercent = 10.0;
             bus.parameters.maxSteeringChangeVelocity = 0.5;
             bus.maxSteeringDegrees = 40.0;
             bus.stiffness = 45.0;
             bus.damping = 8.0;
         },
         {}},
    };
    return profiles;
}

std::vector<std::string> Names(const std::vector<FactoryProfile>& profiles) {
    std::vector<std::string> names;
    for (const FactoryProfile& profile : profiles) names.push_back(profile.name);
    return names;
}

// The profile `profile` as the tool `instance` writes it after its change, in the shipped form.
std::string Written(Instance& instance, CCarToolObject& tool, const FactoryProfile& profile) {
    const CarParameters parameters = tool.parameters;
    const bool fast = tool.useFastRayCast;
    auto* reduced = dynamic_cast<addon::CCarCamFreeObject*>(&tool);
    struct PageUnits {
        double acceleration = 0.0, steering = 0.0, stiffness = 0.0, damping = 0.0;
    } page;
    if (reduced != nullptr)
        page = {reduced->accelerationPercent, reduced->maxSteeringDegrees, reduced->stiffness,
                reduced->damping};
    profile.change(tool);
    util::xml::Element element;
    instance.WriteConfiguration(element, profile.name);
    tool.parameters = parameters;
    tool.useFastRayCast = fast;
    if (reduced != nullptr) {
        reduced->accelerationPercent = page.acceleration;
        reduced->maxSteeringDegrees = page.steering;
        reduced->stiffness = page.stiffness;
        reduced->damping = page.damping;
    }
    for (size_t g = 0, n = element.CountChildren("group"); g < n; ++g) {
        util::xml::Element& group = *element.GetChild("group", g);
        const std::string label = group.GetAttribute("label");
        if (std::find(profile.keep.begin(), profile.keep.end(), label) != profile.keep.end())
            std::erase_if(group.GetChildren(),
                          [](const util::xml::Element& c) { return c.GetName() == "item"; });
    }
    return ShippedProfileText(element);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Expects every shipped file of `table` in `folder` to be what the table makes of the defaults of the
// fresh tool `tool`.
void ExpectFilesOfTable(Instance& instance, CCarToolObject& tool, const char* folder,
                        const std::vector<FactoryProfile>& table) {
    for (const FactoryProfile& profile : table) {
        const std::string file =
            std::string("../data/") + folder + "/configprofiles/" + profile.name + ".ccp";
        EXPECT_TRUE(ReadFile(file) == Written(instance, tool, profile)) << file << " is not its table's";
    }
}

// What a profile does to the car, measured with the vehicle model on flat ground.
struct Behaviour {
    double topSpeed = 0.0;  // m/s after 40 s of full gas
    double heading = 0.0;   // radians turned in 1.5 s of full steering from 5 m/s
    double rebound = 0.0;   // m the body rises again after a 0.2 m drop
    double fallTime = 0.0;  // s to fall 1 m
    double followGap = 0.0; // mean distance to a target circling at 8 m/s
};

Behaviour Measure(const CarParameters& loaded) {
    using namespace addon;
    const CarGeometry geometry = CarGeometry::Default(CCarToolObject::kDefaultScale);
    addon::test::PlaneGround ground{{{}}};
    CarEnvironment environment;
    environment.ground = &ground;
    const auto run = [&](CarParameters p, CarState& state, CarRawInputs raw, double seconds,
                         const std::function<void(CarState&, double)>& each = {}) {
        const CarModel model(p, geometry);
        for (int f = 0; f < std::lround(seconds * 25.0); ++f) {
            if (each) each(state, f / 25.0);
            model.Advance(state, raw, environment, 0.04);
        }
    };
    CarParameters p = loaded;
    p.autonomousMode = false;
    p.worldAvoidanceSphereRadius = 0.0;
    const util::QTransform<double> rest{{}, {0.0, 0.0, 0.0, 1.0}};
    Behaviour b;

    CarState state = CarModel(p, geometry).Start(rest, environment);
    CarRawInputs gas{};
    gas[kGasPedal] = 1.0;
    run(p, state, gas, 40.0);
    b.topSpeed = state.speed;

    state = CarModel(p, geometry).Start(rest, environment);
    state.velocity = {0.0, 0.0, -5.0};
    CarRawInputs hold{};
    hold[kGasPedal] = std::min(1.0, 5.0 / (p.inputs[kGasPedal].maximum * geometry.scale));
    run(p, state, hold, 1.0);
    hold[kSteering] = 1.0;
    run(p, state, hold, 1.5, [&](CarState& s, double) { b.heading += std::abs(s.localYawRate) * 0.04; });

    state = CarModel(p, geometry).Start(rest, environment);
    const double restHeight = state.pose.translation.y;
    state.pose.translation.y += 0.2;
    double lowest = 1e9, rebound = -1e9;
    bool rising = false;
    run(p, state, {}, 4.0, [&](CarState& s, double) {
        const double y = s.pose.translation.y;
        if (!rising && y < lowest) lowest = y;
        if (y > lowest + 1e-4) rising = true;
        if (rising) rebound = std::max(rebound, y);
    });
    b.rebound = rebound - restHeight;

    state = CarModel(p, geometry).Start({{0.0, 50.0, 0.0}, {0.0, 0.0, 0.0, 1.0}}, environment);
    const double top = state.pose.translation.y;
    double t = 0.0;
    run(p, state, {}, 3.0, [&](CarState& s, double time) {
        if (t == 0.0 && s.pose.translation.y < top - 1.0) t = time;
    });
    b.fallTime = t;

    CarParameters follow = loaded;
    state = CarModel(follow, geometry).Start({{20.0, 0.0, 0.0}, {0.0, 0.0, 0.0, 1.0}}, environment);
    const CarModel model(follow, geometry);
    double gap = 0.0;
    int samples = 0;
    for (int f = 0; f < 40 * 25; ++f) {
        const double a = 8.0 / 20.0 * (f / 25.0 + 1.0);
        environment.target = {20.0 * std::cos(a), 0.0, -20.0 * std::sin(a)};
        model.Advance(state, {}, environment, 0.04);
        if (f >= 20 * 25) {
            gap += util::Length(state.pose.translation - environment.target);
            ++samples;
        }
    }
    b.followGap = gap / samples;
    return b;
}

class CarCamProfiles : public ToolOnHost<CCarCamObject> {
protected:
    CarCamProfiles() : ToolOnHost("4VeredevOro", "4VeredevOro_01") {}

    // The model parameters of a fresh instance with `profile` loaded through the core.
    CarParameters Loaded(const std::string& profile) {
        const CCarCamObject* car = CreateWithProfile(profile);
        return car != nullptr ? car->parameters : CarParameters{};
    }
};

TEST_P(CarCamProfiles, EveryListedProfileIsShippedInTheCurrentFormAndLoads) {
    // Each file is what the table makes of the tool's defaults.
    ExpectFilesOfTable(*instance_, *tool_, "carextended", CarProfiles());
    ExpectShippedConfigProfiles(*core_, *instance_, "carextended", Names(CarProfiles()));
}

TEST_P(CarCamProfiles, EachProfileDrivesAsItsNameSays) {
    // The behaviour is the vehicle model's with the loaded values; the hosts load the same values.
    if (GetParam() != HostKind::kMemory) GTEST_SKIP() << "measured on the in-memory host";
    std::map<std::string, Behaviour> b;
    for (const std::string& name : Names(CarProfiles())) b[name] = Measure(Loaded(name));
    const auto faster = [&](const char* a, const char* than) {
        EXPECT_GT(b[a].topSpeed, b[than].topSpeed) << a << " is not faster than " << than;
    };
    faster("F1", "Sports Car");
    faster("Sports Car", "Toony Car");
    faster("Humvee", "Microcar (city car)");
    faster("Microcar (city car)", "Truck");
    faster("Truck", "Bus");
    const auto turnsMore = [&](const char* a, const char* than) {
        EXPECT_GT(b[a].heading, b[than].heading) << a << " does not turn more than " << than;
    };
    turnsMore("Microcar (city car)", "Truck");
    turnsMore("Microcar (city car)", "Bus");
    turnsMore("Start Profile", "Truck");
    const auto bouncier = [&](const char* a, const char* than) {
        EXPECT_GT(b[a].rebound, b[than].rebound) << a << " does not bounce more than " << than;
    };
    bouncier("Toony Car", "Start Profile");
    bouncier("Bad Suspension", "Start Profile");
    bouncier("Start Profile", "F1");
    bouncier("Toony Car", "Truck");
    // The moon buggy floats: a metre of fall takes it more than twice as long.
    EXPECT_GT(b["Moon Buggy"].fallTime, 2.0 * b["Start Profile"].fallTime);
    // The autonomous profiles follow loosely to tightly.
    EXPECT_GT(b["Autonomous mode - loose"].followGap, b["Autonomous mode - standard"].followGap);
    EXPECT_GT(b["Autonomous mode - standard"].followGap, b["Autonomous mode - tight"].followGap);
}

INSTANTIATE_TEST_SUITE_P(, CarCamProfiles, testing::ValuesIn(BuiltHostKinds()), HostKindName);

class CarCamFreeProfiles : public ToolOnHost<addon::CCarCamFreeObject> {
protected:
    CarCamFreeProfiles() : ToolOnHost("4WheelerFree", "4WheelerFree_01") {}
};

TEST_P(CarCamFreeProfiles, TheBusIsShippedInTheCurrentFormAndLoads) {
    ExpectFilesOfTable(*instance_, *tool_, "4wheelerfree", FreeProfiles());
    ExpectShippedConfigProfiles(*core_, *instance_, "4wheelerfree", Names(FreeProfiles()));
}

INSTANTIATE_TEST_SUITE_P(, CarCamFreeProfiles, testing::ValuesIn(BuiltHostKinds()), HostKindName);

// Writes a table of factory profiles into data/ (run by hand after changing a table or the page:
// plugin_tests --gtest_also_run_disabled_tests --gtest_filter='*WriteFactoryProfiles*Memory').
void WriteProfiles(Instance& instance, CCarToolObject& tool, const char* folder,
                   const std::vector<FactoryProfile>& table) {
    for (const FactoryProfile& profile : table) {
        std::ofstream out(std::string("../data/") + folder + "/configprofiles/" + profile.name + ".ccp",
                          std::ios::binary);
        out << Written(instance, tool, profile);
        EXPECT_TRUE(out.good()) << profile.name;
    }
}

TEST_P(CarCamProfiles, DISABLED_WriteFactoryProfiles) {
    WriteProfiles(*instance_, *tool_, "carextended", CarProfiles());
}

TEST_P(CarCamFreeProfiles, DISABLED_WriteFactoryProfiles) {
    WriteProfiles(*instance_, *tool_, "4wheelerfree", FreeProfiles());
}

} // namespace
} // namespace vex::orb::core::test
