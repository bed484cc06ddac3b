// Open positions of a best-first search whose priorities are small whole
// numbers: one stack per priority, so taking the best and adding one cost
// the same however many are open. Among equal priorities the one added
// last comes first, so deeper lines are followed before older ones are
// reopened. The stacks keep their room from search to search.
#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fenx {

class BucketQueue {
  public:
    void Clear() {
        for (int p = lowest_; p <= highest_; ++p) {
            buckets_[static_cast<std::size_t>(p)].clear();
        }
        lowest_ = INT_MAX;
        highest_ = -1;
        size_ = 0;
    }
    bool Empty() const { return size_ == 0; }
    // priority >= 0
    void Push(int priority, int32_t node) {
        const auto p = static_cast<std::size_t>(priority);
        if (p >= buckets_.size()) {
            buckets_.resize(p + 1);
        }
        buckets_[p].push_back(node);
        lowest_ = std::min(lowest_, priority);
        highest_ = std::max(highest_, priority);
        ++size_;
    }
    // The best open node; the queue must not be empty.
    int32_t Top() {
        while (buckets_[static_cast<std::size_t>(lowest_)].empty()) {
            ++lowest_;
        }
        return buckets_[static_cast<std::size_t>(lowest_)].back();
    }
    void Pop() {
        Top();
        buckets_[static_cast<std::size_t>(lowest_)].pop_back();
        --size_;
    }

  private:
    std::vector<std::vector<int32_t>> buckets_;
    int lowest_ = INT_MAX; // no bucket below holds a node
    int highest_ = -1;     // nor above
    std::size_t size_ = 0;
};

} // namespace fenx
