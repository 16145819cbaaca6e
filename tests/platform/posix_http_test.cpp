#include "platform/posix_http.h"

#include <gtest/gtest.h>

#include "support/vendor_server.h"

namespace flenmark {
namespace {

TEST(PosixHttp, PlainAndChunkedAnswers) {
    testing::VendorServer server;
    server.serve("/json/position", "{\"name\":\"position\",\"value\":21.3}");
    PosixHttp http(1000);
    EXPECT_EQ(http.fetch(server.baseUrl() + "/json/position?d=1").value_or("?"),
              "{\"name\":\"position\",\"value\":21.3}");
    server.setChunked(true);
    EXPECT_EQ(http.fetch(server.baseUrl() + "/json/position").value_or("?"),
              "{\"name\":\"position\",\"value\":21.3}");
    EXPECT_FALSE(http.fetch(server.baseUrl() + "/missing"));
    EXPECT_FALSE(http.fetch("https://127.0.0.1/secure"));
    server.setDown(true);
    EXPECT_FALSE(http.fetch(server.baseUrl() + "/json/position"));
}

}  // namespace
}  // namespace flenmark
