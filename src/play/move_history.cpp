#include "play/move_history.h"

namespace fenx {

void MoveHistory::Clear() {
    carries_.clear();
    opensMove_.clear();
    made_ = 0;
}

void MoveHistory::Record(std::span<const Carry> move) {
    if (move.empty()) {
        return;
    }
    carries_.resize(made_);
    opensMove_.resize(made_);
    for (std::size_t i = 0; i < move.size(); ++i) {
        carries_.push_back(move[i]);
        opensMove_.push_back(i == 0);
    }
    made_ = carries_.size();
}

std::span<const Carry> MoveHistory::Undo() {
    if (made_ == 0) {
        return {};
    }
    const std::size_t end = made_;
    std::size_t begin = end - 1;
    while (!opensMove_[begin]) {
        --begin;
    }
    made_ = begin;
    return std::span<const Carry>(carries_).subspan(begin, end - begin);
}

std::span<const Carry> MoveHistory::Redo() {
    if (made_ == carries_.size()) {
        return {};
    }
    const std::size_t begin = made_;
    std::size_t end = begin + 1;
    while (end < carries_.size() && !opensMove_[end]) {
        ++end;
    }
    made_ = end;
    return std::span<const Carry>(carries_).subspan(begin, end - begin);
}

Cell MoveHistory::StartOf(int block, Cell now) const {
    for (std::size_t i = 0; i < made_; ++i) {
        if (carries_[i].block == block) {
            return carries_[i].from;
        }
    }
    return now;
}

} // namespace fenx
