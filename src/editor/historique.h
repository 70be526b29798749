#pragma once

#include "platform/surface.h"

#include <QImage>
#include <QRect>

#include <deque>

// Undo and redo of the work picture's pixels. The history keeps a copy of the
// picture as it stood after the last step; enregistrer() ends a step by comparing
// the picture with that copy: the bounding rectangle of the pixels that changed,
// with their old and new values, becomes one step (nothing changed: no step).
// A change made without a step of its own is therefore never lost: it joins the
// next step, or becomes one before an undo. Only pixels are restored.
class Historique
{
public:
    static constexpr int kProfondeur = 100;

    // The picture as it stands is the starting point.
    explicit Historique(Surface &picture, int profondeur = kProfondeur);

    // Forgets every step: the picture as it stands is the new starting point.
    void reinitialiser();
    // Ends a step; true when it changed pixels. A new step drops the steps to redo,
    // and the oldest step once there are more than the depth.
    bool enregistrer();

    // Puts the picture back as it was before the last step (after making a step of
    // any change not recorded yet); false when there is nothing to undo.
    bool annuler();
    // Applies the last undone step again; false when there is nothing to redo.
    bool retablir();

    // Whether annuler() and retablir() would do something.
    bool peutAnnuler() const;
    bool peutRetablir() const;
    int etapesAAnnuler() const { return int(m_aAnnuler.size()); }

private:
    struct Etape
    {
        QRect rect;    // in the picture; the whole picture when its size changed
        QImage avant;  // the pixels of rect before the step
        QImage apres;  // and after it
        bool entiere = false; // the picture changed size: the images are whole pictures
    };

    // Takes the last step of one list to the other, the picture as before or after it.
    bool deplacer(std::deque<Etape> &de, std::deque<Etape> &vers, QImage Etape::*pixels);
    void appliquer(const Etape &etape, const QImage &pixels);

    Surface &m_picture;
    int m_profondeur;
    QImage m_reference; // the picture after the last step
    std::deque<Etape> m_aAnnuler;
    std::deque<Etape> m_aRetablir;
};
