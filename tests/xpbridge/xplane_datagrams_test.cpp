#include "xpbridge/xplane_datagrams.h"

#include <gtest/gtest.h>

#include <cstring>

#include "xpbridge/xplane_datarefs.h"

namespace flenmark::xpbridge {
namespace {

template <typename T>
void Append(std::vector<uint8_t>& d, T value) {
    const size_t at = d.size();
    d.resize(at + sizeof value);
    std::memcpy(d.data() + at, &value, sizeof value);
}

std::vector<uint8_t> Bytes(const std::string& header, std::initializer_list<float> values) {
    std::vector<uint8_t> d(header.begin(), header.end());
    int32_t index = 0;
    for (float v : values) {
        Append(d, index++);
        Append(d, v);
    }
    return d;
}

TEST(RrefAnswer, AnyFifthByteAndWholePairsOnly) {
    const struct {
        std::vector<uint8_t> datagram;
        size_t values;  // 0: refused
    } cases[] = {
        {Bytes(std::string("RREF,", 5), {1.5f, 2.5f}), 2},
        {Bytes(std::string("RREF\0", 5), {1.5f}), 1},
        {Bytes(std::string("RREFO", 5), {1.5f}), 1},
        {Bytes(std::string("RREF,", 5), {}), 0},
        {Bytes(std::string("RPOS4", 5), {1.5f}), 0},
        {Bytes(std::string("RRE", 3), {}), 0},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseRref(c.datagram);
        EXPECT_EQ(parsed ? parsed->size() : 0u, c.values) << c.datagram.size();
    }
    auto cut = Bytes(std::string("RREF,", 5), {1.5f, 2.5f});
    cut.pop_back();
    EXPECT_FALSE(ParseRref(cut));
    std::vector<uint8_t> huge = Bytes(std::string("RREF,", 5), {});
    huge.resize(5 + 8 * (kMaxRrefValues + 1));
    EXPECT_FALSE(ParseRref(huge));
    const auto values = *ParseRref(Bytes(std::string("RREF,", 5), {1.5f, -2.25f}));
    EXPECT_EQ(values[1].index, 1);
    EXPECT_EQ(values[1].value, -2.25f);
}

TEST(RposAnswer, DoublesForThePlaceAndExactlySixtyNineBytes) {
    std::vector<uint8_t> d = {'R', 'P', 'O', 'S', '4'};
    for (double v : {4.7612345678, 52.3123456789, 512.5}) Append(d, v);
    for (float v : {12.5f, 3.0f, 241.0f, -5.0f, 1.0f, 2.0f, 3.0f, 0.0f, 0.0f, 0.0f}) Append(d, v);
    const auto fix = ParseRpos(d);
    ASSERT_TRUE(fix);
    EXPECT_EQ(fix->lonDeg, 4.7612345678);
    EXPECT_EQ(fix->latDeg, 52.3123456789);
    EXPECT_EQ(fix->elevationM, 512.5);
    EXPECT_EQ(fix->aglM, 12.5f);
    EXPECT_EQ(fix->headingDeg, 241.0f);
    d[4] = 0;
    EXPECT_TRUE(ParseRpos(d));
    d.push_back(0);
    EXPECT_FALSE(ParseRpos(d));
    d.resize(68);
    EXPECT_FALSE(ParseRpos(d));
}

TEST(Requests, LayoutOfASubscriptionAndOfThePositionRequest) {
    const auto r = RrefRequest(5, 7, "sim/flightmodel/position/psi");
    ASSERT_EQ(r.size(), 413u);
    EXPECT_EQ(std::memcmp(r.data(), "RREF\0", 5), 0);
    int32_t freq = 0, index = 0;
    std::memcpy(&freq, r.data() + 5, 4);
    std::memcpy(&index, r.data() + 9, 4);
    EXPECT_EQ(freq, 5);
    EXPECT_EQ(index, 7);
    EXPECT_STREQ(reinterpret_cast<const char*>(r.data() + 13), "sim/flightmodel/position/psi");
    const auto p = RposRequest(20);
    EXPECT_EQ(std::string(p.begin(), p.begin() + 8), std::string("RPOS\0"
                                                                 "20\0",
                                                                 8));
}

}  // namespace
}  // namespace flenmark::xpbridge
