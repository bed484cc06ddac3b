// A search over whole positions for small fields, where the slot filling
// may walk into a dead end: each position is the places of the movable
// blocks, packed into 128 bits (7 bits a block, blocks of one orientation
// sorted, since they are interchangeable), and each move takes one block to
// any place it can walk to. Every move can be undone, so a second search
// runs back from solved positions (exact covers of the rows that may end
// the stage) toward the start, and the two stop where they meet. The full
// rows of a solved field need not touch: any H rows will do whose runs of
// adjacent rows can each be tiled on their own and which hold every fixed
// block. Each side expands best first, judged by the moves made, the
// blocks not yet on the places of its nearest target and the steps they
// still have to go; no position is stored twice, so given room the search
// tries every reachable position. The node arena and the hash table are
// allocated on first use and reused; a search allocates nothing.
//
// The solved targets are collected in exact_targets.cpp. Where fixed
// blocks leave the slot filling no room to clear its ways, the same arena
// serves a search slot by slot (slot_search.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/block.h"
#include "solver/anchor_search.h"
#include "solver/bucket_queue.h"
#include "solver/budget.h"
#include "solver/position.h"
#include "solver/solver_grid.h"
#include "solver/stamped_set.h"
#include "solver/target.h"
#include "solver/way_prices.h"

namespace fenx {

class ExactSearch {
  public:
    // Room for 2^capacityBits positions (24 bytes each, and twice as many
    // 8-byte entries of the hash table).
    explicit ExactSearch(int capacityBits);
    int CapacityBits() const { return tableBits_ - 1; }

    // Whether position p packs: at most 128 field cells and at most 18
    // movable blocks.
    static bool Packs(const Position& p);

    // Searches from p's start, or with `fromCurrent` from the position p's
    // plan has reached so far, expanding at most `nodeBudget` positions. On
    // success p's plan ends solved and the result is true. Without
    // `allRowSets` the targets are covers of the two halves when both may
    // end the stage; with it, of every set of rows that may.
    bool Run(Position& p, Budget& budget, long nodeBudget, bool fromCurrent = false,
             bool allRowSets = false);

    // Fills target t slot by slot in its order, from where p stands: a
    // ready slot that a block of its orientation can walk to takes the
    // nearest one; otherwise a search over the positions of the blocks not
    // yet placed (placed ones held still) looks for moves that bring such
    // a block there, expanding at most `nodeBudget` positions per slot.
    // Positions are judged by the moves made, times `moveWeight`, and twice
    // the length of the cheapest way of such a block to the slot, each cell
    // of another block on it counting as kCrowded more steps. True when the
    // target is full.
    bool FillTarget(Target& t, Position& p, Budget& budget, long nodeBudget, int moveWeight);

    // The fewest single steps from where p's plan has got to onto full and
    // empty rows, when fewer than `below`: p's plan then goes on along such
    // a way (a move for each run of steps of one block) and the steps are
    // returned; otherwise -1, p unchanged. At most `nodeBudget` positions
    // are expanded. `proven` tells whether no way at all is shorter (than
    // the one found, or than `below` when none was): every solved field was
    // among the targets, or the search from p's side went deep enough
    // (shortest_steps.cpp). Without it a -1 may be the room or the budget
    // running out.
    int Shortest(Position& p, Budget& budget, long nodeBudget, int below, bool& proven);

    long Expanded() const { return expanded_; }

    // Like Shortest, a way in single steps from where p's plan has got to
    // onto full and empty rows, fewer than `below`, but best first with
    // the steps still to go weighed `weight` quarters of a step each: at
    // most weight / 4 times the fewest, and found far sooner
    // (near_shortest.cpp). The steps, or -1 with p unchanged; `ended`
    // then tells whether the search came to its end rather than out of
    // room or budget.
    int NearShortest(Position& p, Budget& budget, long nodeBudget, int below, int weight,
                     bool& ended);
    // The fewest single steps from where p's plan has got to onto the
    // blocks' anchors `to` (blocks of one orientation may trade places),
    // when fewer than `below`: p's plan goes on along that way and the
    // steps are returned; otherwise -1, as NearShortest.
    int NearWay(Position& p, const std::array<int16_t, kMaxBlocks>& to, Budget& budget,
                long nodeBudget, int below, bool& ended);

