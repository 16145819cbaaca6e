// The WinHTTP client against a small server on 127.0.0.1: the same limits as every Http.
#include "platform/win/win_http.h"

#include <gtest/gtest.h>
#include <winsock2.h>

#include "platform/win/win_shell.h"
#include "windows/raw_server.h"

namespace flenmark {
namespace {

std::string Ok(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

std::string Redirect(const std::string& to) {
    return "HTTP/1.1 302 Found\r\nLocation: " + to + "\r\nContent-Length: 0\r\n\r\n";
}

TEST(WinHttp, CapsAnswersAndFollowsRedirectsOnlyToTheSameServer) {
    testing::RawServer elsewhere({{"/Submit.asp", Ok("thanks")}});
    testing::RawServer vendor({{"/fits", Ok(std::string(kMaxTextAnswerBytes, 'x'))},
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
