#pragma once

#include "core/Instance.h"
#include "interface/CCamera.h"
#include "interface/CInterface.h"
#include "tests/core/ToolTestSupport.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"
#include "util/Matrix.h"

#include <limits>
#include <stdexcept>

namespace vex::orb::core::test {

// A sled that moves its body along x by its "Drive" channel, and fails on the step it is told to:
// by throwing, or by writing a transform that is not a number.
class SledObject : public CCamera {
public:
    enum class Failure { kNone, kThrow, kNotANumber };

    explicit SledObject(const CreateParam& param) : CCamera(param) {}
    int buildConfiguration() override {
        drive = core->addInputChannel("Drive", unidevice::kFiniteControl, nullptr);
        return 0;
    }
    int initialize() override {
        body = core->createNode("Body", nullptr, nullptr);
        return body != nullptr ? 0 : 1;
    }
    // A copy, or an instance brought back by undo, finds the body the core made for it again.
    int restore() override {
        body = core->findNode("Body");
        return body != nullptr ? 0 : 1;
    }
    void begin(double t) override {
        (void)t;
        steps = 0;
    }
    void step(double t) override {
        ++steps;
        if (steps == failAt && failure == Failure::kThrow) throw std::runtime_error("the runner came off");
        util::Matrix<double> m;
        m.m[3][0] = steps == failAt && failure == Failure::kNotANumber
                        ? std::numeric_limits<double>::quiet_NaN()
                        : drive->getValue();
        CSnapshot* snapshot = core->getSnapshot(body, t);
        snapshot->setMatrix(m);
        core->releaseSnapshot(snapshot);
    }

    unidevice::Property* drive = nullptr;
    CNode* body = nullptr;
    Failure failure = Failure::kNone;
    int failAt = 0;
    int steps = 0;
};

class SledDescriptor : public FakeDescriptor {
public:
    SledDescriptor() : FakeDescriptor("Sled", "Vehicle") {}
    CCamera* create(const CCamera::CreateParam& param) override { return new SledObject(param); }
};

} // namespace vex::orb::core::test