  private:
    struct Node {
        uint64_t key0;
        uint64_t key1;
        int32_t parent;
        int16_t moves;
        int8_t side;     // 0 searched from the start, 1 back from a target
        int8_t expanded; // NearSearch: taken at its present moves
    };
    using Places = std::array<uint8_t, kMaxBlocks>; // field cell of each slot
    static constexpr uint8_t kOtherBlock = 127;     // still blocks in the search's own grid

    // Open positions by priority; among equal priorities the newest first,
    // so deeper lines are followed before older ones are reopened.
    static uint64_t HeapKey(int priority, int32_t node) {
        return (static_cast<uint64_t>(priority) << 32) |
               (0xffffffffu - static_cast<uint32_t>(node));
    }
    static int32_t HeapNode(uint64_t key) {
        return static_cast<int32_t>(0xffffffffu - static_cast<uint32_t>(key & 0xffffffffu));
    }

    // The blocks to move and the grid of those held still: fixed blocks,
    // and with a target `placedOn` also blocks on its slots.
    void Prepare(const Position& p, const Target* placedOn);
    // Empties the arena for a new search. One that expands at most
    // `nodeBudget` positions (0: as many as fit) uses only as much of the
    // hash table as it can fill, the front of it, so that small searches
    // stay in the processor's cache.
    void ClearArena(long nodeBudget = 0);
    // The cheapest way of a block of orientation o from one of the places
    // first..last to the anchor `goal`, each step costing one and each cell
    // of another movable block it passes kCrowded more; marks the cells it
    // passes in wayMark_ and returns its steps, with the traveller's slot
    // and the cells of others on the way.
    int RelaxedWay(const SolverGrid& grid, const Places& places, int o, int goal, int first,
                   int last, int& traveller, int& crowded);
    // Moves bringing a block of slot s's orientation onto it: the node
    // reached, or -1.
    int32_t SearchSlot(const Target& t, const Position& p, Budget& budget, int slot,
                       long nodeBudget, int moveWeight);
    void Pack(const Places& places, uint64_t& key0, uint64_t& key1) const;
    // The packed key with slot i's field cell changed from `from` to `to`
    // (from 0, as Pack fills an empty key). A moved block's key stays the
    // one Pack gives only where its slot is alone in its group: the others
    // would have to be sorted again.
    static void Repack(int i, uint8_t from, uint8_t to, uint64_t& key0, uint64_t& key1);
    void Unpack(uint64_t key0, uint64_t key1, Places& places) const;
    int32_t TakeBest(std::vector<uint64_t>& open, Places& places, SolverGrid& grid);
    // The places with slot i's block moved to field cell `cell`.
    Places MovedTo(const Places& places, int i, uint8_t cell) const;
    // Index of the node with this key, inserting it (with parent and moves)
    // when new; `fresh` tells which.
    int32_t Find(uint64_t key0, uint64_t key1, int32_t parent, int moves, int side, bool& fresh) {
        return FindFrom(SlotOf(key0, key1), key0, key1, parent, moves, side, fresh);
    }
    // Where in the table the look for a key begins.
    std::size_t SlotOf(uint64_t key0, uint64_t key1) const {
        uint64_t hash =
            key0 * 0x9E3779B97F4A7C15ull ^ (key1 + 0x632BE59BD9B4E019ull) * 0xC2B2AE3D27D4EB4Full;
        hash ^= hash >> 29;
        return static_cast<std::size_t>(hash >> (64 - roomBits_));
    }
    // Find, looking from `at` (SlotOf the key) on.
    int32_t FindFrom(std::size_t at, uint64_t key0, uint64_t key1, int32_t parent, int moves,
                     int side, bool& fresh);
    // Cells outside the nearest allowed set of rows, given the cells per row.
    int Outside(const std::array<int, 2 * 10>& rowCells) const;
    bool Solved(const std::array<int, 2 * 10>& rowCells) const;
    // Plays the moves from the start to `forward`, then on through
    // `backward` (-1: none) and its parents to the target it came from.
    void PlayInto(Position& p, int32_t forward, int32_t backward, bool fromCurrent);
    // Collects exact covers of the bands that may end the stage, as targets
    // for judging positions.
    void CollectTargets(const Position& p, bool allRowSets);
    bool CoverRows(int at, int limit, long& budget);
    // The rows each block of `places` covers, fixed blocks included.
    std::array<int, 2 * 10> RowCells(const Places& places) const;

