#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input must keep: when it does not, the fuzzer stops and
// keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                              \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: does not hold: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (0)
