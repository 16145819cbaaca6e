#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace flenmark {

// Reads an HTTP/1.x answer as it arrives: the status line and headers, then the body, with a
// Content-Length, chunked, or up to the end of the connection. Only a 2xx answer is taken; the
// body goes to the sink piece by piece and may hold at most `maxBodyBytes`. Anything malformed,
// too large, or refused by the sink fails the answer for good.
class HttpAnswerDecoder {
  public:
    using Sink = std::function<bool(std::string_view)>;
    enum class State { NeedMore, Done, Failed };

    HttpAnswerDecoder(uint64_t maxBodyBytes, Sink sink);

    // Takes the next bytes of the connection.
    State feed(std::string_view bytes);
    // The server closed the connection: a body without a length ends here.
    State finish();
    State state() const { return state_; }

    static constexpr size_t kMaxHeaderBytes = 64 * 1024;
    static constexpr size_t kMaxChunkLineBytes = 1024;

  private:
    enum class Part { Head, Body, ChunkSize, ChunkData, ChunkEnd, Trailer };
    State step();
    bool readHead();
    bool readChunkSize(std::string_view line);
    bool deliver(std::string_view bytes);
    State fail();

    uint64_t maxBody_;
    Sink sink_;
    State state_ = State::NeedMore;
    Part part_ = Part::Head;
    std::string buffer_;  // bytes taken but not used yet
    bool chunked_ = false;
    bool lengthKnown_ = false;
    uint64_t left_ = 0;  // bytes of the body, or of the chunk, still to come
    uint64_t delivered_ = 0;
};

// The whole body of a complete answer, or nothing: the decoder on one buffer.
std::optional<std::string> DecodeHttpAnswer(std::string_view answer, uint64_t maxBodyBytes);

}  // namespace flenmark