    // The problem, set by Prepare.
    int width_ = 0;
    int rows_ = 0;
    int movable_ = 0;
    int total_ = 0;                               // cells of all blocks
    std::array<int16_t, kMaxBlocks> slotBlock_{}; // slots grouped by orientation
    std::array<int16_t, kMaxBlocks> slotOrientation_{};
    std::array<int8_t, kMaxBlocks> groupFirst_{}; // first slot of the same orientation
    std::array<int8_t, kMaxBlocks> groupLast_{};  // last slot of the same orientation
    // The most field cells a searched position holds (its packed keys and
    // cell bits have room for no more).
    static constexpr std::size_t kFieldCells = 128;
    std::array<int16_t, kFieldCells> padOf_{};    // field cell to padded grid index
    std::array<int16_t, kSolverCells> fieldOf_{}; // padded grid index to field cell
    std::array<int, 2 * 10> fixedRowCells_{};
    uint32_t fixedRows_ = 0; // one bit per row a fixed block covers

    // Sets of H rows that may end the stage (row_sets.h).
    static constexpr int kMaxRowSets = 512;
    std::array<uint32_t, kMaxRowSets> rowSets_{};
    int rowSetCount_ = 0;
    std::array<int, 2 * 10> coverRows_{}; // rows of the set being covered, top first
    SolverGrid base_;                     // walls and fixed blocks

    // Targets: for each orientation and field cell, one bit per target that
    // has a block of that orientation anchored there. The last bit stands
    // for the position the search starts from, the target of the search
    // that runs back from the solved targets.
    static constexpr int kMaxTargets = 256;
    static constexpr int kStartTarget = kMaxTargets - 1;
    std::array<Places, kMaxTargets> targetPlaces_{};
    using TargetBits = std::array<uint64_t, kMaxTargets / 64>;
    std::array<std::array<TargetBits, kFieldCells>, kOrientationCount> targetBits_{};
    int targetCount_ = 0;
    bool targetsComplete_ = false;              // every cover of every set in use is a target
    std::array<int, kOrientationCount> left_{}; // blocks still to place while covering
    SolverGrid cover_;
    std::array<int16_t, kMaxBlocks> coverOrientation_{};
    std::array<int16_t, kMaxBlocks> coverCell_{};
    int covered_ = 0;
    // Orientation of the block anchored at each cell where the search
    // starts, -1 none: covers keeping blocks in place come first.
    std::array<int8_t, kSolverCells> lying_{};

    // For each side, orientation and field cell: single steps from there to
    // the nearest place of that orientation in any target of the side
    // (kFar when none can be reached), with only walls and fixed blocks in
    // the way.
    static constexpr uint8_t kFar = 60;
    std::array<std::array<std::array<uint8_t, kFieldCells>, kOrientationCount>, 2> steps_{};
    void MeasureSteps();

