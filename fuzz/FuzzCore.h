#pragma once

// A running core on the memory host for the fuzz targets that hand outside data to instances: its
// documents folder is a fresh temporary folder, and message boxes and debug output go nowhere. One
// per process, made on first use and shut down when the process ends, as a host keeps its core
// between scenes.

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/LibraryManager.h"
#include "core/Tool.h"
#include "fuzz/FuzzFolder.h"
#include "platform/win32/DebugOutput.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/Registry.h"
#include "plugins/catalogue/CPlaceholderObject.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "util/ReturnValue.h"
#include "util/xml/Element.h"
#include "util/xml/Status.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace vex::fuzz {

class FuzzCore {
public:
    /// The process's core; aborts when it does not start.
    static FuzzCore& Get() {
        // Made after the statics the core's start-up makes, so it goes first when the process ends
        // and shuts the core down as a host does.
        static FuzzCore fuzzCore;
        return fuzzCore;
    }

    orb::core::CoreImplementation& Core() const { return *core_; }

    /// The core's description of every instance, as a scene save writes it.
    util::xml::Element WriteInstances() const {
        util::xml::Element state;
        util::ReturnValue<util::xml::Element> sink(&state);
        core_->WriteInstances(sink);
        return state;
    }

    /// One live instance of every compiled-in tool that has a simulation (placeholders restore and
    /// load nothing), made as the user makes one, in the order of the tool list. Made on first use and
    /// kept: the targets that use them never close the scene.
    const std::vector<orb::core::Instance*>& ToolInstances() const {
        static const std::vector<orb::core::Instance*> instances = [this] {
            std::vector<orb::core::Instance*> made;
            const orb::core::LibraryManager& tools = orb::core::LibraryManager::Instance();
            for (std::size_t i = 0; i < tools.GetToolCount(); ++i) {
                orb::core::Instance* instance =
                    core_->FindInstance(core_->CreateTool(tools.GetTool(i)->GetIdentifier()));
                if (instance == nullptr) continue;
                if (dynamic_cast<orb::addon::CPlaceholderObject*>(instance->GetObject()) != nullptr) {
                    core_->DeleteInstance(instance->GetName());
                    continue;
                }
                made.push_back(instance);
            }
            return made;
        }();
        return instances;
    }

    /// Closes the scene: deletes every instance and then starts a new scene, as the host does with
    /// a scene it closes (the instances leave their nodes to it), so that the next input starts from
    /// an empty scene, finds no nodes of the inputs before it and leaves nothing behind. Aborts when
    /// a node object outlives its instance.
    void CloseScene() const {
        core_->DeleteAllInstances();
        if (!host_->NewScene()) {
            std::fprintf(stderr, "a node object outlived the deletion of every instance\n");
            std::abort();
        }
    }

    /// Makes the instances `state` describes, writes them and deletes them again, leaving their nodes
    /// in the scene, as a scene that is saved and opened again keeps them. Answers what was written.
    util::xml::Element ReadAndWrite(const util::xml::Element& state) const {
        core_->CreateInstanceFromTemplate(state);
        util::xml::Element written = WriteInstances();
        core_->DeleteAllInstances();
        return written;
    }

    /// A scene written from `state`, saved as text and opened again, must read back from the text as
    /// it was written, and must then write what it was: aborts with the texts when it does not. The
    /// scene is closed afterwards.
    void CheckStableWriting(const util::xml::Element& state) const {
        const util::xml::Element first = ReadAndWrite(state);
        const std::string text = first.ToString();
        util::xml::Element saved;
        if (saved.Parse(text) != util::xml::kOk || !(saved == first)) {
            std::fprintf(stderr, "written:\n%s\nread back from that text:\n%s\n", text.c_str(),
                         saved.ToString().c_str());
            std::abort();
        }
        const util::xml::Element second = ReadAndWrite(saved);
        CloseScene();
        if (!(second == first)) {
            std::fprintf(stderr, "written:\n%s\nwritten again:\n%s\n", text.c_str(),
                         second.ToString().c_str());
            std::abort();
        }
    }

private:
    FuzzCore() {
        namespace win32 = platform::win32;
        win32::SetDebugOutputSink([](const std::string&) {});
        win32::SetMessageBoxPresenter([](win32::HWND, const std::string&, const std::string&,
                                         win32::UINT type) { return win32::DefaultMessageBoxAnswer(type); });
        win32::RegistrySetValue(win32::HKEY_CURRENT_USER,
                                "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                "Personal", FuzzFolder::Get().File("documents"));
        host_ = std::make_unique<orb::adaptor::memory::MemoryAdaptor>();
        // Millions of inputs would otherwise pile up as undo steps.
        host_->SetUndoEnabled(false);
        core_ = orb::core::FindCore();
        if (core_ == nullptr) {
            std::fprintf(stderr, "the core did not start on the memory host\n");
            std::abort();
        }
    }

    std::unique_ptr<orb::adaptor::memory::MemoryAdaptor> host_;
    orb::core::CoreImplementation* core_ = nullptr;
};

} // namespace vex::fuzz
