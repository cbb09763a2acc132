#pragma once
// The seedable pseudo-random generator of the BASIC runtime that the Windows
// program ran on. The password stores that program wrote were scrambled with
// its draws, so this generator must reproduce them bit for bit.

#include <cstdint>

namespace platform {

class BasicRandom {
public:
    // x < 0: first reseeds from the bit pattern of x (the same x always gives
    // the same state, whatever came before); x != 0: steps and returns the new
    // value; x == 0: returns the value of the current state without stepping.
    // Values lie in [0, 1).
    float Rnd(float x);

    // Mixes the high 32 bits of n (as a double) into the middle 16 bits of the
    // state; the low byte of the state is kept.
    void Randomize(double n);

private:
    static constexpr std::uint32_t kMask = 0xFFFFFF;

    float value() const { return static_cast<float>(m_state) / 16777216.0f; }

    std::uint32_t m_state = 0x50000;
};

} // namespace platform
