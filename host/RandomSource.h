#pragma once
// The host's source of random draws. The game logic takes one by reference so that
// tests can seed it (or script it) and replay a game exactly.
#include <cstdint>
#include <random>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform integer from 0 to n - 1; 0 when n is 0 or negative.
    virtual int draw(int n) = 0;
};

// The program's generator: seeded once (from the clock at start-up, or by a test).
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : m_engine(seed) {}
    int draw(int n) override
    {
        if (n <= 0)
            return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
    }

private:
    std::mt19937_64 m_engine;
};
