#pragma once

#include "convert/document.h"
#include "platform/surface.h"

#include <QImage>
#include <QRect>

#include <deque>

// Undo and redo of the work picture's pixels. The history keeps a copy of the
// picture as it stood after the last step; record() ends a step by comparing
// the picture with that copy: the bounding rectangle of the pixels that changed,
// with their old and new values, becomes one step (nothing changed: no step).
// A change made without a step of its own is therefore never lost: it joins the
// next step, or becomes one before an undo. Built on a conversion state, each
// step also keeps the fit and the settings that went with its pixels, and undo
// and redo give them back with the pixels.
class History
{
public:
    static constexpr int kDepth = 100;

    // What a step does to the unsaved work: a retouch makes the picture modified,
    // a picture made anew (a conversion, a file opened) leaves nothing to save, and
    // anything else (a new source, a setting) keeps it as it was.
    enum class Change { Keeps, Retouch, Fresh };

    // The picture as it stands is the starting point.
    explicit History(Surface &picture, int depth = kDepth);
    explicit History(Document &state, int depth = kDepth);

    // Forgets every step: the picture as it stands is the new starting point.
    void reset();
    // Ends a step; true when it changed pixels (or the fit). A new step drops the
    // steps to redo, and the oldest step once there are more than the depth. With
    // merge, a step that directly follows another such step joins it (the
    // slider's notches: one step for consecutive moves).
    bool record(bool merge = false, Change change = Change::Keeps);

    // Whether the picture holds a retouch not saved yet. Each state of the picture
    // keeps its own answer: undoing back to a saved state is unmodified again.
    bool isModified() const { return m_modified; }
    // The picture as it stands was saved (or is what a file holds).
    void markSaved();

    // Puts the picture back as it was before the last step (after making a step of
    // any change not recorded yet); false when there is nothing to undo.
    bool undo();
    // Applies the last undone step again; false when there is nothing to redo.
    bool redo();

    // Whether undo() and redo() would do something.
    bool canUndo() const;
    bool canRedo() const;
    int undoCount() const { return int(m_undoSteps.size()); }

private:
    struct Step
    {
        QRect rect;    // in the picture; the whole picture when its size changed
        QImage before;  // the pixels of rect before the step
        QImage after;  // and after it
        bool whole = false; // the picture changed size: the images are whole pictures
        PictureState stateBefore;  // the fit and settings before the step
        PictureState stateAfter;  // and after it
        bool modifiedBefore = false; // whether each state held unsaved work
        bool modifiedAfter = false;
    };

    // Takes the last step of one list to the other, the picture as before or after it.
    bool move(std::deque<Step> &from, std::deque<Step> &to, bool before);
    void apply(const Step &step, bool before);
    PictureState currentState() const;
    // The picture as it stands (and its state in the steps beside it) is modified or not.
    void setModified(bool modified);

    Surface &m_picture;
    Document *m_document = nullptr;
    int m_depth;
    QImage m_reference; // the picture after the last step
    PictureState m_stateReference; // and its fit and settings
    bool m_mergeable = false; // the last step may take in the next one
    bool m_modified = false;
    std::deque<Step> m_undoSteps;
    std::deque<Step> m_redoSteps;
};
