#pragma once

#include <cstdio>
#include <cstdlib>

// Stops at once, naming the rule, so that the fuzzer records the input as a crash.
#define KOV_FUZZ_CHECK(condition)                                                                  \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "fuzz check failed at line %d: %s\n", __LINE__, #condition);      \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
