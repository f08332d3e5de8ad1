#include "core/CoreStartup.h"

#include "core/AdaptorInterface.h"
#include "core/CoreImplementation.h"
#include "core/CoreLibrary.h"
#include "core/CurrentAdaptor.h"
#include "core/DataPaths.h"
#include "core/Hooks.h"
#include "core/LibraryManager.h"

namespace vex::orb::core {

namespace {

// The compiled-in tools first, so that they win over any tool library naming the same type; then
// the tool libraries and pre-rigged models on disk.
void LoadToolLibraries() {
    CoreLibrary::Instance();
    LibraryManager::Instance().LoadLibraries();
}

// For every library and every tool of it, the objects the tool still owns go, last first. The
// libraries themselves live on until the library manager goes.
void DestroyToolObjects() {
    if (LibraryManager::Exists()) LibraryManager::Instance().DestroyToolObjects();
}

// The driver registry shuts every driver down here once the device layer exists.
void ShutdownInputDrivers() {}

// The folders the plug-in entry makes before the adaptor exists. There is no plug-in entry yet, so
// start-up makes them; making them twice is harmless.
void MakePluginFolders(const std::string& root) {
    MakeDirectories(JoinDataPath(root, "/data"));
    MakeDirectories(JoinDataPath(root, "/data/core"));
    MakeDirectories(JoinDataPath(root, "/data/core/"));
}

} // namespace

void CreateInputDrivers() {
    // In this order, once the device layer exists:
    // 1. the dummy driver;
    // 2. the Windows driver ("windriver");
    // 3. the keyboard-hook device, given the plug-in module handle;
    // 4. the DirectInput joystick enumeration, given the module handle and the host's main window;
    // 5. the 3D-mouse driver, attached to "windriver";
    // 6. the tablet driver, only when "Wintab32.dll" loads and reports a device named "WACOM...";
    // 7. the emulated trinary device.
}

std::string GetSettingsPath(const std::string& root, const std::string& hostFolder) {
    return JoinDataPath(root, "/data/" + hostFolder + "/settings.xml");
}

void StartCore(AdaptorInterface* adaptor) {
    // One adaptor per process: a second one while the core runs gets no core of its own.
    if (GetCurrentAdaptor() != nullptr) return;
    LoadToolLibraries();
    if (adaptor == nullptr || adaptor->getInterfaceVersion() != AdaptorInterface::kInterfaceVersion) return;
    CreateInputDrivers();
    Hooks::Instance().Install();

    SetCurrentAdaptor(adaptor);
    const std::string root = GetDataRoot();
    const std::string hostFolder = adaptor->getHostFolderName();
    MakePluginFolders(root);
    MakeDirectories(JoinDataPath(root, "/data/" + hostFolder));

    CoreImplementation& core = CoreImplementation::Instance();
    core.GetSettings().Load(GetSettingsPath(root, hostFolder));
    core.FillToolLists();
}

void ShutdownCore() {
    AdaptorInterface* adaptor = GetCurrentAdaptor();
    if (adaptor == nullptr) return;

    if (Hooks::Exists()) Hooks::Instance().Release();
    if (CoreImplementation* core = FindCore()) {
        if (core->IsRecording() && !core->IsResimulating()) {
            core->StopRecording();
        } else if (core->IsResimulating()) {
            core->FinishResimulation();
        }
        core->DestroyTree();
    }
    adaptor->clearUndo();
    DestroyToolObjects();
    ShutdownInputDrivers();

    // In the plug-in the core would go at static destruction right after the adaptor; ending it here
    // keeps that order and lets a host make a new adaptor later.
    CoreImplementation::DestroyInstance();
    SetCurrentAdaptor(nullptr);
}

CoreImplementation* FindCore() {
    return CoreImplementation::Exists() ? &CoreImplementation::Instance() : nullptr;
}

} // namespace vex::orb::core
