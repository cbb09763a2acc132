#include "platform/BasicRandom.h"

#include <bit>

namespace platform {

float BasicRandom::Rnd(float x) {
    if (x < 0.0f) {
        const auto bits = std::bit_cast<std::uint32_t>(x);
        m_state = (bits + (bits >> 24)) & kMask;
    }
    if (x != 0.0f)
        m_state = (m_state * 0x43FD43FDu + 0xC39EC3u) & kMask;
    return value();
}

void BasicRandom::Randomize(double n) {
    const auto high = static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(n) >> 32);
    const std::uint32_t mixed = ((high & 0xFFFFu) ^ (high >> 16)) & 0xFFFFu;
    m_state = (m_state & 0xFF0000FFu) | (mixed << 8);
}

} // namespace platform
