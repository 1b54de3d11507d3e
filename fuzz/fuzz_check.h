#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property is a finding: print it and abort so libFuzzer saves the input.
#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

// The same for a list of broken properties in words (see run_properties.h).
#define FUZZ_CHECK_NONE(problems)                                              \
  do {                                                                         \
    const auto& fuzzProblems = (problems);                                     \
    if (!fuzzProblems.empty()) {                                               \
      std::fprintf(stderr, "%s:%d: properties failed:\n", __FILE__, __LINE__); \
      for (const auto& problem : fuzzProblems) {                               \
        std::fprintf(stderr, "  %s\n", problem.c_str());                       \
      }                                                                        \
      std::abort();                                                            \
    }                                                                          \
  } while (false)
