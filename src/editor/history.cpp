#include "history.h"

#include <algorithm>
#include <cstring>

namespace {

// The smallest rectangle holding every pixel that differs; empty when none does.
// Both pictures have the same size.
QRect changedRect(const QImage &before, const QImage &after)
{
    const QImage a = before.convertToFormat(QImage::Format_RGB32);
    const QImage b = after.convertToFormat(QImage::Format_RGB32);
    const size_t bytes = size_t(a.width()) * sizeof(QRgb);
    int left = a.width(), right = -1, top = -1, bottom = -1;
    for (int y = 0; y < a.height(); ++y) {
        const auto *rowA = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *rowB = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        if (std::memcmp(rowA, rowB, bytes) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int x = 0;
        while (rowA[x] == rowB[x])
            ++x;
        left = std::min(left, x);
        x = a.width() - 1;
        while (rowA[x] == rowB[x])
            --x;
        right = std::max(right, x);
    }
    if (top < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Copies pixels into the picture, their top-left corner at coin.
void putPixels(QImage &picture, const QImage &pixels, QPoint corner)
{
    const QImage source = pixels.convertToFormat(picture.format());
    // Steps follow one another: a step's rectangle always lies in the picture.
    Q_ASSERT(picture.rect().contains(QRect(corner, source.size())));
    if (!picture.rect().contains(QRect(corner, source.size())))
        return;
    const size_t bytes = size_t(source.width()) * size_t(source.depth() / 8);
    const size_t offset = size_t(corner.x()) * size_t(source.depth() / 8);
    for (int y = 0; y < source.height(); ++y)
        std::memcpy(picture.scanLine(corner.y() + y) + offset, source.constScanLine(y), bytes);
}

} // namespace

History::History(Surface &picture, int depth)
    : m_picture(picture)
    , m_depth(std::max(1, depth))
    , m_reference(picture.image())
{
}

History::History(Document &state, int depth)
    : History(state.work, depth)
{
    m_document = &state;
    m_stateReference = currentState();
}

PictureState History::currentState() const
{
    return m_document ? m_document->pictureState() : PictureState{};
}

void History::reset()
{
    m_reference = m_picture.image();
    m_stateReference = currentState();
    m_undoSteps.clear();
    m_redoSteps.clear();
    m_mergeable = false;
    m_modified = false;
}

bool History::record(bool merge, Change change)
{
    bool modifiedBefore = m_modified;
    if (merge && m_mergeable && !m_undoSteps.empty()) {
        // Back to the starting point of the last step, which this one extends.
        Step last = std::move(m_undoSteps.back());
        m_undoSteps.pop_back();
        if (last.whole) {
            m_reference = last.before;
        } else {
            putPixels(m_reference, last.before, last.rect.topLeft());
        }
        m_stateReference = last.stateBefore;
        modifiedBefore = last.modifiedBefore;
    }
    m_mergeable = false;
    const QImage &current = m_picture.image();
    const PictureState state = currentState();
    const bool modifiedAfter = change == Change::Retouch || (change == Change::Keeps && modifiedBefore);
    Step step;
    if (current.size() != m_reference.size()) {
        step = {current.rect(), m_reference, current, true, m_stateReference, state, modifiedBefore, modifiedAfter};
    } else {
        const QRect rect = changedRect(m_reference, current);
        if (rect.isEmpty() && state == m_stateReference) {
            // No step; a conversion that gave the very same picture still leaves nothing to save.
            setModified(change != Change::Fresh && modifiedBefore);
            return false;
        }
        step = {rect, m_reference.copy(rect), current.copy(rect), false, m_stateReference, state, modifiedBefore,
                modifiedAfter};
    }
    m_modified = modifiedAfter;
    // Shares the picture's data until the picture is next written to.
    m_reference = current;
    m_stateReference = state;
    m_undoSteps.push_back(std::move(step));
    while (int(m_undoSteps.size()) > m_depth)
        m_undoSteps.pop_front();
    m_redoSteps.clear();
    m_mergeable = merge;
    return true;
}

void History::markSaved()
{
    // A change not recorded yet is in the file too: it becomes the saved step.
    if (m_picture.image() != m_reference || currentState() != m_stateReference)
        record(false, Change::Retouch);
    setModified(false);
}

void History::setModified(bool modified)
{
    m_modified = modified;
    if (!m_undoSteps.empty())
        m_undoSteps.back().modifiedAfter = modified;
    if (!m_redoSteps.empty())
        m_redoSteps.back().modifiedBefore = modified;
}

bool History::undo()
{
    return move(m_undoSteps, m_redoSteps, true);
}

bool History::redo()
{
    return move(m_redoSteps, m_undoSteps, false);
}

bool History::move(std::deque<Step> &from, std::deque<Step> &to, bool before)
{
    // A change made since the last step comes first: it is the first to undo, and
    // newer than anything undone. Only the editor changes pixels without a step.
    record(false, Change::Retouch);
    if (from.empty())
        return false;
    Step step = std::move(from.back());
    from.pop_back();
    apply(step, before);
    to.push_back(std::move(step));
    return true;
}

bool History::canUndo() const
{
    return !m_undoSteps.empty() || m_picture.image() != m_reference || currentState() != m_stateReference;
}

bool History::canRedo() const
{
    // A change not recorded yet would become a step and drop what was undone.
    return !m_redoSteps.empty() && m_picture.image() == m_reference && currentState() == m_stateReference;
}

void History::apply(const Step &step, bool before)
{
    QImage &image = m_picture.image();
    const QImage &pixels = before ? step.before : step.after;
    if (step.whole)
        image = pixels;
    else if (!step.rect.isEmpty())
        putPixels(image, pixels, step.rect.topLeft());
    m_reference = image;
    m_stateReference = before ? step.stateBefore : step.stateAfter;
    m_modified = before ? step.modifiedBefore : step.modifiedAfter;
    if (m_document)
        m_document->restore(m_stateReference);
    m_picture.refresh();
}
