// The stage search spread over worker threads, each with its own generator
// and block list. The result does not depend on the number of threads.
#pragma once

#include <vector>

#include "selection/search_conditions.h"

namespace fenx {

// Every stage number in [first, last] whose tiling at width x height meets
// the conditions, in increasing order. threads <= 0 means one per core.
std::vector<int> SearchStageNumbers(const ConditionSet& conditions, int width, int height,
                                    int first, int last, int threads);

int DefaultThreadCount();

} // namespace fenx
