#include "historique.h"

#include <algorithm>
#include <cstring>

namespace {

// The smallest rectangle holding every pixel that differs; empty when none does.
// Both pictures have the same size.
QRect rectangleModifie(const QImage &avant, const QImage &apres)
{
    const QImage a = avant.convertToFormat(QImage::Format_RGB32);
    const QImage b = apres.convertToFormat(QImage::Format_RGB32);
    const size_t octets = size_t(a.width()) * sizeof(QRgb);
    int gauche = a.width(), droite = -1, haut = -1, bas = -1;
    for (int y = 0; y < a.height(); ++y) {
        const auto *la = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        if (std::memcmp(la, lb, octets) == 0)
            continue;
        if (haut < 0)
            haut = y;
        bas = y;
        int x = 0;
        while (la[x] == lb[x])
            ++x;
        gauche = std::min(gauche, x);
        x = a.width() - 1;
        while (la[x] == lb[x])
            --x;
        droite = std::max(droite, x);
    }
    if (haut < 0)
        return {};
    return QRect(QPoint(gauche, haut), QPoint(droite, bas));
}

// Copies pixels into the picture, their top-left corner at coin.
void poser(QImage &picture, const QImage &pixels, QPoint coin)
{
    const QImage source = pixels.convertToFormat(picture.format());
    // Steps follow one another: a step's rectangle always lies in the picture.
    Q_ASSERT(picture.rect().contains(QRect(coin, source.size())));
    if (!picture.rect().contains(QRect(coin, source.size())))
        return;
    const size_t octets = size_t(source.width()) * size_t(source.depth() / 8);
    const size_t decalage = size_t(coin.x()) * size_t(source.depth() / 8);
    for (int y = 0; y < source.height(); ++y)
        std::memcpy(picture.scanLine(coin.y() + y) + decalage, source.constScanLine(y), octets);
}

} // namespace

Historique::Historique(Surface &picture, int profondeur)
    : m_picture(picture)
    , m_profondeur(std::max(1, profondeur))
    , m_reference(picture.image())
{
}

Historique::Historique(Document &etat, int profondeur)
    : Historique(etat.work, profondeur)
{
    m_etat = &etat;
    m_etatReference = etatActuel();
}

PictureState Historique::etatActuel() const
{
    return m_etat ? m_etat->pictureState() : PictureState{};
}

void Historique::reinitialiser()
{
    m_reference = m_picture.image();
    m_etatReference = etatActuel();
    m_aAnnuler.clear();
    m_aRetablir.clear();
    m_fusionnable = false;
}

bool Historique::enregistrer(bool fusionner)
{
    if (fusionner && m_fusionnable && !m_aAnnuler.empty()) {
        // Back to the starting point of the last step, which this one extends.
        Etape derniere = std::move(m_aAnnuler.back());
        m_aAnnuler.pop_back();
        if (derniere.entiere) {
            m_reference = derniere.avant;
        } else {
            poser(m_reference, derniere.avant, derniere.rect.topLeft());
        }
        m_etatReference = derniere.etatAvant;
    }
    m_fusionnable = false;
    const QImage &actuelle = m_picture.image();
    const PictureState etat = etatActuel();
    Etape etape;
    if (actuelle.size() != m_reference.size()) {
        etape = {actuelle.rect(), m_reference, actuelle, true, m_etatReference, etat};
    } else {
        const QRect rect = rectangleModifie(m_reference, actuelle);
        if (rect.isEmpty() && etat == m_etatReference)
            return false;
        etape = {rect, m_reference.copy(rect), actuelle.copy(rect), false, m_etatReference, etat};
    }
    // Shares the picture's data until the picture is next written to.
    m_reference = actuelle;
    m_etatReference = etat;
    m_aAnnuler.push_back(std::move(etape));
    while (int(m_aAnnuler.size()) > m_profondeur)
        m_aAnnuler.pop_front();
    m_aRetablir.clear();
    m_fusionnable = fusionner;
    return true;
}

bool Historique::annuler()
{
    return deplacer(m_aAnnuler, m_aRetablir, true);
}

bool Historique::retablir()
{
    return deplacer(m_aRetablir, m_aAnnuler, false);
}

bool Historique::deplacer(std::deque<Etape> &de, std::deque<Etape> &vers, bool avant)
{
    // A change made since the last step comes first: it is the first to undo, and
    // newer than anything undone.
    enregistrer();
    if (de.empty())
        return false;
    Etape etape = std::move(de.back());
    de.pop_back();
    appliquer(etape, avant);
    vers.push_back(std::move(etape));
    return true;
}

bool Historique::peutAnnuler() const
{
    return !m_aAnnuler.empty() || m_picture.image() != m_reference || etatActuel() != m_etatReference;
}

bool Historique::peutRetablir() const
{
    // A change not recorded yet would become a step and drop what was undone.
    return !m_aRetablir.empty() && m_picture.image() == m_reference && etatActuel() == m_etatReference;
}

void Historique::appliquer(const Etape &etape, bool avant)
{
    QImage &image = m_picture.image();
    const QImage &pixels = avant ? etape.avant : etape.apres;
    if (etape.entiere)
        image = pixels;
    else if (!etape.rect.isEmpty())
        poser(image, pixels, etape.rect.topLeft());
    m_reference = image;
    m_etatReference = avant ? etape.etatAvant : etape.etatApres;
    if (m_etat)
        m_etat->restore(m_etatReference);
    m_picture.refresh();
}
