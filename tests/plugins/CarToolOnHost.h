#pragma once

#include "core/CoreStartup.h"
#include "interface/CMesh.h"
#include "platform/win32/MessageBox.h"
#include "tests/plugins/ToolOnHostFixture.h"
#include "unidevice/Control.h"
#include "unidevice/ControlKind.h"
#include "unidevice/Property.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace vex::orb::core::test {

/// A four-wheeler tool on a host under test: it catches the message boxes the tool shows, binds
/// controls to the car's channels and lays ground surfaces under the car.
template <class Object>
class CarToolOnHost : public ToolOnHost<Object> {
protected:
    using ToolOnHost<Object>::ToolOnHost;

    void SetUp() override {
        ToolOnHost<Object>::SetUp();
        wasSilent_ = platform::win32::IsMessageBoxSilent();
        platform::win32::SetMessageBoxSilent(false);
        previous_ = platform::win32::SetMessageBoxPresenter(
            [this](platform::win32::HWND, const std::string& text, const std::string& caption,
                   platform::win32::UINT) {
                messages_.push_back(caption + ": " + text);
                return platform::win32::IDOK;
            });
    }
    void TearDown() override {
        platform::win32::SetMessageBoxPresenter(previous_);
        platform::win32::SetMessageBoxSilent(wasSilent_);
        ToolOnHost<Object>::TearDown();
    }

    // A square floor of side 2 × `half` on y = `height`, facing up.
    static util::CMesh Floor(double half, double height = 0.0) {
        util::CMesh floor;
        floor.vertices = {
            {-half, height, -half}, {-half, height, half}, {half, height, half}, {half, height, -half}};
        floor.faces = {0, 1, 2, 0, 2, 3};
        floor.texFaces = {0, 0, 0, 0, 0, 0};
        return floor;
    }

    // Adds the user mesh `name` and puts the car's GravityDirectionMesh under it: the car's ground.
    void AddGround(const std::string& name, const util::CMesh& mesh) {
        this->host_->AddMesh(name, mesh);
        this->host_->Parent(this->Name("GravityDirectionMesh"), name);
    }

    // Whether a message box said `text` under `caption`.
    bool Told(const std::string& caption, const std::string& text) const {
        return std::find(messages_.begin(), messages_.end(), caption + ": " + text) != messages_.end();
    }

    std::vector<std::string> messages_;

private:
    platform::win32::MessageBoxPresenter previous_;
    bool wasSilent_ = false;
};

} // namespace vex::orb::core::test
