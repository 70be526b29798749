#include "bluenoise.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace monochrome {
namespace {

// The energy of a pattern: each dot's Gaussian (sigma 1.5) summed over the torus,
// kept up to date as dots come and go.
class Energy
{
public:
    explicit Energy(int size)
        : m_size(size)
        , m_energy(std::size_t(size * size), 0.0)
    {
        const int reach = std::min(kReach, (size - 1) / 2);
        for (int d = -reach; d <= reach; ++d)
            m_gaussian.push_back(std::exp(-d * d / (2 * 1.5 * 1.5)));
        m_reach = reach;
    }

    void add(int cell, double sign)
    {
        const int cx = cell % m_size;
        const int cy = cell / m_size;
        for (int dy = -m_reach; dy <= m_reach; ++dy) {
            double *row = m_energy.data() + ((cy + dy + m_size) % m_size) * m_size;
            const double wy = sign * m_gaussian[std::size_t(dy + m_reach)];
            for (int dx = -m_reach; dx <= m_reach; ++dx)
                row[(cx + dx + m_size) % m_size] += wy * m_gaussian[std::size_t(dx + m_reach)];
        }
    }

    // The dot in the tightest cluster (the highest energy) among the cells of that
    // state, or the largest void (the lowest): the first such cell on a tie. The
    // callers always leave one cell of each state.
    int extreme(const std::vector<std::uint8_t> &dots, bool dot, bool highest) const
    {
        std::size_t best = 0;
        bool found = false;
        for (std::size_t i = 0; i < m_energy.size(); ++i)
            if (bool(dots[i]) == dot
                && (!found || (highest ? m_energy[i] > m_energy[best] : m_energy[i] < m_energy[best])))
                best = i, found = true;
        return int(best);
    }

private:
    static constexpr int kReach = 8; // exp(-64 / 4.5) is below 1e-6
    int m_size;
    int m_reach = 0;
    std::vector<double> m_gaussian;
    std::vector<double> m_energy;
};

} // namespace

std::vector<int> voidAndCluster(int size)
{
    const int cells = size * size;
    std::vector<std::uint8_t> dots(std::size_t(cells), 0);
    Energy energy(size);

    // A random tenth of the cells, from a fixed seed (xorshift: the same everywhere).
    std::uint32_t state = 2463534242u;
    const int initial = std::max(1, cells / 10);
    for (int placed = 0; placed < initial;) {
        state ^= state << 13, state ^= state >> 17, state ^= state << 5;
        const int cell = int(state % std::uint32_t(cells));
        if (!dots[std::size_t(cell)]) {
            dots[std::size_t(cell)] = 1;
            energy.add(cell, 1);
            ++placed;
        }
    }
    // Spread them: the tightest cluster's dot moves to the largest void until it
    // would land where it left (a bound on the moves, for safety).
    for (int move = 0; move < cells; ++move) {
        const int cluster = energy.extreme(dots, true, true);
        dots[std::size_t(cluster)] = 0;
        energy.add(cluster, -1);
        const int gap = energy.extreme(dots, false, false);
        dots[std::size_t(gap)] = 1;
        energy.add(gap, 1);
        if (gap == cluster)
            break;
    }

    std::vector<int> ranks(std::size_t(cells), 0);
    // Below the initial pattern: its dots taken away tightest first, the last ones
    // ranked lowest.
    {
        std::vector<std::uint8_t> fewer = dots;
        Energy shrinking = energy;
        for (int rank = initial - 1; rank >= 0; --rank) {
            const int cluster = shrinking.extreme(fewer, true, true);
            fewer[std::size_t(cluster)] = 0;
            shrinking.add(cluster, -1);
            ranks[std::size_t(cluster)] = rank;
        }
    }
    // Above it: each largest void filled in turn. Past half full this is also the
    // zero in the tightest cluster of zeros: the two energies add up to a constant.
    for (int rank = initial; rank < cells; ++rank) {
        const int gap = energy.extreme(dots, false, false);
        dots[std::size_t(gap)] = 1;
        energy.add(gap, 1);
        ranks[std::size_t(gap)] = rank;
    }
    return ranks;
}

const std::vector<int> &blueNoiseMatrix()
{
    // Made at first use, once, whatever the thread.
    static const std::vector<int> matrix = voidAndCluster(kBlueNoiseSize);
    return matrix;
}

} // namespace monochrome
