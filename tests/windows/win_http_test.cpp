// The WinHTTP client against a small server on 127.0.0.1: the same limits as every Http.
#include "platform/win/win_http.h"

#include <gtest/gtest.h>
#include <winsock2.h>

#include <atomic>
#include <map>
#include <thread>

#include "platform/win/win_shell.h"

namespace flenmark {
namespace {

// Answers each request with the raw answer given for its path, 404 otherwise; counts requests.
class RawServer {
  public:
    explicit RawServer(std::map<std::string, std::string> answers) : answers_(std::move(answers)) {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in at{};
        at.sin_family = AF_INET;
        at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&at), sizeof at);
        int size = sizeof at;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&at), &size);
        port_ = ntohs(at.sin_port);
        listen(listener_, 8);
        thread_ = std::thread([this] { serve(); });
    }
    ~RawServer() {
        stop_ = true;
        closesocket(listener_);
        thread_.join();
        WSACleanup();
    }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    int requests() const { return requests_; }

  private:
    void serve() {
        while (!stop_) {
            SOCKET s = accept(listener_, nullptr, nullptr);
            if (s == INVALID_SOCKET) return;
            std::string request;
            char buffer[4096];
            int n = 0;
            while (request.find("\r\n\r\n") == std::string::npos &&
                   (n = recv(s, buffer, sizeof buffer, 0)) > 0)
                request.append(buffer, static_cast<size_t>(n));
            ++requests_;
            const std::string path = request.substr(4, request.find(' ', 4) - 4);
            const auto found = answers_.find(path);
            const std::string answer = found != answers_.end()
                                           ? found->second
                                           : "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n";
            for (size_t at = 0; at < answer.size();) {
                const int sent =
                    send(s, answer.data() + at,
                         static_cast<int>(std::min<size_t>(answer.size() - at, 65536)), 0);
                if (sent <= 0) break;
                at += static_cast<size_t>(sent);
            }
            shutdown(s, SD_SEND);
            closesocket(s);
        }
    }
    std::map<std::string, std::string> answers_;
    SOCKET listener_;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

std::string Ok(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::string Redirect(const std::string& to) {
    return "HTTP/1.1 302 Found\r\nLocation: " + to + "\r\nContent-Length: 0\r\n\r\n";
}

TEST(WinHttp, CapsAnswersAndFollowsRedirectsOnlyToTheSameServer) {
    RawServer elsewhere({{"/Submit.asp", Ok("thanks")}});
    RawServer vendor({{"/fits", Ok(std::string(kMaxTextAnswerBytes, 'x'))},
                      {"/too-big", Ok(std::string(kMaxTextAnswerBytes + 1, 'x'))},
                      {"/moved", Ok("here")},
                      {"/old", Redirect("/moved")},
                      {"/Submit.asp", Redirect(elsewhere.url("/Submit.asp?User=me"))}});
    WinHttp http;
    EXPECT_EQ(http.fetch(vendor.url("/fits")).value_or("").size(), kMaxTextAnswerBytes);
    EXPECT_FALSE(http.fetch(vendor.url("/too-big")));
    EXPECT_EQ(http.fetch(vendor.url("/old")).value_or(""), "here");
    EXPECT_FALSE(http.fetch(vendor.url("/Submit.asp")));
    EXPECT_EQ(elsewhere.requests(), 0);
    EXPECT_FALSE(http.fetch(vendor.url("/missing")));
    // A sink that stops a download fails it.
    EXPECT_FALSE(http.download(
        vendor.url("/fits"), [](std::string_view) { return false; }, 5000));
}

TEST(WinShell, CommandLinesHandEveryArgumentOverUnchanged) {
    const std::pair<std::vector<std::string>, std::wstring> cases[] = {
        {{}, LR"("C:\Program Files\Flenmark\flenmark.exe")"},
        {{"--x"}, LR"("C:\Program Files\Flenmark\flenmark.exe" --x)"},
        {{"a b", ""}, LR"("C:\Program Files\Flenmark\flenmark.exe" "a b" "")"},
        {{R"(say "hi")"}, LR"("C:\Program Files\Flenmark\flenmark.exe" "say \"hi\"")"},
        {{R"(C:\dir with space\)"},
         LR"("C:\Program Files\Flenmark\flenmark.exe" "C:\dir with space\\")"}};
    for (const auto& [args, line] : cases)
        EXPECT_EQ(QuotedCommandLine("C:/Program Files/Flenmark/flenmark.exe", args), line);
    // Nothing opens a file of a type nobody handles: the caller says where it is instead.
    EXPECT_FALSE(WinShell().open("C:/no such folder/flight.flenmark-test"));
}

}  // namespace
}  // namespace flenmark
