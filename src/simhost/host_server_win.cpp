// The host on Windows: a hidden top-level window of the requested class answers the registered
// message; the atom in wParam names the client's file mapping.
#include <windows.h>

#include <cstring>

#include "base/link_protocol.h"
#include "simhost/host_server.h"

namespace flenmark::simhost {
namespace {

constexpr UINT kHangMs = 2500;  // longer than the protocol's two-second wait

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace

struct HostServer::Transport {
    explicit Transport(HostServer& server) : server(server) {}
    LRESULT handle(WPARAM atom);

    HostServer& server;
    std::string windowClass;
    HWND window = nullptr;
    UINT ipcMessage = 0;
};

namespace {

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* transport =
        reinterpret_cast<HostServer::Transport*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (transport && message == transport->ipcMessage) return transport->handle(wParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

// The client's mapping named by the atom, mapped for as long as the object lives.
class ClientBlock {
  public:
    explicit ClientBlock(WPARAM atom) {
        char name[256] = {};
        if (!GlobalGetAtomNameA(static_cast<ATOM>(atom), name, sizeof name)) return;
        if (!IsSharedBlockName(name)) return;
        mapping_ = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name);
        if (!mapping_) return;
        view_ = static_cast<uint8_t*>(MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, 0));
        MEMORY_BASIC_INFORMATION region{};
        if (view_ && VirtualQuery(view_, &region, sizeof region) == sizeof region)
            size_ = region.RegionSize;
    }
    ~ClientBlock() {
        if (view_) UnmapViewOfFile(view_);
        if (mapping_) CloseHandle(mapping_);
    }
    ClientBlock(const ClientBlock&) = delete;
    ClientBlock& operator=(const ClientBlock&) = delete;
    // The block holds the whole request area.
    bool usable() const { return view_ && size_ >= kRequestAreaLimit; }
    uint8_t* view() const { return view_; }

  private:
    HANDLE mapping_ = nullptr;
    uint8_t* view_ = nullptr;
    size_t size_ = 0;
};

}  // namespace

LRESULT HostServer::Transport::handle(WPARAM atom) {
    ClientBlock block(atom);
    uint8_t* view = block.view();
    const HostCore::Answer a = server.answer(
        block.usable(),
        [view](uint8_t* into) {
            std::memcpy(into, view, kRequestAreaLimit);
            return true;
        },
        [view](const uint8_t* from, uint32_t size) {
            std::memcpy(view, from, size);
            return true;
        });
    if (a.turn == HostCore::Turn::Silent) Sleep(kHangMs);  // the client's wait runs out
    if (a.turn == HostCore::Turn::Drop) {
        DestroyWindow(window);  // the host goes away
        window = nullptr;
        return 0;
    }
    return a.turn == HostCore::Turn::Reply ? static_cast<LRESULT>(a.reply) : 0;
}

HostServer::HostServer(OffsetTable& table, HostFaults faults)
    : core_(table, faults), transport_(std::make_unique<Transport>(*this)) {}

HostServer::~HostServer() {
    stop();
}

std::string HostServer::place() const {
    return "a window of class " + transport_->windowClass;
}

int HostServer::connections() const {
    return 0;  // window messages have no connections
}

bool HostServer::start(const std::string& windowClass, std::string& error) {
    if (FindWindowExA(nullptr, nullptr, windowClass.c_str(), nullptr)) {
        error = "another host of window class " + windowClass + " is already running";
        return false;
    }
    WNDCLASSA cls{};
    cls.lpfnWndProc = HostWindowProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = windowClass.c_str();
    if (!RegisterClassA(&cls) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        error = "cannot register the window class " + windowClass;
        return false;
    }
    Transport& t = *transport_;
    t.windowClass = windowClass;
    t.ipcMessage = RegisterWindowMessageA(kIpcMessageName);
    // A top-level window, never shown: clients find it by its class.
    t.window = CreateWindowExA(0, windowClass.c_str(), "Flenmark simulator stand-in",
                               WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr, cls.hInstance, nullptr);
    if (!t.window || !t.ipcMessage) {
        error = "cannot make the host window of class " + windowClass;
        stop();
        return false;
    }
    SetWindowLongPtrA(t.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&t));
    return true;
}

void HostServer::poll(int timeoutMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(timeoutMs), QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void HostServer::stop() {
    Transport& t = *transport_;
    if (t.window) DestroyWindow(t.window);
    t.window = nullptr;
    if (!t.windowClass.empty()) UnregisterClassA(t.windowClass.c_str(), GetModuleHandleA(nullptr));
    t.windowClass.clear();
}

}  // namespace flenmark::simhost
