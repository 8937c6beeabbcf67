#include "vectorstate.h"

#if defined(__x86_64__)
#include <immintrin.h>

namespace {

__attribute__((target("avx"))) void zeroUpper()
{
    _mm256_zeroupper();
}

} // namespace
#endif

namespace VectorState {

void clearUpperHalves()
{
#if defined(__x86_64__)
    if (__builtin_cpu_supports("avx"))
        zeroUpper();
#endif
}

} // namespace VectorState
