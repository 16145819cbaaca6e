#include "recorder/realtime_text.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "base/utf8_path.h"

namespace flenmark {
namespace {

namespace fs = std::filesystem;

// Appends bytes [from, end) of `source` to `out`.
bool CopyTail(const std::string& source, uint64_t from, std::ofstream& out) {
    std::ifstream in(PathOf(source), std::ios::binary);
    if (!in) return false;
    in.seekg(static_cast<std::streamoff>(from));
    std::vector<char> buffer(1 << 16);
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        out.write(buffer.data(), in.gcount());
    }
    return !in.bad() && !out.fail();
}

bool FullCopy(const std::string& logPath, const std::string& realtimePath,
              const std::string& tail) {
    std::ofstream out(PathOf(realtimePath), std::ios::binary | std::ios::trunc);
    if (!out || !CopyTail(logPath, 0, out)) return false;
    out.write(tail.data(), static_cast<std::streamsize>(tail.size()));
    out.close();
    return !out.fail();
}

}  // namespace

bool UpdateRealtimeText(const std::string& logPath, const std::string& realtimePath,
                        const std::string& line, RealtimeTextState& state) {
    std::error_code ec;
    if (fs::is_directory(PathOf(logPath), ec) || fs::is_directory(PathOf(realtimePath), ec))
        return false;
    if (!fs::exists(PathOf(logPath), ec)) std::ofstream(PathOf(logPath), std::ios::app);
    const uint64_t logSize = fs::file_size(PathOf(logPath), ec);
    if (ec) return false;
    const std::string tail = line + "\r\n";
    const uint64_t realtimeSize = fs::file_size(PathOf(realtimePath), ec);
    const bool resumable = state.valid && !ec && logSize >= state.logBytes &&
                           realtimeSize == state.logBytes + state.tailBytes;
    bool ok = false;
    if (resumable) {
        fs::resize_file(PathOf(realtimePath), state.logBytes, ec);
        std::ofstream out(PathOf(realtimePath), std::ios::binary | std::ios::app);
        ok = !ec && out && CopyTail(logPath, state.logBytes, out);
        if (ok) {
            out.write(tail.data(), static_cast<std::streamsize>(tail.size()));
            out.close();
            ok = !out.fail();
        }
    } else {
        ok = FullCopy(logPath, realtimePath, tail);
    }
    state = {ok, logSize, tail.size()};
    return ok;
}

}  // namespace flenmark
