#pragma once

#include <cstdio>
#include <cstdlib>

// A property that every input must keep. When one breaks, say which and
// abort, so that libFuzzer saves the input that broke it.
#define FUZZ_CHECK(condition, what)                                                          \
    do {                                                                                     \
        if (!(condition)) {                                                                  \
            std::fprintf(stderr, "broken: %s (%s:%d)\n", (what), __FILE__, __LINE__);        \
            std::abort();                                                                    \
        }                                                                                    \
    } while (0)