    // The relaxed way of SearchSlot.
    static constexpr int kCrowded = 4;
    WayPrices wayPrices_;
    StampedSet<kSolverCells> wayMark_;              // cells on the way
    std::array<uint32_t, kSolverCells> wayVisit_{}; // anchors reached, and settled
    uint32_t visitStamp_ = 0;
    std::array<int16_t, kSolverCells> wayCost_{};
    std::array<int16_t, kSolverCells> waySteps_{};
    std::array<int16_t, kSolverCells> wayParent_{};
    std::array<uint64_t, 8 * 128 + 8> wayHeap_{};

    // The arena.
    std::size_t capacity_;
    int tableBits_;
    std::size_t room_; // the nodes this search may store, at most capacity_
    int roomBits_;     // and the bits of the table's front it hashes into
    std::vector<Node> nodes_;
    struct FreeTable {
        void operator()(uint64_t* table) const { std::free(table); }
    };
    std::unique_ptr<uint64_t[], FreeTable> table_; // stamp << 32 | node + 1
    uint32_t tableStamp_ = 0;
    std::array<std::vector<uint64_t>, 2> open_; // per side, priority << 32 | node
    BucketQueue nearOpen_;                      // NearSearch's
    std::vector<int32_t> chain_;                // PlayInto's positions
    AnchorSearch reach_;
    // MeasureSteps' walk from every target place at once.
    StampedSet<kSolverCells> measured_;
    std::array<int16_t, kSolverCells> queue_{};
    long expanded_ = 0;

    // NearShortest's bound: for each slot, field cell and target, the
    // single steps of the slot's orientation from the cell to the slot's
    // own place in the target, with only walls and fixed blocks in the way
    // (kFar when it cannot be reached).
    std::vector<uint8_t> placeSteps_;
    void MeasurePlaceSteps();
    const uint8_t* PlaceSteps(int slot, int cell) const {
        return placeSteps_.data() +
               (static_cast<std::size_t>(slot) * kFieldCells + static_cast<std::size_t>(cell)) *
                   kMaxTargets;
    }
    // The least steps for the blocks of slot i's group, standing on
    // `cells` (the group's own order), to take the group's places in each
    // target, each block a place of its own: into `out`, per target.
    void GroupSteps(int i, const uint8_t* cells, int16_t* out);
    // Groups up to this size have their places matched to their blocks
    // exactly; larger ones (rare) count each block to its nearest place.
    // GroupSteps' least steps per set of places taken and target.
    static constexpr int kMatchedGroup = 6;
    std::array<std::array<int16_t, kMaxTargets>, std::size_t{1} << kMatchedGroup> matching_{};
    // NearSearch's steps from the position it expands, with where their
    // keys stand in the table.
    struct Step {
        uint64_t key0;
        uint64_t key1;
        std::size_t at;
        int16_t next; // the slot's anchor after the step
        int8_t slot;
    };
    std::array<Step, kMaxBlocks * SolverSteps.size()> expansion_{};
    // NearSearch's field cells as bits: those each slot's block covers
    // standing on each field cell (kFieldCells to a slot), and the cells of
    // the blocks held still. For each slot and field cell too, the field
    // cell each step leads to, and one bit for each step that keeps the
    // block in the field.
    using CellBits = std::array<uint64_t, 2>;
    std::vector<CellBits> covers_;
    using StepCells = std::array<uint8_t, SolverSteps.size()>;
    std::vector<StepCells> stepsTo_;
    std::vector<uint8_t> stepsIn_;
    CellBits stillCells_{};
    void MarkCovers();
    // What NearShortest and NearWay do first; false when p's field is
    // not one for this search or nothing can beat `below`.
    bool StartNear(const Position& p, long nodeBudget, int below, bool& ended);
    // The search of NearShortest and NearWay, to any solved field or to
    // the first target.
    int NearSearch(Position& p, Budget& budget, long nodeBudget, int below, int weight,
                   bool toFirstTarget, bool& ended);
};

} // namespace fenx
