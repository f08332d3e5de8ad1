#pragma once

#include "core/CoreLibrary.h"
#include "core/Library.h"
#include "core/LibraryManager.h"
#include "core/Plugin.h"
#include "interface/CCameraPlugin.h"
#include "tests/core/CoreTestSupport.h"

#include <string>
#include <vector>

namespace vex::orb::core::test {

using Names = std::vector<std::string>;

/// A descriptor whose identity the test chooses. When it has a log, it writes "release <id>" into it
/// when released, and its objects write "release <name>".
class FakeDescriptor : public CCameraPlugin {
public:
    FakeDescriptor(std::string id, std::string category, Names* log = nullptr,
                   std::vector<int32_t> extensions = {})
        : id_(std::move(id)), category_(std::move(category)), log_(log), extensions_(std::move(extensions)) {}

    CCamera* create(const CCamera::CreateParam& param) override { return new Object(param, log_); }
    std::string getIdentifier() override { return id_; }
    std::string getFolderName() override { return "fake/" + id_; }
    std::string getDisplayName() override { return id_; }
    std::string getCategory() override { return category_; }
    std::vector<int32_t> getExtensionIds() const override { return extensions_; }
    void release() override {
        if (log_ != nullptr) log_->push_back("release " + id_);
        delete this;
    }

private:
    struct Object : CCamera {
        Object(const CreateParam& param, Names* log) : CCamera(param), log(log) {}
        void release() override {
            if (log != nullptr) log->push_back("release " + name);
            delete this;
        }
        Names* log;
    };

    std::string id_, category_;
    Names* log_;
    std::vector<int32_t> extensions_;
};

/// A core test that starts with a fresh library manager holding only the compiled-in library, and
/// ends with no manager.
class RegistryTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        LibraryManager::DestroyInstance();
        CoreLibrary::Instance();
    }
    void TearDown() override {
        LibraryManager::DestroyInstance();
        CoreTest::TearDown();
    }

    /// A module-less library at `path` holding one Plugin per descriptor, in order.
    static Library* MakeLibrary(const std::string& path, const std::vector<CCameraPlugin*>& descriptors) {
        auto* library = new Library(path, nullptr);
        for (CCameraPlugin* descriptor : descriptors) Plugin::Register(*library, descriptor);
        return library;
    }
    static LibraryManager& Manager() { return LibraryManager::Instance(); }

    /// What the fake descriptors and their objects release; it outlives the libraries of a test.
    Names log_;
};

} // namespace vex::orb::core::test
