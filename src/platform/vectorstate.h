#pragma once

// The upper halves of the processor's vector registers. Code of the C
// library or of Qt that uses 256-bit AVX instructions can leave them in use;
// on many processors every plain SSE instruction run after that (the
// program's own arithmetic, built for any x86-64) then waits on them, and
// the payoff simulation ran at half its speed after the window had drawn
// itself. Clearing them before a long run of arithmetic costs one
// instruction.
namespace VectorState {

// Nothing on a processor without AVX.
void clearUpperHalves();

} // namespace VectorState
