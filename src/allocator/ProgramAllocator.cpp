// The programs allocate through jemalloc, set up here.
//
// A large record sheet or workbook is a million small allocations. With the
// C library's allocator every fresh 4 KiB page costs a page fault, and on
// virtual machines those faults were most of the time of loading a large
// file (27,000 faults, two thirds of 340 ms). jemalloc asks the kernel for
// transparent huge pages on the memory it manages, so the same work takes a
// few thousand faults.
//
// jemalloc reads this setting when it starts, before main.
extern "C" {
const char* malloc_conf = "thp:always,metadata_thp:auto";
}
