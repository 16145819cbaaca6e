#pragma once

#include <array>
#include <cstdint>
#include <cstring>

namespace flenmark::simhost {

// The simulator's 64 KiB offset table, little-endian as the protocol wants it.
class OffsetTable {
  public:
    static constexpr uint32_t kSize = 0x10000;

    // False (and nothing copied) when the range leaves the table.
    bool read(uint32_t offset, uint32_t size, uint8_t* out) const {
        if (!inside(offset, size)) return false;
        std::memcpy(out, bytes_.data() + offset, size);
        return true;
    }
    bool write(uint32_t offset, uint32_t size, const uint8_t* in) {
        if (!inside(offset, size)) return false;
        std::memcpy(bytes_.data() + offset, in, size);
        return true;
    }
    template <class T>
    void poke(uint32_t offset, T value) {
        write(offset, sizeof value, reinterpret_cast<const uint8_t*>(&value));
    }
    template <class T>
    T peek(uint32_t offset) const {
        T value{};
        read(offset, sizeof value, reinterpret_cast<uint8_t*>(&value));
        return value;
    }

  private:
    static bool inside(uint32_t offset, uint32_t size) {
        return offset <= kSize && size <= kSize - offset;
    }
    std::array<uint8_t, kSize> bytes_{};
};

}  // namespace flenmark::simhost
