#include <windows.h>

#include "platform/end_requests.h"

namespace flenmark {
namespace {

// The console's handler is called with the event alone: the one place it can find the request.
HANDLE gRequest = nullptr;

BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
    SetEvent(gRequest);
    return TRUE;  // the program ends by itself
}

}  // namespace

struct EndRequests::System {
    HANDLE request = nullptr;
};

EndRequests::EndRequests() : system_(std::make_unique<System>()) {
    system_->request = gRequest = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

EndRequests::~EndRequests() {
    SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    CloseHandle(system_->request);
    gRequest = nullptr;
}

bool EndRequests::waitFor(std::chrono::milliseconds wait) {
    return WaitForSingleObject(system_->request, static_cast<DWORD>(wait.count())) == WAIT_OBJECT_0;
}

}  // namespace flenmark
