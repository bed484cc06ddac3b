// The sets the searches empty by moving a stamp on: an index marked before
// the stamp wrapped round must not come back.
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

} // namespace
} // namespace fenx
