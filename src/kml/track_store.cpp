#include "kml/track_store.h"

#include "base/number_text.h"
#include "base/os_files.h"

namespace flenmark {

TrackStore::TrackStore(size_t lists, size_t budgetBytes) : lists_(lists), budget_(budgetBytes) {}

TrackStore::~TrackStore() {
    if (file_) std::fclose(file_);
}

size_t TrackStore::addTrack() {
    tracks_.resize(tracks_.size() + lists_);
    return tracks() - 1;
}

void TrackStore::append(size_t track, size_t list, std::string_view text) {
    tracks_[track * lists_ + list].pending += text;
    pendingBytes_ += text.size();
    if (pendingBytes_ >= budget_) flushAll();
}

void TrackStore::flushAll() {
    if (!file_) file_ = std::tmpfile();
    if (!file_) throw ConversionFault("cannot keep the time tracks aside");
    std::fseek(file_, 0, SEEK_END);
    for (List& list : tracks_) {
        if (list.pending.empty()) continue;
        if (std::fwrite(list.pending.data(), 1, list.pending.size(), file_) != list.pending.size())
            throw ConversionFault("cannot keep the time tracks aside");
        list.pieces.push_back({fileSize_, list.pending.size()});
        fileSize_ += list.pending.size();
        std::string().swap(list.pending);  // an aircraft long gone keeps no buffer
    }
    pendingBytes_ = 0;
}

void TrackStore::copyTo(std::ostream& out, size_t track, size_t list) {
    List& l = tracks_[track * lists_ + list];
    if (!l.pieces.empty() && std::fflush(file_) != 0)
        throw ConversionFault("cannot keep the time tracks aside");
    std::string block;
    for (const Piece& piece : l.pieces) {
        block.resize(piece.size);
        if (!os::Seek(file_, piece.offset) ||
            std::fread(block.data(), 1, piece.size, file_) != piece.size)
            throw ConversionFault("cannot read the time tracks back");
        out << block;
    }
    out << l.pending;
}

}  // namespace flenmark
