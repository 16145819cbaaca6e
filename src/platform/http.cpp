#include "platform/http.h"

namespace flenmark {

std::optional<std::string> Http::fetch(const std::string& url) {
    std::string body;
    const auto collect = [&](std::string_view piece) {
        body.append(piece);
        return true;
    };
    const FetchLimits limits = fetchLimits();
    if (!get(url, limits.maxBytes, collect, limits.timeoutMs)) return std::nullopt;
    return body;
}

}  // namespace flenmark
