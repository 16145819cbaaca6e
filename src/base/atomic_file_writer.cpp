#include "base/atomic_file_writer.h"

#include "base/os_files.h"

namespace flenmark {
namespace {

constexpr size_t kBufferBytes = 1 << 20;

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::string path)
    : path_(std::move(path)),
      temp_(path_ + ".tmp" + std::to_string(os::ProcessId())),
      buffer_(new char[kBufferBytes]) {
    out_.rdbuf()->pubsetbuf(buffer_.get(), kBufferBytes);
    out_.open(temp_, std::ios::binary | std::ios::trunc);
}

AtomicFileWriter::~AtomicFileWriter() {
    if (committed_) return;
    out_.close();
    os::RemoveFile(temp_);
}

bool AtomicFileWriter::commit(Durability durability) {
    if (!out_.is_open()) return false;
    out_.flush();
    bool ok = out_.good();
    out_.close();
    ok = ok && !out_.fail();
    if (ok && durability == Durability::Flushed) {
        const os::File file = os::OpenForAppend(temp_);
        ok = file != os::kNoFile && os::Sync(file);
        if (file != os::kNoFile) os::Close(file);
    }
    ok = ok && os::RenameReplacing(temp_, path_);
    if (!ok) os::RemoveFile(temp_);
    committed_ = true;
    return ok;
}

}  // namespace flenmark
