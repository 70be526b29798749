#include "stretch.h"

#include <QtGlobal>

#include <algorithm>
#include <limits>

StretchAxis stretchAxis(int sourceLength, int destinationLength)
{
    StretchAxis axis;
    const qint64 D = destinationLength;
    qint64 S = sourceLength;
    if (D <= 0 || S <= 0)
        return axis;
    if (D == 1 && S > 1)
        --S;
    axis.first.assign(D, 0);
    axis.last.assign(D, 0);
    if (S > D) {
        // Source indices map onto destinations in increasing order; every
        // destination gets at least one, so each is a contiguous run.
        std::vector<bool> seen(D, false);
        for (qint64 j = 0; j < S; ++j) {
            const auto d = static_cast<size_t>(((2 * j + 1) * D - 1) / (2 * S));
            if (!seen[d]) {
                axis.first[d] = int(j);
                seen[d] = true;
            }
            axis.last[d] = int(j);
        }
    } else {
        for (qint64 i = 0; i < D; ++i) {
            const int j = int(((2 * i + 1) * S - 1) / (2 * D));
            axis.first[i] = j;
            axis.last[i] = j;
        }
    }
    return axis;
}

namespace {

// The column runs of a destination row and what one row group makes of them.
struct Runs
{
    std::vector<int> first;
    std::vector<int> last;
    std::vector<QRgb> value;
    // The mean's work space, kept from one row group to the next.
    std::vector<quint64> red, green, blue;
    std::vector<quint32> redBlue, greenShifted;
};

// value[u] = the AND of rows [r0, r1] of the source over run u's columns.
void andBlocks(Runs &runs, const uchar *bits, qsizetype line, int r0, int r1)
{
    std::fill(runs.value.begin(), runs.value.end(), ~QRgb(0));
    for (int r = r0; r <= r1; ++r) {
        const auto *row = reinterpret_cast<const QRgb *>(bits + r * line);
        for (size_t u = 0; u < runs.value.size(); ++u) {
            QRgb a = runs.value[u];
            for (int c = runs.first[u]; c <= runs.last[u]; ++c)
                a &= row[c];
            runs.value[u] = a;
        }
    }
}

// value[u] = the rounded mean colour of rows [r0, r1] over run u's columns.
void meanBlocks(Runs &runs, const uchar *bits, qsizetype line, int r0, int r1)
{
    // The rows are first summed column by column, a loop the compiler turns into
    // vector code: red and blue in two 16-bit lanes of one word and green in
    // another, up to 256 rows at a time, which cannot overflow. Each column's sums
    // then go into its run's 64-bit sums (a block may hold 25 million pixels).
    // Columns are taken a strip at a time, so a very wide picture needs little memory.
    constexpr int kChunk = 256;
    constexpr int kStrip = 4096;
    const size_t count = runs.value.size();
    runs.red.assign(count, 0);
    runs.green.assign(count, 0);
    runs.blue.assign(count, 0);
    const int c0 = runs.first.front();
    const int c1 = runs.last.back();
    size_t stripRun = 0; // the run of the strip's first column
    for (int s0 = c0; s0 <= c1; s0 += kStrip) {
        const int width = std::min(kStrip, c1 - s0 + 1);
        runs.redBlue.resize(size_t(width));
        runs.greenShifted.resize(size_t(width));
        quint32 *const redBlue = runs.redBlue.data();
        quint32 *const greenShifted = runs.greenShifted.data();
        while (runs.last[stripRun] < s0)
            ++stripRun;
        for (int r = r0; r <= r1;) {
            const int end = std::min(r1 + 1, r + kChunk);
            std::fill_n(redBlue, width, 0u);
            std::fill_n(greenShifted, width, 0u);
            for (; r < end; ++r) {
                const auto *row = reinterpret_cast<const QRgb *>(bits + r * line) + s0;
                for (int x = 0; x < width; ++x) {
                    redBlue[x] += row[x] & 0x00FF00FFu;
                    greenShifted[x] += row[x] & 0x0000FF00u;
                }
            }
            size_t u = stripRun;
            for (int x = 0; x < width; ++x) {
                while (runs.last[u] < s0 + x)
                    ++u;
                runs.red[u] += redBlue[x] >> 16;
                runs.blue[u] += redBlue[x] & 0xFFFFu;
                runs.green[u] += greenShifted[x] >> 8;
            }
        }
    }
    for (size_t u = 0; u < count; ++u) {
        const quint64 n = quint64(r1 - r0 + 1) * quint64(runs.last[u] - runs.first[u] + 1);
        const auto mean = [n](quint64 sum) { return QRgb((sum + n / 2) / n); };
        runs.value[u] = (mean(runs.red[u]) << 16) | (mean(runs.green[u]) << 8) | mean(runs.blue[u]);
    }
}

} // namespace

