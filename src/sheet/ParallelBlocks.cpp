#include "ParallelBlocks.h"

#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

void forEachBlockInParallel(int count, int minimumBlock, const std::function<void(int first, int last)>& work)
{
    const int cores = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    const int blocks = std::clamp(count / std::max(minimumBlock, 1), 1, cores);
    if (blocks == 1) {
        work(0, count);
        return;
    }
    const auto bounds = [&](int block) { return std::pair{count * block / blocks, count * (block + 1) / blocks}; };
    std::vector<std::exception_ptr> failures(static_cast<size_t>(blocks));
    const auto run = [&](int block) {
        try {
            const auto [first, last] = bounds(block);
            work(first, last);
        } catch (...) {
            failures[static_cast<size_t>(block)] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> helpers;
        int block = 1;
        try {
            for (; block < blocks; ++block)
                helpers.emplace_back(run, block);
        } catch (const std::system_error&) {
            // No more threads to be had: the caller takes the blocks left.
            for (; block < blocks; ++block)
                run(block);
        }
        run(0);
    } // the helpers join here
    for (const std::exception_ptr& failure : failures) {
        if (failure)
            std::rethrow_exception(failure);
    }
}
