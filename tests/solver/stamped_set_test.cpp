// The sets the searches empty by moving a stamp on: an index or key marked
// before the stamp wrapped round must not come back, nor a key be lost
// among others on the same slot.
#include <gtest/gtest.h>

#include <cstdint>

#include "solver/stamped_set.h"

namespace fenx {
namespace {

TEST(StampedSet, AnIndexMarkedBeforeTheStampWrappedIsNotInTheSet) {
    // A byte-wide stamp wraps after 255 clears, as the searches' wraps
    // after 2^32 - 1.
    StampedSet<8, uint8_t> set;
    EXPECT_FALSE(set.Contains(3)); // empty when made
    set.Clear();
    set.Insert(3);
    ASSERT_TRUE(set.Contains(3));
    for (int i = 0; i < 255; ++i) {
        set.Clear(); // the last one brings the stamp back to the one 3 was marked with
        ASSERT_FALSE(set.Contains(3)) << "after " << i + 1 << " clears";
    }
    set.Insert(5);
    EXPECT_TRUE(set.Contains(5));
    EXPECT_FALSE(set.Contains(3));
}

TEST(StampedKeySet, KeysOnOneSlotAreToldApartAndGoneAfterAClear) {
    // Keys equal in their low bits all probe from the same slot; the set
    // fills to half its slots, as the clearing search may.
    constexpr std::size_t kSlots = 64;
    StampedKeySet<kSlots, uint8_t> set;
    const auto key = [](uint64_t i) { return i * kSlots + 5; };
    for (int round = 0; round < 300; ++round) { // the byte stamp wraps on the way
        set.Clear();
        for (uint64_t i = 0; i < kSlots / 2; ++i) {
            ASSERT_TRUE(set.Insert(key(i))) << "round " << round << " key " << i;
        }
        for (uint64_t i = 0; i < kSlots / 2; ++i) {
            ASSERT_FALSE(set.Insert(key(i))) << "a key already in the set went in again";
        }
        EXPECT_TRUE(set.Insert(key(kSlots / 2)));
        EXPECT_TRUE(set.Insert(6)); // another slot
    }
}

} // namespace
} // namespace fenx
