#include "platform/qt/qt_http.h"

#include <gtest/gtest.h>

#include "support/vendor_server.h"

namespace flenmark::ui {
namespace {

std::string Redirect(const std::string& to) {
    return "HTTP/1.1 302 Found\r\nLocation: " + to + "\r\nContent-Length: 0\r\n\r\n";
}

TEST(QtHttp, TextAnswersAreCappedAtOneMebibyte) {
    testing::VendorServer server;
    server.serve("/fits", std::string(kMaxTextAnswerBytes, 'x'));
    server.serve("/too-big", std::string(kMaxTextAnswerBytes + 1, 'x'));
    QtHttp http;
    EXPECT_EQ(http.fetch(server.baseUrl() + "/fits").value_or("").size(), kMaxTextAnswerBytes);
    EXPECT_FALSE(http.fetch(server.baseUrl() + "/too-big"));
}

TEST(QtHttp, RedirectsStayOnTheSameServer) {
    testing::VendorServer vendor, elsewhere;
    elsewhere.serve("/Submit.asp", "thanks");
    vendor.serve("/moved", "here");
    vendor.serveRaw("/Submit.asp", Redirect(elsewhere.baseUrl() + "/Submit.asp?User=me"));
    vendor.serveRaw("/old", Redirect(vendor.baseUrl() + "/moved"));
    QtHttp http;
    EXPECT_FALSE(http.fetch(vendor.baseUrl() + "/Submit.asp?User=me"));
    EXPECT_TRUE(elsewhere.requests().empty());
    EXPECT_EQ(http.fetch(vendor.baseUrl() + "/old").value_or(""), "here");
}

TEST(QtHttp, DownloadsArriveInPiecesAndASinkCanStopThem) {
    testing::VendorServer server;
    const std::string file(3 * 1024 * 1024, 'f');
    server.serve("/file", file);
    QtHttp http;
    std::string got;
    int pieces = 0;
    EXPECT_TRUE(http.download(
        server.baseUrl() + "/file",
        [&](std::string_view piece) {
            got += piece;
            return ++pieces > 0;
        },
        10000));
    EXPECT_EQ(got, file);
    EXPECT_GT(pieces, 1);
    EXPECT_FALSE(http.download(
        server.baseUrl() + "/file", [](std::string_view) { return false; }, 10000));
}

}  // namespace
}  // namespace flenmark::ui
