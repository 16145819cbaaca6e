#include "platform/win_ipc_transport.h"

namespace flenmark {

WinIpcTransport::~WinIpcTransport() {
    unmapSharedMemory();
    closeSharedMemory();
}

bool WinIpcTransport::findHost(const std::string& windowClass) {
    host_ = FindWindowExA(nullptr, nullptr, windowClass.c_str(), nullptr);
    return host_ != nullptr;
}

std::string WinIpcTransport::hostPlace(const std::string& windowClass) const {
    return "a window of class " + windowClass;
}

void WinIpcTransport::releaseHost() {
    host_ = nullptr;
}

uint32_t WinIpcTransport::registerMessage(const std::string& name) {
    return RegisterWindowMessageA(name.c_str());
}

uint16_t WinIpcTransport::addAtom(const std::string& name) {
    return GlobalAddAtomA(name.c_str());
}

void WinIpcTransport::deleteAtom(uint16_t atom) {
    GlobalDeleteAtom(atom);
}

SharedMemoryStatus WinIpcTransport::createSharedMemory(const std::string& name, uint32_t size) {
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size,
                                  name.c_str());
    if (!mapping_) return SharedMemoryStatus::Failed;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mapping_);  // not ours: another client's block of that name
        mapping_ = nullptr;
        return SharedMemoryStatus::AlreadyExisted;
    }
    return SharedMemoryStatus::Created;
}

uint8_t* WinIpcTransport::mapSharedMemory() {
    if (!mapping_) return nullptr;
    view_ = MapViewOfFile(mapping_, FILE_MAP_WRITE, 0, 0, 0);
    return static_cast<uint8_t*>(view_);
}

void WinIpcTransport::unmapSharedMemory() {
    if (view_) UnmapViewOfFile(view_);
    view_ = nullptr;
}

void WinIpcTransport::closeSharedMemory() {
    if (mapping_) CloseHandle(mapping_);
    mapping_ = nullptr;
}

SendStatus WinIpcTransport::send(uint32_t message, uint32_t wParam, uint32_t lParam, int timeoutMs,
                                 uint32_t& reply) {
    DWORD_PTR result = 0;
    SetLastError(0);
    if (!SendMessageTimeoutA(host_, message, wParam, lParam, SMTO_BLOCK,
                             static_cast<UINT>(timeoutMs), &result)) {
        const DWORD error = GetLastError();
        return error == ERROR_TIMEOUT || error == 0 ? SendStatus::TimedOut : SendStatus::Failed;
    }
    reply = static_cast<uint32_t>(result);
    return SendStatus::Replied;
}

void WinIpcTransport::sleepMs(int ms) {
    Sleep(static_cast<DWORD>(ms));
}

uint32_t WinIpcTransport::processId() const {
    return GetCurrentProcessId();
}

}  // namespace flenmark
