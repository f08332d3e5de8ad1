#include "platform/spaceware/SpaceWare.h"

#include "platform/spaceware/SpaceWareBackend.h"
#include "platform/spaceware/SpnavBackend.h"
#include "platform/win32/WindowProcedures.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace vex::platform::spaceware {

namespace {

struct OpenDevice {
    SiHdl handle;
    HWND window;
    int mode;
    unsigned uiMode;
};

struct Layer {
    std::unique_ptr<SpaceWareBackend> installed;
    SpnavBackend spnav;
    bool initialized = false;
    std::vector<OpenDevice> open;
    std::uintptr_t lastHandle = 0;
};

Layer& GetLayer() {
    static Layer layer;
    return layer;
}

OpenDevice* Find(SiHdl handle) {
    Layer& layer = GetLayer();
    const auto found = std::find_if(layer.open.begin(), layer.open.end(),
                                    [&](const OpenDevice& d) { return d.handle == handle; });
    return found != layer.open.end() ? &*found : nullptr;
}

void CopyName(char* buffer, std::size_t size, const std::string& text) {
    const std::size_t length = std::min(size - 1, text.size());
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

} // namespace

std::unique_ptr<SpaceWareBackend> SpaceWareBackend::Install(std::unique_ptr<SpaceWareBackend> backend) {
    std::swap(GetLayer().installed, backend);
    return backend;
}

SpaceWareBackend& SpaceWareBackend::Current() {
    Layer& layer = GetLayer();
    return layer.installed ? *layer.installed : static_cast<SpaceWareBackend&>(layer.spnav);
}

SpwRetVal SiInitialize() {
    Layer& layer = GetLayer();
    if (layer.initialized) return SPW_NO_ERROR;
    const SpwRetVal opened = SpaceWareBackend::Current().Open();
    if (opened != SPW_NO_ERROR) return opened;
    layer.initialized = true;
    return SPW_NO_ERROR;
}

void SiTerminate() {
    Layer& layer = GetLayer();
    layer.open.clear();
    if (!layer.initialized) return;
    layer.initialized = false;
    SpaceWareBackend::Current().Close();
}

void SiOpenWinInit(SiOpenData* data, HWND window) {
    if (data != nullptr) data->hWnd = window;
}

SiHdl SiOpen(const char* appName, int devId, SiTypeMask* mask, int mode, SiOpenData* data) {
    (void)appName;
    (void)devId;
    (void)mask;
    Layer& layer = GetLayer();
    if (!layer.initialized) return nullptr;
    const SiHdl handle = reinterpret_cast<SiHdl>(++layer.lastHandle);
    layer.open.push_back({handle, data != nullptr ? data->hWnd : nullptr, mode, SI_UI_ALL_CONTROLS});
    return handle;
}

SpwRetVal SiClose(SiHdl handle) {
    Layer& layer = GetLayer();
    const auto removed = std::erase_if(layer.open, [&](const OpenDevice& d) { return d.handle == handle; });
    return removed != 0 ? SPW_NO_ERROR : SI_BAD_HANDLE;
}

SpwRetVal SiSetUiMode(SiHdl handle, unsigned mode) {
    OpenDevice* device = Find(handle);
    if (device == nullptr) return SI_BAD_HANDLE;
    device->uiMode = mode;
    return SPW_NO_ERROR;
}

void SiGetEventWinInit(SiGetEventData* data, UINT message, WPARAM wParam, LPARAM lParam) {
    if (data == nullptr) return;
    data->msg = message;
    data->wParam = wParam;
    data->lParam = lParam;
}

SpwRetVal SiGetEvent(SiHdl handle, int flags, SiGetEventData* data, SiSpwEvent* event) {
    (void)flags;
    // A device message names its handle in wParam and points at the event in lParam.
    if (data == nullptr || event == nullptr || data->msg != SiEventMessage()) return SI_NOT_EVENT;
    if (handle == nullptr || data->wParam != reinterpret_cast<WPARAM>(handle) || data->lParam == 0)
        return SI_NOT_EVENT;
    *event = *reinterpret_cast<const SiSpwEvent*>(data->lParam);
    return SI_IS_EVENT;
}

SpwRetVal SiGetDeviceInfo(SiHdl handle, SiDevInfo* info) {
    if (Find(handle) == nullptr || info == nullptr) return SI_BAD_HANDLE;
    *info = SiDevInfo{};
    info->numButtons = SpaceWareBackend::Current().ButtonCount();
    info->numDegrees = 6;
    return SPW_NO_ERROR;
}

SpwRetVal SiGetDeviceName(SiHdl handle, SiDevName* name) {
    if (Find(handle) == nullptr || name == nullptr) return SI_BAD_HANDLE;
    CopyName(name->name, sizeof name->name, SpaceWareBackend::Current().DeviceName());
    return SPW_NO_ERROR;
}

UINT SiEventMessage() {
    static const UINT message = win32::RegisterWindowMessageA("SpaceWareMessage00");
    return message;
}

int SiDispatchEvents() {
    Layer& layer = GetLayer();
    if (!layer.initialized) return 0;
    int count = 0;
    SiSpwEvent event;
    while (SpaceWareBackend::Current().Poll(event)) {
        ++count;
        // A window procedure may close or open handles: deliver to the handles open now.
        const std::vector<OpenDevice> receivers = layer.open;
        for (const OpenDevice& device : receivers) {
            if (device.mode != SI_EVENT || Find(device.handle) == nullptr) continue;
            win32::SendMessageA(device.window, SiEventMessage(), reinterpret_cast<WPARAM>(device.handle),
                                reinterpret_cast<LPARAM>(&event));
        }
    }
    return count;
}

} // namespace vex::platform::spaceware
