// The programs allocate through jemalloc, set up here.
//
// A large record sheet or workbook is a million small allocations. With the
// C library's allocator every fresh 4 KiB page costs a page fault, and on
// virtual machines those faults were most of the time of loading a large
// file (27,000 faults, two thirds of 340 ms). jemalloc asks the kernel for
// transparent huge pages on the memory it manages, so the same work takes a
// few thousand faults.
//
// Freed memory is kept for reuse rather than handed back to the kernel on a
// timer: a huge page handed back and touched again is cleared whole, and
// printing, which frees and allocates a page's buffers for every page, lost
// half its speed to that. The process keeps its peak, which the largest work
// bounds (about 150 MB for a full 100,000-row sheet).
//
// jemalloc reads this setting when it starts, before main.
extern "C" {
const char* malloc_conf = "thp:always,metadata_thp:auto,dirty_decay_ms:-1,muzzy_decay_ms:-1";
}
