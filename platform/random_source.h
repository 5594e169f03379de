// Uniform random fractions in [0, 1), seeded where the program says so (from the clock).
// Tests seed it themselves, so every draw is repeatable.
#pragma once

#include <random>

class RandomSource {
public:
    void seed(unsigned value) { engine_.seed(value); }
    double next() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
    // A whole number from 1 to n: the whole part of a fraction times n, plus 1.
    int upTo(int n) { return int(next() * n) + 1; }

private:
    std::mt19937 engine_{1};
};
