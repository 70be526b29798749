#pragma once

#include "convert/document.h"
#include "platform/surface.h"

#include <QImage>
#include <QRect>

#include <deque>

// Undo and redo of the work picture's pixels. The history keeps a copy of the
// picture as it stood after the last step; enregistrer() ends a step by comparing
// the picture with that copy: the bounding rectangle of the pixels that changed,
// with their old and new values, becomes one step (nothing changed: no step).
// A change made without a step of its own is therefore never lost: it joins the
// next step, or becomes one before an undo. Built on a conversion state, each
// step also keeps the fit and the settings that went with its pixels, and undo
// and redo give them back with the pixels.
class Historique
{
public:
    static constexpr int kProfondeur = 100;

    // The picture as it stands is the starting point.
    explicit Historique(Surface &picture, int profondeur = kProfondeur);
    explicit Historique(Document &etat, int profondeur = kProfondeur);

    // Forgets every step: the picture as it stands is the new starting point.
    void reinitialiser();
    // Ends a step; true when it changed pixels (or the fit). A new step drops the
    // steps to redo, and the oldest step once there are more than the depth. With
    // fusionner, a step that directly follows another such step joins it (the
    // slider's notches: one step for consecutive moves).
    bool enregistrer(bool fusionner = false);

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
        PictureState etatAvant;  // the fit and settings before the step
        PictureState etatApres;  // and after it
    };

    // Takes the last step of one list to the other, the picture as before or after it.
    bool deplacer(std::deque<Etape> &de, std::deque<Etape> &vers, bool avant);
    void appliquer(const Etape &etape, bool avant);
    PictureState etatActuel() const;

    Surface &m_picture;
    Document *m_etat = nullptr;
    int m_profondeur;
    QImage m_reference; // the picture after the last step
    PictureState m_etatReference; // and its fit and settings
    bool m_fusionnable = false; // the last step may take in the next one
    std::deque<Etape> m_aAnnuler;
    std::deque<Etape> m_aRetablir;
};
