// The HTTP answer decoder: whatever a server sends, the body never passes the cap, and the
// answer decodes the same whether it arrives whole or in pieces.
#include "fuzz_support.h"
#include "platform/http_answer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace flenmark;
    if (size < 1) return 0;
    const size_t step = 1 + data[0] % 17;  // the size of the pieces it arrives in
    const std::string_view answer(reinterpret_cast<const char*>(data + 1), size - 1);
    constexpr uint64_t kCap = 4096;
    const auto whole = DecodeHttpAnswer(answer, kCap);
    std::string body;
    HttpAnswerDecoder decoder(kCap, [&](std::string_view piece) {
        body.append(piece);
        return true;
    });
    for (size_t at = 0; at < answer.size(); at += step) decoder.feed(answer.substr(at, step));
    const bool done = decoder.finish() == HttpAnswerDecoder::State::Done;
    fuzz::Require(done == whole.has_value(), "pieces and whole agree on success");
    fuzz::Require(!done || body == *whole, "pieces and whole give the same body");
    fuzz::Require(body.size() <= kCap, "the body stays within the cap");
    return 0;
}
