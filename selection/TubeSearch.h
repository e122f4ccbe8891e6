#pragma once
// Tube lengths for a flow rate, the optimal tube and the nine shown rows.

// L = 750·d⁵ / F² (d in mm, F in l/min, L in m) for the first `count`
// diameters, at most MAX_DIAMETERS.
void computeTubeLengths(const double* diametersMm, int count, double flowRate, double* lengthsM);

// The index of the length closest to `targetLength`, by a window widened in
// steps of 0.01 m: the first index strictly inside the window wins. 0 when no
// length lies strictly between 0 and about twice the target, when the target
// is not finite, or when the search would need more than MAX_SEARCH_PASSES
// passes (a target of some 10 km).
int findOptimalTube(const double* lengthsM, int count, double targetLength);

constexpr long MAX_SEARCH_PASSES = 1000000;

// The index of the first of the nine shown tubes for optimal index k in a
// list of `count` tubes (at least nine): k − 4 held within 0 and count − 9.
int firstShownRow(int optimalIndex, int count);
