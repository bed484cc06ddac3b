// A set of grid cells (or of any indices below N) that empties in constant
// time: an index is in the set while its mark equals the set's stamp, and
// emptying moves the stamp on. When the stamp wraps round, every mark is
// wiped for real, so an index marked long ago never seems marked again.
// The searches empty their sets once per search, thousands of times a plan.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

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

} // namespace fenx
