// The programs' allocator: jemalloc serves malloc, with huge pages asked for.
#include <jemalloc/jemalloc.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

namespace {

std::uint64_t allocatedByThisThread()
{
    std::uint64_t bytes = 0;
    size_t size = sizeof(bytes);
    EXPECT_EQ(mallctl("thread.allocated", &bytes, &size, nullptr, 0), 0);
    return bytes;
}

} // namespace

TEST(ProgramAllocator, ServesMallocWithHugePagesAskedFor)
{
    const char* hugePages = nullptr;
    size_t size = sizeof(hugePages);
    ASSERT_EQ(mallctl("opt.thp", &hugePages, &size, nullptr, 0), 0);
    EXPECT_STREQ(hugePages, "always");

    // The C library's malloc must be jemalloc's, or the setting changes nothing.
    const std::uint64_t before = allocatedByThisThread();
    void* block = std::malloc(1 << 20);
    ASSERT_NE(block, nullptr);
    EXPECT_GE(allocatedByThisThread() - before, std::uint64_t{1} << 20);
    std::free(block);
}
