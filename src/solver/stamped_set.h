// A set of grid cells (or of any indices below N) that empties in constant
// time: an index is in the set while its mark equals the set's stamp, and
// emptying moves the stamp on. When the stamp wraps round, every mark is
// wiped for real, so an index marked long ago never seems marked again.
// The searches empty their sets once per search, thousands of times a plan.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fenx {

template <std::size_t N, class Stamp = uint32_t>
class StampedSet {
  public:
    void Clear() {
        if (++stamp_ == 0) {
            marks_.fill(0);
            stamp_ = 1;
        }
    }
    void Insert(int i) { marks_[static_cast<std::size_t>(i)] = stamp_; }
    bool Contains(int i) const { return marks_[static_cast<std::size_t>(i)] == stamp_; }

  private:
    std::array<Stamp, N> marks_{};
    Stamp stamp_ = 1; // marks start at 0: empty
};

// The same for 64-bit keys (hashes of positions), by open addressing over
// a table of `Slots` (a power of two), which the user keeps well under
// full: a slot is taken while its mark equals the stamp.
template <std::size_t Slots, class Stamp = uint32_t>
class StampedKeySet {
    static_assert((Slots & (Slots - 1)) == 0);

  public:
    StampedKeySet() : keys_(Slots), marks_(Slots) {}
    void Clear() {
        if (++stamp_ == 0) {
            std::fill(marks_.begin(), marks_.end(), Stamp{0});
            stamp_ = 1;
        }
    }
    // Adds key; false when it was in the set already.
    bool Insert(uint64_t key) {
        std::size_t i = key & (Slots - 1);
        for (; marks_[i] == stamp_; i = (i + 1) & (Slots - 1)) {
            if (keys_[i] == key) {
                return false;
            }
        }
        marks_[i] = stamp_;
        keys_[i] = key;
        return true;
    }

  private:
    std::vector<uint64_t> keys_;
    std::vector<Stamp> marks_;
    Stamp stamp_ = 1;
};

} // namespace fenx
