#pragma once
// Long soak runs stay out of the default test run. CTest runs them with the
// label "soak" (ctest -L soak), which sets KX_SOAK=1.

#include <gtest/gtest.h>

#include <cstdlib>

#define KX_SOAK_ONLY()                                                                                                 \
    do {                                                                                                               \
        if (!std::getenv("KX_SOAK"))                                                                                   \
            GTEST_SKIP() << "soak test: runs with the CTest label soak (KX_SOAK=1)";                                   \
    } while (0)
