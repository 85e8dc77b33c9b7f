#pragma once

#include <cstdio>
#include <cstdlib>

// A property that must hold for every input: libFuzzer keeps the input that
// breaks it.
#define FUZZ_CHECK(condition, what)                                         \
  do {                                                                      \
    if (!(condition)) {                                                     \
      std::fprintf(stderr, "property broken: %s (%s)\n", what, #condition); \
      std::abort();                                                         \
    }                                                                       \
  } while (false)
