#pragma once

#include <cstdint>
#include <vector>

namespace daygen {

// Deterministic random numbers (splitmix64): the same seed gives the same day on every platform,
// unlike the standard distributions whose results depend on the library.

class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool percent(int chance) { return between(0, 99) < chance; }
    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[next() % items.size()];
    }

private:
    std::uint64_t m_state;
};

}  // namespace daygen
