#include "stretch.h"

#include <QtGlobal>

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

void stretchAnd(QImage &dst, const QRect &dstRect, const QImage &src, const QRect &srcRect)
{
    Q_ASSERT(dst.format() == QImage::Format_RGB32 || dst.format() == QImage::Format_ARGB32);
    Q_ASSERT(src.format() == QImage::Format_RGB32 || src.format() == QImage::Format_ARGB32);
    if (dstRect.isEmpty() || srcRect.isEmpty() || !src.rect().contains(srcRect))
        return;
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
    std::vector<int> runFirst;
    std::vector<int> runLast;
    std::vector<int> runOfColumn(size_t(x1 - x0 + 1));
    for (int dx = x0; dx <= x1; ++dx) {
        if (runFirst.empty() || runFirst.back() != ax.first[dx] || runLast.back() != ax.last[dx]) {
            runFirst.push_back(ax.first[dx]);
            runLast.push_back(ax.last[dx]);
        }
        runOfColumn[size_t(dx - x0)] = int(runFirst.size()) - 1;
    }

    const uchar *srcBits = src.constBits();
    const qsizetype srcLine = src.bytesPerLine();
    std::vector<QRgb> acc(runFirst.size());
    int doneFirst = -1;
    int doneLast = -1;
    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const int dy = y - dstRect.top();
        // Rows that take the same source rows (an enlarged picture) reuse the values.
        if (ay.first[dy] != doneFirst || ay.last[dy] != doneLast) {
            std::fill(acc.begin(), acc.end(), ~QRgb(0));
            for (int r = ay.first[dy]; r <= ay.last[dy]; ++r) {
                const auto *row = reinterpret_cast<const QRgb *>(srcBits + (srcRect.top() + r) * srcLine)
                    + srcRect.left();
                for (size_t u = 0; u < acc.size(); ++u) {
                    QRgb a = acc[u];
                    for (int c = runFirst[u]; c <= runLast[u]; ++c)
                        a &= row[c];
                    acc[u] = a;
                }
            }
            doneFirst = ay.first[dy];
            doneLast = ay.last[dy];
        }
        auto *out = reinterpret_cast<QRgb *>(dst.scanLine(y)) + dstRect.left();
        for (int dx = x0; dx <= x1; ++dx)
            out[dx] = acc[size_t(runOfColumn[size_t(dx - x0)])] | 0xFF000000u;
    }
}