void stretchImage(QImage &dst, const QRect &dstRect, const QImage &src, const QRect &srcRect,
                  Reduction reduction)
{
    Q_ASSERT(dst.format() == QImage::Format_RGB32 || dst.format() == QImage::Format_ARGB32);
    Q_ASSERT(src.format() == QImage::Format_RGB32 || src.format() == QImage::Format_ARGB32);
    if (dstRect.isEmpty() || srcRect.isEmpty() || !src.rect().contains(srcRect))
        return;
    if (srcRect.size() == dstRect.size()) {
        // Each block is one pixel, whatever the reduction: a copy (the preview
        // into an output of the same size, for every conversion).
        const QRect visible = dstRect.intersected(dst.rect());
        const QPoint shift = srcRect.topLeft() - dstRect.topLeft();
        for (int y = visible.top(); y <= visible.bottom(); ++y) {
            const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(y + shift.y())) + shift.x();
            auto *out = reinterpret_cast<QRgb *>(dst.scanLine(y));
            for (int x = visible.left(); x <= visible.right(); ++x)
                out[x] = in[x] | 0xFF000000u;
        }
        return;
    }
    const StretchAxis ax = stretchAxis(srcRect.width(), dstRect.width());
    const StretchAxis ay = stretchAxis(srcRect.height(), dstRect.height());

    const QRect visible = dstRect.intersected(dst.rect());
    if (visible.isEmpty())
        return;
    const int x0 = visible.left() - dstRect.left();
    const int x1 = visible.right() - dstRect.left();

    // Neighbouring columns that take the same source columns (all of them when a
    // picture is enlarged) share one value, worked out once: each source pixel is
    // then read once per row run, whatever the shape of the picture. A picture of
    // 25 million x 1 pixels would otherwise be read once per destination row.
    Runs runs;
    std::vector<int> runOfColumn(size_t(x1 - x0 + 1));
    for (int dx = x0; dx <= x1; ++dx) {
        if (runs.first.empty() || runs.first.back() != ax.first[dx] || runs.last.back() != ax.last[dx]) {
            runs.first.push_back(ax.first[dx]);
            runs.last.push_back(ax.last[dx]);
        }
        runOfColumn[size_t(dx - x0)] = int(runs.first.size()) - 1;
    }
    runs.value.resize(runs.first.size());

    const qsizetype srcLine = src.bytesPerLine();
    const uchar *srcBits = src.constBits() + srcRect.left() * qsizetype(sizeof(QRgb))
        + srcRect.top() * srcLine;
    int doneFirst = -1;
    int doneLast = -1;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const int dy = y - dstRect.top();
        // Rows that take the same source rows (an enlarged picture) reuse the values.
        if (ay.first[dy] != doneFirst || ay.last[dy] != doneLast) {
            if (reduction == Reduction::And)
                andBlocks(runs, srcBits, srcLine, ay.first[dy], ay.last[dy]);
            else
                meanBlocks(runs, srcBits, srcLine, ay.first[dy], ay.last[dy]);
            doneFirst = ay.first[dy];
            doneLast = ay.last[dy];
        }
        auto *out = reinterpret_cast<QRgb *>(dst.scanLine(y)) + dstRect.left();
        for (int dx = x0; dx <= x1; ++dx)
            out[dx] = runs.value[size_t(runOfColumn[size_t(dx - x0)])] | 0xFF000000u;
    }
}

namespace {

// For one axis of a decoded picture: the decoded indices that stand for each
// destination index's run of natural indices, and how many of those each stands for.
struct WeightedAxis
{
    std::vector<int> first;                // the first decoded index
    std::vector<std::vector<qint64>> weight; // from it on
    std::vector<qint64> total;               // the run's natural length
};

WeightedAxis weightedAxis(int start, int length, int destination, int coveredStart, int decodedLength, int divisor)
{
    const StretchAxis runs = stretchAxis(length, destination);
    const auto decodedIndex = [&](int natural) {
        return natural < coveredStart ? 0 : std::min((natural - coveredStart) / divisor, decodedLength - 1);
    };
    WeightedAxis axis;
    for (size_t d = 0; d < runs.first.size(); ++d) {
        const int a = start + runs.first[d], b = start + runs.last[d];
        const int i0 = decodedIndex(a), i1 = decodedIndex(b);
        std::vector<qint64> weight;
        for (int i = i0; i <= i1; ++i) {
            // The natural indices decoded pixel i stands for; the edge ones reach beyond.
            const int low = i == 0 ? a : std::max(a, coveredStart + i * divisor);
            const int high = i == decodedLength - 1 ? b : std::min(b, coveredStart + (i + 1) * divisor - 1);
            weight.push_back(std::max(0, high - low + 1));
        }
        axis.first.push_back(i0);
        axis.weight.push_back(std::move(weight));
        axis.total.push_back(b - a + 1);
    }
    return axis;
}

} // namespace

