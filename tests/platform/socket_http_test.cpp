#include "platform/socket_http.h"

#include <gtest/gtest.h>

#include "platform/http_answer.h"
#include "support/vendor_server.h"

namespace flenmark {
namespace {

struct AnswerCase {
    const char* name;
    std::string answer;
    const char* body;  // nullptr: the answer is refused
};

class HttpAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

const std::string kChunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";

TEST_P(HttpAnswerTest, WholeAndByteByByte) {
    const AnswerCase& c = GetParam();
    const auto whole = DecodeHttpAnswer(c.answer, 16);
    EXPECT_EQ(whole.has_value(), c.body != nullptr);
    if (whole && c.body) {
        EXPECT_EQ(*whole, c.body);
    }
    std::string body;
    HttpAnswerDecoder decoder(16, [&](std::string_view piece) {
        body += piece;
        return true;
    });
    for (char ch : c.answer) decoder.feed(std::string_view(&ch, 1));
    EXPECT_EQ(decoder.finish() == HttpAnswerDecoder::State::Done, c.body != nullptr);
    if (c.body) {
        EXPECT_EQ(body, c.body);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HttpAnswerTest,
    ::testing::Values(
        AnswerCase{"Length", "HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabcdef", "abc"},
        AnswerCase{"ToTheEnd", "HTTP/1.0 200 OK\r\nServer: x\r\n\r\nabcdef", "abcdef"},
        AnswerCase{"Chunked", kChunked + "2;ext=1\r\nab\r\nA\r\n0123456789\r\n0\r\nX: y\r\n\r\n",
                   "ab0123456789"},
        AnswerCase{"NegativeChunk", kChunked + "2\r\nab\r\n-6\r\n0\r\n\r\n", nullptr},
        AnswerCase{"ChunkSizeOverflows", kChunked + "10000000000000001\r\nab\r\n", nullptr},
        AnswerCase{"ChunksPastTheCap", kChunked + "9\r\n123456789\r\n8\r\n12345678\r\n0\r\n\r\n",
                   nullptr},
        AnswerCase{"LengthPastTheCap", "HTTP/1.1 200 OK\r\nContent-Length: 17\r\n\r\n", nullptr},
        AnswerCase{"BodyToTheEndPastTheCap", "HTTP/1.0 200 OK\r\n\r\n01234567890123456", nullptr},
        AnswerCase{"LengthNotANumber", "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n", nullptr},
        AnswerCase{"TwoLengths",
                   "HTTP/1.1 200 OK\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab", nullptr},
        AnswerCase{"ChunkWithoutItsLineEnd", kChunked + "2\r\nabXX0\r\n\r\n", nullptr},
        AnswerCase{"ChunkedCutShort", kChunked + "5\r\nab", nullptr},
        AnswerCase{"LengthCutShort", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nab", nullptr},
        AnswerCase{"NotFound", "HTTP/1.1 404 Not Found\r\nContent-Length: 1\r\n\r\nx", nullptr},
        AnswerCase{"Redirect", "HTTP/1.1 302 Found\r\nLocation: http://elsewhere/\r\n\r\n",
                   nullptr},
        AnswerCase{"NotHttp", "SSH-2.0-OpenSSH\r\n\r\n", nullptr}),
    [](const auto& info) { return info.param.name; });

TEST(SocketHttp, PlainChunkedAndRefusedAnswers) {
    testing::VendorServer server;
    server.serve("/json/position", "{\"name\":\"position\",\"value\":21.3}");
    server.serveRaw("/spin", kChunked + "2\r\nab\r\n-6\r\n0\r\n\r\n");
    SocketHttp http(1000, 64);
    EXPECT_EQ(http.fetch(server.baseUrl() + "/json/position?d=1").value_or("?"),
              "{\"name\":\"position\",\"value\":21.3}");
    server.setChunked(true);
    EXPECT_EQ(http.fetch(server.baseUrl() + "/json/position").value_or("?"),
              "{\"name\":\"position\",\"value\":21.3}");
    EXPECT_FALSE(http.fetch(server.baseUrl() + "/spin"));
    EXPECT_FALSE(http.fetch(server.baseUrl() + "/missing"));
    EXPECT_FALSE(http.fetch("https://127.0.0.1/secure"));
    EXPECT_FALSE(http.fetch(server.baseUrl() + "/a b"));
    server.serve("/big", std::string(65, 'x'));
    EXPECT_FALSE(http.fetch(server.baseUrl() + "/big"));
    server.setDown(true);
    EXPECT_FALSE(http.fetch(server.baseUrl() + "/json/position"));
}

}  // namespace
}  // namespace flenmark
