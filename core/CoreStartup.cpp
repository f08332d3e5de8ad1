#include "core/CoreStartup.h"

#include "core/AdaptorInterface.h"
#include "core/CoreImplementation.h"
#include "core/CoreLibrary.h"
#include "core/CurrentAdaptor.h"
#include "core/DataPaths.h"
#include "core/Hooks.h"
#include "core/LibraryManager.h"
#include "core/dedidavazi/DefaultFactories.h"
#include "platform/win32/Window.h"
#include "platform/win32/keyfeed/KeyboardFeed.h"
#include "platform/wintab/Wintab.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/DummyDriver.h"
#include "unidevice/WinDriver.h"
#include "unidevice/driver/DirectInputEnumeration.h"
#include "unidevice/driver/EmulatedTrinaryDevice.h"
#include "unidevice/driver/SpaceMouse.h"
#include "unidevice/driver/TabletDevice.h"
#include "unidevice/driver/WINHOOK_KeyboardDevice.h"

namespace vex::orb::core {

namespace {

// The compiled-in tools first, so that they win over any tool library naming the same type; then
// the tool libraries and pre-rigged models on disk.
void LoadToolLibraries() {
    // Scripted tools build their expressions through these factories; registering twice is harmless.
    DediDavazi_Default::RegisterFactories();
    CoreLibrary::Instance();
    LibraryManager::Instance().LoadLibraries();
}

// For every library and every tool of it, the objects the tool still owns go, last first. The
// libraries themselves live on until the library manager goes.
void DestroyToolObjects() {
    if (LibraryManager::Exists()) LibraryManager::Instance().DestroyToolObjects();
}

// Destroys every input device, then every driver, last first.
void ShutdownInputDrivers() {
    if (unidevice::DeviceRegistry::Exists()) unidevice::DeviceRegistry::Instance().Shutdown();
}

// The folders the plug-in entry makes before the adaptor exists. There is no plug-in entry yet, so
// start-up makes them; making them twice is harmless.
void MakePluginFolders(const std::string& root) {
    MakeDirectories(JoinDataPath(root, "/data"));
    MakeDirectories(JoinDataPath(root, "/data/core"));
    MakeDirectories(JoinDataPath(root, "/data/core/"));
}

} // namespace

void CreateInputDrivers() {
    // Each driver and device lists itself with the device registry, which owns it from then on.
    // The plug-in's module handle is only passed on to the keyboard hook and the device windows, which
    // ignore it on this platform, so null stands for it here.
    const platform::win32::HINSTANCE module = nullptr;
    new unidevice::DummyDriver();
    new unidevice::WinDriver();
    new unidevice::WINHOOK_KeyboardDevice(module);
    unidevice::driver::EnumerateGameControllers(module, nullptr);
    unidevice::driver::SpaceMouse::Create(module);
    unidevice::driver::TabletDevice::Create(platform::wintab::LoadWintab(), module);
    new unidevice::EmulatedTrinaryDevice();
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
    // The real keyboard reaches the hook through the windows of the process (when a GUI runs).
    platform::win32::KeyboardFeed::Instance().Start();

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

    platform::win32::KeyboardFeed::Instance().Stop();
    if (Hooks::Exists()) Hooks::Instance().Release();
    if (CoreImplementation* core = FindCore()) {
        if (core->IsRecording() && !core->IsResimulating()) {
            core->StopRecording();
        } else if (core->IsResimulating()) {
            core->FinishResimulation();
        }
        // The windows let go of the instances and the devices they show before those go.
        core->MainDlg::CloseWindows();
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
