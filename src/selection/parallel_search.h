// The stage search spread over worker threads, each with its own generator
// and block list. The result does not depend on the number of threads, nor
// on how many of them the system lets start: the calling thread works too.
#pragma once

#include <functional>
#include <thread>
#include <vector>

#include "selection/search_conditions.h"

namespace fenx {

// Every stage number in [first, last] whose tiling at width x height meets
// the conditions, in increasing order. threads <= 0 means one per core.
std::vector<int> SearchStageNumbers(const ConditionSet& conditions, int width, int height,
                                    int first, int last, int threads);

int DefaultThreadCount();

// Starts up to `count` threads running `work`, as many as the system lets
// this process have: near the process limit, or short of address space,
// fewer start, or none. The caller joins those that did.
std::vector<std::thread> StartThreads(int count, const std::function<void()>& work);

} // namespace fenx