namespace {

// The shrink's rows, with the sums of a decoded column over a row's run held in
// `Sum` and an output pixel's sums in `PixelSum`: 32 bits when the runs are short
// enough, which the compiler vectorizes and divides faster.
template <typename Sum, typename PixelSum>
void stretchDecodedRows(QImage &dst, const QRect &dstRect, const QRect &visible, const QImage &decoded,
                        const WeightedAxis &ax, const WeightedAxis &ay)
{
    const int x0 = visible.left() - dstRect.left(), x1 = visible.right() - dstRect.left();
    const int c0 = ax.first[size_t(x0)];
    const int c1 = ax.first[size_t(x1)] + int(ax.weight[size_t(x1)].size()) - 1;
    // Each decoded column's weighted sums over the row run, then each column run's.
    std::vector<Sum> red(size_t(c1 - c0 + 1)), green(red.size()), blue(red.size());
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const auto dy = size_t(y - dstRect.top());
        for (auto *sums : {&red, &green, &blue})
            std::fill(sums->begin(), sums->end(), 0);
        for (size_t k = 0; k < ay.weight[dy].size(); ++k) {
            const auto w = Sum(ay.weight[dy][k]);
            const auto *row = reinterpret_cast<const QRgb *>(decoded.constScanLine(ay.first[dy] + int(k))) + c0;
            Sum *r = red.data(), *g = green.data(), *b = blue.data();
            for (size_t c = 0; c < red.size(); ++c) {
                r[c] += w * Sum(qRed(row[c]));
                g[c] += w * Sum(qGreen(row[c]));
                b[c] += w * Sum(qBlue(row[c]));
            }
        }
        auto *out = reinterpret_cast<QRgb *>(dst.scanLine(y)) + dstRect.left();
        for (int dx = x0; dx <= x1; ++dx) {
            const auto d = size_t(dx);
            PixelSum r = 0, g = 0, b = 0;
            for (size_t k = 0; k < ax.weight[d].size(); ++k) {
                const auto c = size_t(ax.first[d] - c0) + k;
                const auto w = PixelSum(ax.weight[d][k]);
                r += w * PixelSum(red[c]), g += w * PixelSum(green[c]), b += w * PixelSum(blue[c]);
            }
            const auto n = PixelSum(ax.total[d] * ay.total[dy]);
            out[dx] = qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
        }
    }
}

} // namespace

void stretchDecodedMean(QImage &dst, const QRect &dstRect, const QImage &decoded, const QRect &srcRect,
                        const QRect &covered, int divisor)
{
    Q_ASSERT(dst.format() == QImage::Format_RGB32 || dst.format() == QImage::Format_ARGB32);
    Q_ASSERT(decoded.format() == QImage::Format_RGB32 || decoded.format() == QImage::Format_ARGB32);
    const QRect visible = dstRect.intersected(dst.rect());
    if (visible.isEmpty() || srcRect.isEmpty() || decoded.isNull() || divisor < 1)
        return;
    const WeightedAxis ax =
        weightedAxis(srcRect.x(), srcRect.width(), dstRect.width(), covered.x(), decoded.width(), divisor);
    const WeightedAxis ay =
        weightedAxis(srcRect.y(), srcRect.height(), dstRect.height(), covered.y(), decoded.height(), divisor);
    // A column's sum over a row run is at most 255 x the run's natural length, a
    // pixel's 255 x its block's natural area (plus half of it, rounding).
    constexpr quint64 k32 = std::numeric_limits<quint32>::max();
    const quint64 rows = quint64(*std::max_element(ay.total.begin(), ay.total.end()));
    const quint64 columns = quint64(*std::max_element(ax.total.begin(), ax.total.end()));
    if (256 * rows * columns <= k32)
        stretchDecodedRows<quint32, quint32>(dst, dstRect, visible, decoded, ax, ay);
    else if (255 * rows <= k32)
        stretchDecodedRows<quint32, quint64>(dst, dstRect, visible, decoded, ax, ay);
    else
        stretchDecodedRows<quint64, quint64>(dst, dstRect, visible, decoded, ax, ay);
}
