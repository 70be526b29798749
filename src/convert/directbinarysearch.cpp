#include "directbinarysearch.h"

#include "convert/eyemodel.h"

#include <algorithm>

namespace monochrome {
namespace {

constexpr int kBlurReach = 5;              // the eye's 11 x 11 blur
constexpr int kReach = 2 * kBlurReach;     // two blurs overlap 21 pixels apart at most
constexpr int kBand = 2 * kReach + 1;
constexpr int kPasses = 30;
constexpr int kBlock = 8; // pixels are skipped by blocks of 8 x 8

// On one axis, the blur is a matrix A (reflected edges); the error of a change
// needs A^T A, a band matrix: band[a * kBand + (b - a + kReach)] = (A^T A)[a][b].
std::vector<double> gram(int length)
{
    const std::vector<double> taps = gaussianTaps(kEyeSigma, kBlurReach);
    std::vector<double> band(std::size_t(length * kBand), 0.0);
    std::vector<double> row(std::size_t(length), 0.0); // one row of A
    for (int i = 0; i < length; ++i) {
        const int from = std::max(0, i - kBlurReach), to = std::min(length - 1, i + kBlurReach);
        std::fill(row.begin() + from, row.begin() + to + 1, 0.0);
        for (int k = -kBlurReach; k <= kBlurReach; ++k)
            row[std::size_t(reflected(i + k, length))] += taps[std::size_t(k + kBlurReach)];
        for (int a = from; a <= to; ++a)
            for (int b = from; b <= to; ++b)
                band[std::size_t(a * kBand + (b - a + kReach))] += row[std::size_t(a)] * row[std::size_t(b)];
    }
    return band;
}

class Search
{
public:
    Search(const LightPlane &target, Dots dots)
        : m_width(target.width())
        , m_height(target.height())
        , m_gx(gram(m_width))
        , m_gy(gram(m_height))
        , m_dots(std::move(dots))
        , m_c(m_dots.size(), 0.0)
        , m_blockColumns((m_width + kBlock - 1) / kBlock)
        , m_stale(std::size_t(m_blockColumns * ((m_height + kBlock - 1) / kBlock)), 1)
        , m_staleNext(m_stale.size(), 0)
    {
        // c = (A^T A) (dots - target), both axes: the change of the error for a
        // change at a pixel comes from its c.
        std::vector<double> across(m_dots.size(), 0.0);
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x) {
                const std::size_t i = std::size_t(y * m_width + x);
                const double d = m_dots[i] - double(target[i]);
                for (int b = std::max(0, x - kReach); b <= std::min(m_width - 1, x + kReach); ++b)
                    across[std::size_t(y * m_width + b)] += d * gx(x, b);
            }
        for (int y = 0; y < m_height; ++y)
            for (int b = std::max(0, y - kReach); b <= std::min(m_height - 1, y + kReach); ++b)
                for (int x = 0; x < m_width; ++x)
                    m_c[std::size_t(b * m_width + x)] += across[std::size_t(y * m_width + x)] * gy(y, b);
    }

    // One pass over the pixels; whether anything changed. A block of pixels where
    // nothing changed within reach since its last visit found nothing then and
    // would find nothing now: it is skipped.
    bool pass()
    {
        bool changed = false;
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (m_stale[std::size_t((y / kBlock) * m_blockColumns + x / kBlock)])
                    changed |= improve(x, y);
        m_stale.swap(m_staleNext);
        std::fill(m_staleNext.begin(), m_staleNext.end(), 0);
        return changed;
    }

    const Dots &dots() const { return m_dots; }

private:
    double gx(int a, int b) const { return m_gx[std::size_t(a * kBand + (b - a + kReach))]; }
    double gy(int a, int b) const { return m_gy[std::size_t(a * kBand + (b - a + kReach))]; }
    double self(int x, int y) const { return gx(x, x) * gy(y, y); }

    bool improve(int x, int y)
    {
        const std::size_t m = std::size_t(y * m_width + x);
        const double dm = m_dots[m] ? -1 : 1;
        // Toggling: 2 dm c + dm^2 (A^T A)[m][m].
        double best = 2 * dm * m_c[m] + self(x, y);
        int bestX = x, bestY = y;
        for (int ny = std::max(0, y - 1); ny <= std::min(m_height - 1, y + 1); ++ny)
            for (int nx = std::max(0, x - 1); nx <= std::min(m_width - 1, x + 1); ++nx) {
                const std::size_t n = std::size_t(ny * m_width + nx);
                if (m_dots[n] == m_dots[m])
                    continue; // the pixel itself, or no swap to make
                const double delta = 2 * dm * (m_c[m] - m_c[n]) + self(x, y) + self(nx, ny) - 2 * gx(x, nx) * gy(y, ny);
                if (delta < best)
                    best = delta, bestX = nx, bestY = ny;
            }
        // Only a change that lowers the error is made (by more than rounding could
        // account for): the error never rises above the start's.
        if (best > -1e-9)
            return false;
        change(x, y, dm);
        if (bestX != x || bestY != y)
            change(bestX, bestY, -dm);
        return true;
    }

    void change(int x, int y, double delta)
    {
        const std::size_t m = std::size_t(y * m_width + x);
        m_dots[m] = m_dots[m] ? 0 : 1;
        // The pixels whose choices read the c changed here (their own or a
        // neighbour's) are visited again: later in this pass, or in the next.
        constexpr int kAffected = kReach + 1;
        for (int by = std::max(0, y - kAffected) / kBlock; by <= std::min(m_height - 1, y + kAffected) / kBlock; ++by)
            for (int bx = std::max(0, x - kAffected) / kBlock; bx <= std::min(m_width - 1, x + kAffected) / kBlock; ++bx)
                m_stale[std::size_t(by * m_blockColumns + bx)] = m_staleNext[std::size_t(by * m_blockColumns + bx)] = 1;
        const int x0 = std::max(0, x - kReach), x1 = std::min(m_width - 1, x + kReach);
        const double *wx = m_gx.data() + x * kBand + kReach - x; // wx[k] = gx(x, k)
        for (int ky = std::max(0, y - kReach); ky <= std::min(m_height - 1, y + kReach); ++ky) {
            const double f = delta * gy(y, ky);
            double *c = m_c.data() + ky * m_width;
            for (int kx = x0; kx <= x1; ++kx)
                c[kx] += f * wx[kx];
        }
    }

    int m_width;
    int m_height;
    std::vector<double> m_gx;
    std::vector<double> m_gy;
    Dots m_dots;
    std::vector<double> m_c;
    int m_blockColumns;
    std::vector<std::uint8_t> m_stale;     // per block: to visit in this pass
    std::vector<std::uint8_t> m_staleNext; // and in the next one
};

} // namespace

Dots directBinarySearch(const LightPlane &target, const Dots &start)
{
    if (target.size() == 0 || start.size() != target.size())
        return start;
    Search search(target, start);
    for (int p = 0; p < kPasses && search.pass(); ++p) {
    }
    return search.dots();
}

} // namespace monochrome
