// Clearing the cheapest way to a ready slot by a best-first search over
// whole moves of the free blocks near it (one block to any place it can
// reach), each position judged by the cells of its own cheapest way still
// covered, until some block can walk to a ready slot. Slower than
// evicting, but it finds the jams that need moves in a clever order. Moves
// of different blocks taken in another order lead to the same position, so
// each position is queued once, known by a hash of where its moved blocks
// stand. The node, queue and hash buffers are reserved once.
#pragma once

#include <cstdint>
#include <vector>

#include "solver/anchor_search.h"
#include "solver/budget.h"
#include "solver/cheapest_way.h"
#include "solver/position.h"
#include "solver/relaxed_way.h"
#include "solver/target.h"

namespace fenx {

class PathClearing {
  public:
    PathClearing(Position& p, const Target& t, AnchorSearch& reach, RelaxedWay& relaxed,
                 CheapestWay& cheapest, Budget& budget);

    // At most `expansions` positions; true when the moves found joined
    // the plan and some block can now walk to a ready slot.
    bool Clear(int expansions);

  private:
    struct Node {
        int32_t parent;
        int16_t block;
        int16_t anchor;
        int16_t depth;
        int16_t cost; // cells of the cleared way still covered
        uint64_t key; // the position, as the moves from the root changed it
    };

    // p moved from the search's root to node n, or back.
    void GoTo(int n);
    void GoBack();
    void ExpandNear(int n, const Node& node, int covered);
    void MarkNear(int cell);
    void AddParkingMoves(int n, const Node& node, int b, int rest);

    Position& p_;
    const Target& t_;
    AnchorSearch& reach_;
    RelaxedWay& relaxed_;
    CheapestWay& cheapest_;
    Budget& budget_;

    std::vector<Node> nodes_;
    std::vector<uint64_t> frontier_;
    std::vector<int32_t> chain_;
    std::vector<int16_t> chainOld_;
    StampedSet<kSolverCells> near_;
    // At most kNodeCapacity positions a search: never more than half full.
    StampedKeySet<(std::size_t{1} << 17)> reachedKeys_;
};

} // namespace fenx
