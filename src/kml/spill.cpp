#include "kml/spill.h"

#include <sstream>

#include "base/number_text.h"

namespace flenmark {
Spill::Spill(size_t bufferBytes) : bufferBytes_(bufferBytes) {}

Spill::~Spill() {
    if (file_) std::fclose(file_);
}

void Spill::append(std::string_view text) {
    buffer_ += text;
    size_ += text.size();
    if (buffer_.size() >= bufferBytes_) flush();
}

void Spill::flush() {
    if (buffer_.empty()) return;
    if (!file_) file_ = std::tmpfile();
    if (!file_ || std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
        throw ConversionFault("cannot keep a part of the document aside");
    buffer_.clear();
}

void Spill::copyTo(std::ostream& out) {
    if (file_) {
        flush();
        std::rewind(file_);
        char block[1 << 16];
        size_t n = 0;
        while ((n = std::fread(block, 1, sizeof block, file_)) > 0)
            out.write(block, static_cast<std::streamsize>(n));
        if (std::ferror(file_)) throw ConversionFault("cannot read a part of the document back");
        std::fseek(file_, 0, SEEK_END);
    }
    out << buffer_;
}

std::string Spill::text() {
    std::ostringstream all;
    copyTo(all);
    return all.str();
}

}  // namespace flenmark
