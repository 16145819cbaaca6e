#include "base/atomic_file_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace flenmark {
namespace {

constexpr size_t kBufferBytes = 1 << 20;

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string path)
    : path_(std::move(path)),
      temp_(path_ + ".tmp" + std::to_string(::getpid())),
      buffer_(new char[kBufferBytes]) {
    out_.rdbuf()->pubsetbuf(buffer_.get(), kBufferBytes);
    out_.open(temp_, std::ios::binary | std::ios::trunc);
}

AtomicFileWriter::~AtomicFileWriter() {
    if (committed_) return;
    out_.close();
    ::unlink(temp_.c_str());
}

bool AtomicFileWriter::commit(Durability durability) {
    if (!out_.is_open()) return false;
    out_.flush();
    bool ok = out_.good();
    out_.close();
    ok = ok && !out_.fail();
    if (ok && durability == Durability::Flushed) {
        const int fd = ::open(temp_.c_str(), O_WRONLY | O_CLOEXEC);
        ok = fd >= 0 && ::fsync(fd) == 0;
        if (fd >= 0) ::close(fd);
    }
    ok = ok && std::rename(temp_.c_str(), path_.c_str()) == 0;
    if (!ok) ::unlink(temp_.c_str());
    committed_ = true;
    return ok;
}

}  // namespace flenmark
