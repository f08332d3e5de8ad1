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

/// A descriptor whose identity the test chooses. It writes "release <id>" into `log` when it is
/// released, and its objects write "release <name>" when they are.
class FakeDescriptor : public CCameraPlugin {
public:
    FakeDescriptor(std::string identifier, std::string category, std::vector<std::string>* log = nullptr,
                   std::vector<int32_t> extensions = {})
        : identifier_(std::move(identifier)), category_(std::move(category)), log_(log),
          extensions_(std::move(extensions)) {}

    CCamera* create(const CCamera::CreateParam& param) override { return new Object(param, log_); }
    std::string getIdentifier() override { return identifier_; }
    std::string getFolderName() override { return "fake/" + identifier_; }
    std::string getDisplayName() override { return identifier_; }
    std::string getCategory() override { return category_; }
    std::vector<int32_t> getExtensionIds() const override { return extensions_; }
    void release() override {
        if (log_ != nullptr) log_->push_back("release " + identifier_);
        delete this;
    }

private:
    class Object : public CCamera {
    public:
        Object(const CreateParam& param, std::vector<std::string>* log) : CCamera(param), log_(log) {}
        void release() override {
            if (log_ != nullptr) log_->push_back("release " + name);
            delete this;
        }

    private:
        std::vector<std::string>* log_;
    };

    std::string identifier_;
    std::string category_;
    std::vector<std::string>* log_;
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
    Names log;
};

} // namespace vex::orb::core::test
