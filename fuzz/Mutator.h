// Deterministic mutation of seed inputs: bit and byte flips, inserted and deleted runs,
// splices of two seeds, format tokens and huge sizes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Random {
public:
    explicit Random(uint64_t seed) : mState(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    uint64_t next() {
        // xorshift64*: fast, and the same sequence on every machine.
        mState ^= mState >> 12;
        mState ^= mState << 25;
        mState ^= mState >> 27;
        return mState * 0x2545F4914F6CDD1Dull;
    }
    size_t below(size_t bound) { return bound == 0 ? 0 : static_cast<size_t>(next() % bound); }
    bool oneIn(size_t n) { return below(n) == 0; }

private:
    uint64_t mState;
};

class Mutator {
public:
    Mutator(const std::vector<std::string>& seeds, const std::vector<std::string>& tokens, uint64_t seed,
            size_t maxSize = 64 * 1024);
    // The next input: a seed (or two spliced) with 1 to 8 mutations.
    std::string next();

private:
    void mutate(std::string& data);

    const std::vector<std::string>& mSeeds;
    std::vector<std::string> mTokens;
    Random mRandom;
    size_t mMaxSize;
};
