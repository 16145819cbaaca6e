#include "platform/win/win_http.h"

#include <windows.h>
#include <winhttp.h>

#include <chrono>
#include <optional>
#include <thread>

#include "base/win_text.h"

namespace flenmark {
namespace {

constexpr int kMaxRedirects = 5;

struct Handle {
    HINTERNET h = nullptr;
    ~Handle() {
        if (h) WinHttpCloseHandle(h);
    }
};

struct Place {
    INTERNET_SCHEME scheme;
    std::wstring host;
    INTERNET_PORT port;
    std::wstring path;  // with the query
    bool sameOrigin(const Place& o) const {
        return scheme == o.scheme && _wcsicmp(host.c_str(), o.host.c_str()) == 0 && port == o.port;
    }
};

std::optional<Place> Crack(const std::wstring& url) {
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = 1;
    if (!WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts))
        return std::nullopt;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS)
        return std::nullopt;
    Place p{parts.nScheme, std::wstring(parts.lpszHostName, parts.dwHostNameLength), parts.nPort,
            std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
                std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength)};
    if (p.host.empty()) return std::nullopt;
    if (p.path.empty()) p.path = L"/";
    return p;
}

std::wstring Header(HINTERNET request, DWORD which) {
    DWORD size = 0;
    WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                        WINHTTP_NO_HEADER_INDEX);
    if (size == 0) return {};
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, value.data(), &size,
                             WINHTTP_NO_HEADER_INDEX))
        return {};
    value.resize(size / sizeof(wchar_t));
    return value;
}

// A redirect's target as a whole address: a path alone stays on the same server.
std::wstring Resolve(const Place& from, const std::wstring& location) {
    if (location.rfind(L"/", 0) != 0 || location.rfind(L"//", 0) == 0) return location;
    return std::wstring(from.scheme == INTERNET_SCHEME_HTTPS ? L"https://" : L"http://") +
           from.host + L":" + std::to_wstring(from.port) + location;
}

}  // namespace

bool WinHttp::get(const std::string& url, uint64_t maxBytes, const Sink& sink, int timeoutMs) {
    cancelled_ = false;
    std::atomic<bool> done{false};
    bool ok = false;
    std::thread request([&] {
        ok = getHere(url, maxBytes, sink, timeoutMs);
        done = true;
    });
    // Meanwhile this thread's windows go on: their messages are handled as they come.
    while (!done) {
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT) != WAIT_OBJECT_0)
            continue;
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            if (m.message == WM_QUIT) {
                cancelled_ = true;
                PostQuitMessage(static_cast<int>(m.wParam));
                break;
            }
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
    }
    request.join();
    return ok;
}

bool WinHttp::getHere(const std::string& url, uint64_t maxBytes, const Sink& sink, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    auto left = [&] {
        return static_cast<int>(std::max<int64_t>(
            0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                   .count()));
    };
    const auto origin = Crack(Widen(url));
    if (!origin) return false;
    Handle session{WinHttpOpen(L"Flenmark", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                               WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0)};
    if (!session.h) return false;
    Place place = *origin;
    for (int hop = 0; hop <= kMaxRedirects && !cancelled_; ++hop) {
        const int ms = left();
        if (ms <= 0) return false;
        WinHttpSetTimeouts(session.h, ms, ms, ms, ms);
        Handle connection{WinHttpConnect(session.h, place.host.c_str(), place.port, 0)};
        Handle request{connection.h
                           ? WinHttpOpenRequest(
                                 connection.h, L"GET", place.path.c_str(), nullptr,
                                 WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                 place.scheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0)
                           : nullptr};
        if (!request.h) return false;
        // Redirects are ours to judge: only to the same scheme, host and port.
        DWORD never = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
        WinHttpSetOption(request.h, WINHTTP_OPTION_REDIRECT_POLICY, &never, sizeof never);
        if (!WinHttpSendRequest(request.h, WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                                WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
            !WinHttpReceiveResponse(request.h, nullptr))
            return false;
        DWORD status = 0, size = sizeof status;
        if (!WinHttpQueryHeaders(request.h, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                 WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
                                 WINHTTP_NO_HEADER_INDEX))
            return false;
        if (status >= 300 && status < 400) {
            const auto next = Crack(Resolve(place, Header(request.h, WINHTTP_QUERY_LOCATION)));
            if (!next || !next->sameOrigin(*origin)) return false;
            place = *next;
            continue;
        }
        if (status < 200 || status >= 300) return false;
        uint64_t received = 0;
        char buffer[64 * 1024];
        for (;;) {
            if (cancelled_ || left() <= 0) return false;
            DWORD n = 0;
            if (!WinHttpReadData(request.h, buffer, sizeof buffer, &n)) return false;
            if (n == 0) return true;
            received += n;
            if (received > maxBytes || !sink(std::string_view(buffer, n))) return false;
        }
    }
    return false;
}

}  // namespace flenmark
