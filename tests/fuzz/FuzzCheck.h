#pragma once

#include <cstdio>
#include <cstdlib>

// An invariant that must hold for every input; a broken one aborts so that
// the fuzzer (or the replay test) reports the input that broke it.
#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "invariant broken at %s:%d: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (0)
