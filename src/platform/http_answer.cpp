#include "platform/http_answer.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>

namespace flenmark {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// A whole number of decimal digits only; nullopt for anything else or an overflow.
std::optional<uint64_t> Decimal(std::string_view text) {
    if (text.empty() || text.size() > 19) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return value;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

HttpAnswerDecoder::HttpAnswerDecoder(uint64_t maxBodyBytes, Sink sink)
    : maxBody_(maxBodyBytes), sink_(std::move(sink)) {}

HttpAnswerDecoder::State HttpAnswerDecoder::fail() {
    buffer_.clear();
    return state_ = State::Failed;
}

HttpAnswerDecoder::State HttpAnswerDecoder::feed(std::string_view bytes) {
    if (state_ != State::NeedMore) return state_;
    buffer_.append(bytes);
    return step();
}

HttpAnswerDecoder::State HttpAnswerDecoder::finish() {
    if (state_ != State::NeedMore) return state_;
    if (part_ == Part::Body && !lengthKnown_) return state_ = State::Done;
    return fail();
}

bool HttpAnswerDecoder::deliver(std::string_view bytes) {
    if (bytes.empty()) return true;
    if (bytes.size() > maxBody_ - delivered_) return false;
    delivered_ += bytes.size();
    return sink_(bytes);
}

bool HttpAnswerDecoder::readHead() {
    const size_t end = buffer_.find("\r\n\r\n");
    if (end == std::string::npos) return buffer_.size() <= kMaxHeaderBytes;
    if (end > kMaxHeaderBytes) return false;
    const std::string_view head(buffer_.data(), end);
    const size_t firstEnd = head.find("\r\n");
    const std::string_view status = head.substr(0, firstEnd);
    if (!(status.substr(0, 9) == "HTTP/1.0 " || status.substr(0, 9) == "HTTP/1.1 ") ||
        status.size() < 12 || status[9] != '2' ||
        !std::isdigit(static_cast<unsigned char>(status[10])) ||
        !std::isdigit(static_cast<unsigned char>(status[11])))
        return false;
    std::optional<uint64_t> length;
    size_t at = firstEnd == std::string_view::npos ? head.size() : firstEnd + 2;
    while (at < head.size()) {
        size_t lineEnd = head.find("\r\n", at);
        if (lineEnd == std::string_view::npos) lineEnd = head.size();
        const std::string_view line = head.substr(at, lineEnd - at);
        at = lineEnd + 2;
        const size_t colon = line.find(':');
        if (colon == std::string_view::npos) return false;
        const std::string name = Lower(TrimBlanks(line.substr(0, colon)));
        const std::string value = Lower(TrimBlanks(line.substr(colon + 1)));
        if (name == "transfer-encoding") {
            chunked_ = value.size() >= 7 && value.compare(value.size() - 7, 7, "chunked") == 0;
        } else if (name == "content-length") {
            const auto n = Decimal(value);
            if (!n || (length && *length != *n)) return false;
            length = n;
        }
    }
    buffer_.erase(0, end + 4);
    if (chunked_) {
        part_ = Part::ChunkSize;
    } else {
        part_ = Part::Body;
        lengthKnown_ = length.has_value();
        left_ = length.value_or(0);
        if (lengthKnown_ && left_ > maxBody_) return false;
    }
    return true;
}

bool HttpAnswerDecoder::readChunkSize(std::string_view line) {
    uint64_t size = 0;
    size_t i = 0;
    for (; i < line.size() && HexDigit(line[i]) >= 0; ++i) {
        if (size > (std::numeric_limits<uint64_t>::max() >> 4)) return false;
        size = size * 16 + static_cast<uint64_t>(HexDigit(line[i]));
    }
    if (i == 0) return false;
    const std::string_view rest = TrimBlanks(line.substr(i));
    if (!rest.empty() && rest.front() != ';') return false;  // only an extension may follow
    if (size > maxBody_ - delivered_) return false;
    left_ = size;
    part_ = size == 0 ? Part::Trailer : Part::ChunkData;
    return true;
}

HttpAnswerDecoder::State HttpAnswerDecoder::step() {
    for (;;) {
        switch (part_) {
            case Part::Head: {
                const Part before = part_;
                if (!readHead()) return fail();
                if (part_ == before) return state_;
                if (part_ == Part::Body && lengthKnown_ && left_ == 0) return state_ = State::Done;
                break;
            }
            case Part::Body: {
                const size_t n =
                    lengthKnown_ ? static_cast<size_t>(std::min<uint64_t>(left_, buffer_.size()))
                                 : buffer_.size();
                if (!deliver(std::string_view(buffer_).substr(0, n))) return fail();
                buffer_.erase(0, n);
                if (lengthKnown_) {
                    left_ -= n;
                    if (left_ == 0) return state_ = State::Done;
                }
                return state_;
            }
            case Part::ChunkSize:
            case Part::Trailer: {
                const size_t end = buffer_.find("\r\n");
                if (end == std::string::npos) {
                    if (buffer_.size() > kMaxChunkLineBytes) return fail();
                    return state_;
                }
                const std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 2);
                if (part_ == Part::Trailer) {
                    if (line.empty()) return state_ = State::Done;
                    if (line.size() > kMaxChunkLineBytes) return fail();
                } else if (!readChunkSize(line)) {
                    return fail();
                }
                break;
            }
            case Part::ChunkData: {
                const size_t n = static_cast<size_t>(std::min<uint64_t>(left_, buffer_.size()));
                if (!deliver(std::string_view(buffer_).substr(0, n))) return fail();
                buffer_.erase(0, n);
                left_ -= n;
                if (left_ > 0) return state_;
                part_ = Part::ChunkEnd;
                break;
            }
            case Part::ChunkEnd:
                if (buffer_.size() < 2) return state_;
                if (buffer_.compare(0, 2, "\r\n") != 0) return fail();
                buffer_.erase(0, 2);
                part_ = Part::ChunkSize;
                break;
        }
    }
}

std::optional<std::string> DecodeHttpAnswer(std::string_view answer, uint64_t maxBodyBytes) {
    std::string body;
    HttpAnswerDecoder decoder(maxBodyBytes, [&](std::string_view piece) {
        body.append(piece);
        return true;
    });
    decoder.feed(answer);
    if (decoder.finish() != HttpAnswerDecoder::State::Done) return std::nullopt;
    return body;
}

}  // namespace flenmark
