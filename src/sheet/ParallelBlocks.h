#pragma once

#include <functional>

// Runs work(first, last) over the indexes [0, count), split into contiguous
// blocks that run at the same time on the machine's cores. Small counts, that
// would not pay for starting threads, run in the caller alone. The work of
// different blocks must touch different data. Returns when every block is
// done; an exception thrown by a block is thrown again here.
void forEachBlockInParallel(int count, int minimumBlock, const std::function<void(int first, int last)>& work);
