#include "editeur.h"

#include <QFontMetrics>
#include <Qt>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cmath>
#include <vector>

namespace {

// Fix(): truncation toward zero, kept inside int so far-off pointers stay harmless.
int fix(double v)
{
    if (std::isnan(v))
        return 0;
    return int(std::clamp(std::trunc(v), double(INT_MIN), double(INT_MAX)));
}

const QString kSampleText = QStringLiteral("Sample Text");

template <typename Change>
void changeFont(Surface &surface, Change change)
{
    QFont font = surface.font();
    change(font);
    surface.setFont(font);
}

} // namespace

Editeur::Editeur(Surface &travail, QObject *parent)
    : QObject(parent)
    , m_travail(travail)
{
    QFont canvasFont(QStringLiteral("MS Serif"));
    canvasFont.setPointSizeF(6);
    m_travail.setFont(canvasFont);
    QFont previewFont(QStringLiteral("MS Serif"));
    previewFont.setPointSizeF(6.75);
    m_apercuPolice.setFont(previewFont);
    m_etiquetteTexte.font.setStyleStrategy(QFont::NoAntialias);
    m_etiquetteTexte.font.setFamily(m_apercuPolice.font().family());
    m_travail.setDrawWidth(m_epaisseurLigne.value());
    m_traitLigne.borderWidth = m_epaisseurLigne.value();
    taillePlus();
}

QString Editeur::messageErreurTaille()
{
    return QStringLiteral("Erreur à la selection de la taille de la police...");
}

QStringList Editeur::lignesEtiquette() const
{
    QString caption = m_etiquetteTexte.caption;
    caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    caption.replace(u'\r', u'\n');
    return caption.split(u'\n');
}

QRectF Editeur::rectEtiquette() const
{
    if (m_etiquetteTexte.caption.isEmpty())
        return {};
    const QFontMetrics metrics(m_etiquetteTexte.font);
    const QStringList lines = lignesEtiquette();
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return QRectF(std::round(m_etiquetteTexte.left), std::round(m_etiquetteTexte.top), width,
                  double(metrics.height()) * lines.size());
}

// ---- Canvas events ----

void Editeur::mouseDown(int button, double x, double y, int shift)
{
    m_dernierCarre.reset(); // a press starts a new stroke
    if (button == 0 || paintWithPixelTool(x, y))
        return;
    if (m_outil == Outil::Ligne)
        startLine(x, y);
    else if (m_outil == Outil::Ellipse)
        startOrCancelEllipse(x, y);
    else if (m_outil == Outil::Rectangle)
        startRectangle(x, y, shift);
    else if (m_outil == Outil::Remplissage && (button == 1 || button == 2))
        remplir(fix(x), fix(y), button == 1 ? kNoir : kBlanc);
}

void Editeur::mouseMove(int button, double x, double y, int shift)
{
    emit coordonnees(QStringLiteral("%1x%2").arg(fix(x)).arg(fix(y)));
    if (button == 0)
        m_dernierCarre.reset();
    if (button == 0 || paintWithPixelTool(x, y))
        return;
    if (m_outil == Outil::Ligne)
        dragLine(x, y);
    else if (m_outil == Outil::Ellipse)
        dragEllipse(x, y);
    else if (m_outil == Outil::Rectangle)
        dragRectangle(x, y, shift);
}

void Editeur::mouseUp(int button, double x, double y)
{
    if (button != 0 && m_outil == Outil::Texte)
        placeOrHideEtiquette(x, y);
    m_dernierCarre.reset();
    // A pixel-tool stroke ends here.
    emit etapeTerminee();
}

void Editeur::keyDown(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        validerTexte();
        validerLigne();
        validerRectangle();
        break;
    case Qt::Key_Left: nudge(-1, 0); break;
    case Qt::Key_Right: nudge(1, 0); break;
    case Qt::Key_Up: nudge(0, -1); break;
    case Qt::Key_Down: nudge(0, 1); break;
    case Qt::Key_F1: emit aProposDemande(); break;
    default: break;
    }
}

void Editeur::nudge(int dx, int dy)
{
    if (m_outil == Outil::Texte) {
        m_etiquetteTexte.left += dx;
        m_etiquetteTexte.top += dy;
    } else if (m_outil == Outil::Ligne) {
        m_traitLigne.x1 += dx;
        m_traitLigne.x2 += dx;
        m_traitLigne.y1 += dy;
        m_traitLigne.y2 += dy;
    } else if (m_outil == Outil::Rectangle) {
        m_rectangle.x1 += dx;
        m_rectangle.x2 += dx;
        m_rectangle.y1 += dy;
        m_rectangle.y2 += dy;
    } else {
        return;
    }
    emit overlaysChanged();
}

void Editeur::choisirOutil(int index)
{
    m_outil = index >= 0 && index < kNombreOutils ? Outil(index) : Outil::Aucun;
    m_dernierCarre.reset();
    // A pending shape of another tool is dropped undrawn.
    if (index != int(Outil::Ligne))
        m_traitLigne.visible = false;
    if (index != int(Outil::Texte))
        m_etiquetteTexte.visible = false;
    if (index != int(Outil::Ellipse))
        m_contourEllipse.visible = false;
    if (index != int(Outil::Rectangle))
        m_rectangle.visible = false;
    emit overlaysChanged();
    emit outilChange(int(m_outil));
}

void Editeur::enteteClick(int index)
{
    if (index == 2)
        emit focusCanevasDemande();
}

void Editeur::etiquetteClick()
{
    m_etiquetteTexte.visible = false;
    emit overlaysChanged();
    emit focusCanevasDemande();
}

void Editeur::etiquetteMouseMove()
{
    emit focusCanevasDemande();
}

// ---- Pixel tools ----

bool Editeur::paintWithPixelTool(double x, double y)
{
    if (m_outil != Outil::PixelOn && m_outil != Outil::PixelOff)
        return false;
    const Couleur colour = m_outil == Outil::PixelOn ? kNoir : kBlanc;
    const QPoint fin(fix(x), fix(y));
    // Between two positions of a drag, every square along the segment is painted
    // (Bresenham), so a fast stroke stays continuous.
    const long long dx = m_dernierCarre ? std::llabs((long long)fin.x() - m_dernierCarre->x()) : 0;
    const long long dy = m_dernierCarre ? -std::llabs((long long)fin.y() - m_dernierCarre->y()) : 0;
    // No pointer jumps that far between two events: such a pair is not a drag.
    constexpr long long kSautMax = 1 << 16;
    if ((dx != 0 || dy != 0) && dx - dy < kSautMax) {
        const QPoint debut = *m_dernierCarre;
        const int sx = debut.x() < fin.x() ? 1 : -1, sy = debut.y() < fin.y() ? 1 : -1;
        long long erreur = dx + dy;
        for (QPoint p = debut; p != fin;) {
            const long long e2 = 2 * erreur;
            if (e2 >= dy) {
                erreur += dy;
                p.rx() += sx;
            }
            if (e2 <= dx) {
                erreur += dx;
                p.ry() += sy;
            }
            paintSquare(p.x(), p.y(), colour, false);
        }
    } else {
        paintSquare(fin.x(), fin.y(), colour, false);
    }
    m_dernierCarre = fin;
    m_travail.refresh();
    return true;
}

void Editeur::paintSquare(double x, double y, Couleur colour, bool rafraichir)
{
    // Only the part of the n x n square inside the picture is visited: the rest
    // would be dropped anyway, and a huge pixel size stays cheap.
    const long long n = m_taillePixel.value();
    const long long left = fix(x), top = fix(y);
    const long long i0 = std::max(0LL, -left), i1 = std::min(n, m_travail.width() - left);
    const long long j0 = std::max(0LL, -top), j1 = std::min(n, m_travail.height() - top);
    for (long long i = i0; i < i1; ++i)
        for (long long j = j0; j < j1; ++j)
            m_travail.setPixel(int(left + i), int(top + j), colour);
    if (rafraichir)
        m_travail.refresh();
}

// ---- Line ----

void Editeur::startLine(double x, double y)
{
    m_traitLigne.visible = true;
    m_traitLigne.x1 = m_traitLigne.x2 = x;
    m_traitLigne.y1 = m_traitLigne.y2 = y;
    emit overlaysChanged();
}

void Editeur::dragLine(double x, double y)
{
    m_traitLigne.x2 = x;
    m_traitLigne.y2 = y;
    emit overlaysChanged();
}

void Editeur::validerLigne()
{
    if (!m_traitLigne.visible)
        return;
    m_travail.line(QPointF(m_traitLigne.x1, m_traitLigne.y1), QPointF(m_traitLigne.x2, m_traitLigne.y2), kNoir);
    m_traitLigne.visible = false;
    m_travail.refresh();
    emit overlaysChanged();
    emit etapeTerminee();
}

// ---- Ellipse ----

void Editeur::startOrCancelEllipse(double x, double y)
{
    if (!m_contourEllipse.visible) {
        m_contourEllipse.visible = true;
        m_contourEllipse.top = fix(y);
        m_contourEllipse.left = fix(x);
    } else {
        m_contourEllipse.visible = false;
    }
    m_contourEllipse.width = m_contourEllipse.height = 0;
    emit overlaysChanged();
}

void Editeur::dragEllipse(double x, double y)
{
    // The box keeps its top-left corner and only grows right and down.
    const double w = x - m_contourEllipse.left;
    const double h = y - m_contourEllipse.top;
    m_contourEllipse.width = w > 0 ? w : 0;
    m_contourEllipse.height = h > 0 ? h : 0;
    emit overlaysChanged();
}

void Editeur::validerEllipse()
{
    if (!m_contourEllipse.visible)
        return;
    m_contourEllipse.visible = false;
    const float width = float(m_contourEllipse.width), height = float(m_contourEllipse.height);
    const float cx = width / 2 + float(m_contourEllipse.left), cy = height / 2 + float(m_contourEllipse.top);
    const float rx = width / 2, ry = height / 2;
    // 1257 samples, t from 0 to 6.28; the bound is 6.282, not 2 pi, so the
    // outline stops one row short of the bottom of its box.
    for (double t = 0; t <= 6.282; t += 0.005)
        m_travail.setPixel(fix(rx * std::cos(t) + cx), fix(ry * std::sin(t) + cy), kNoir);
    m_travail.refresh();
    m_traitLigne.visible = false;
    emit overlaysChanged();
    emit etapeTerminee();
}

// ---- Rectangle ----

void Editeur::startRectangle(double x, double y, int shift)
{
    // Like the ellipse, a second press cancels the pending rectangle.
    m_rectangle.visible = !m_rectangle.visible;
    m_rectangle.x1 = m_rectangle.x2 = fix(x);
    m_rectangle.y1 = m_rectangle.y2 = fix(y);
    m_rectangle.plein = shift & 1;
    emit overlaysChanged();
}

void Editeur::dragRectangle(double x, double y, int shift)
{
    if (!m_rectangle.visible)
        return;
    m_rectangle.x2 = fix(x);
    m_rectangle.y2 = fix(y);
    // Shift at the press or during the drag fills it.
    m_rectangle.plein = m_rectangle.plein || (shift & 1);
    emit overlaysChanged();
}

void Editeur::fillRect(const QRect &rect)
{
    const QRect r = rect & m_travail.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            m_travail.setPixel(x, y, kNoir);
}

void Editeur::validerRectangle()
{
    if (!m_rectangle.visible)
        return;
    m_rectangle.visible = false;
    const QRect r = m_rectangle.rect();
    const int w = m_epaisseurLigne.value();
    if (m_rectangle.plein || 2 * w >= std::min(r.width(), r.height())) {
        fillRect(r);
    } else {
        fillRect(QRect(r.left(), r.top(), r.width(), w));
        fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w));
        fillRect(QRect(r.left(), r.top() + w, w, r.height() - 2 * w));
        fillRect(QRect(r.right() - w + 1, r.top() + w, w, r.height() - 2 * w));
    }
    m_travail.refresh();
    emit overlaysChanged();
    emit etapeTerminee();
}

// ---- Fill ----

void Editeur::remplir(int x, int y, Couleur colour)
{
    QImage &image = m_travail.image();
    if (!image.rect().contains(x, y))
        return;
    const QRgb cible = image.pixel(x, y), nouvelle = toQRgb(colour);
    if (cible == nouvelle)
        return;
    // Scan-line fill: each run of the area is painted once, and the rows above
    // and below are searched along it for the runs that continue the area.
    const int w = image.width(), h = image.height();
    auto ligne = [&image](int row) { return reinterpret_cast<QRgb *>(image.scanLine(row)); };
    std::vector<QPoint> pile{QPoint(x, y)};
    while (!pile.empty()) {
        const QPoint p = pile.back();
        pile.pop_back();
        QRgb *l = ligne(p.y());
        if (l[p.x()] != cible)
            continue;
        int gauche = p.x(), droite = p.x();
        while (gauche > 0 && l[gauche - 1] == cible)
            --gauche;
        while (droite < w - 1 && l[droite + 1] == cible)
            ++droite;
        std::fill(l + gauche, l + droite + 1, nouvelle);
        for (int ny : {p.y() - 1, p.y() + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            const QRgb *voisine = ligne(ny);
            for (int i = gauche; i <= droite; ++i)
                if (voisine[i] == cible && (i == gauche || voisine[i - 1] != cible))
                    pile.emplace_back(i, ny);
        }
    }
    m_travail.refresh();
    emit etapeTerminee();
}

// ---- Text ----

void Editeur::setTexte(const QString &text)
{
    m_texte = text;
    m_etiquetteTexte.caption = text;
    emit overlaysChanged();
}

void Editeur::placeOrHideEtiquette(double x, double y)
{
    if (m_etiquetteTexte.visible) {
        m_etiquetteTexte.visible = false;
    } else {
        m_etiquetteTexte.visible = true;
        m_etiquetteTexte.font.setFamily(m_apercuPolice.font().family());
        m_etiquetteTexte.caption = m_texte;
        m_etiquetteTexte.left = x;
        m_etiquetteTexte.top = y;
    }
    emit overlaysChanged();
}

void Editeur::validerTexte()
{
    if (!m_etiquetteTexte.visible)
        return;
    changeFont(m_travail, [&](QFont &f) { f.setFamily(m_etiquetteTexte.font.family()); });
    m_travail.setForeColor(kNoir);
    // Every line starts at the label's left edge, one under the other.
    m_travail.setCurrentY(m_etiquetteTexte.top);
    for (const QString &line : lignesEtiquette()) {
        m_travail.setCurrentX(m_etiquetteTexte.left);
        m_travail.print(line);
    }
    m_travail.refresh();
    m_etiquetteTexte.visible = false;
    emit overlaysChanged();
    emit etapeTerminee();
}

void Editeur::redrawPreview()
{
    m_apercuPolice.cls();
    m_apercuPolice.print(kSampleText);
    m_apercuPolice.refresh();
}

void Editeur::choisirPolice(const QString &name)
{
    changeFont(m_travail, [&](QFont &f) { f.setFamily(name); });
    changeFont(m_apercuPolice, [&](QFont &f) { f.setFamily(name); });
    m_etiquetteTexte.font.setFamily(name);
    redrawPreview();
    m_etiquetteTexte.font.setFamily(m_apercuPolice.font().family());
    emit overlaysChanged();
}

void Editeur::applyStyle(void (QFont::*set)(bool), bool (QFont::*get)() const, bool checked)
{
    changeFont(m_travail, [&](QFont &f) { (f.*set)(checked); });
    changeFont(m_apercuPolice, [&](QFont &f) { (f.*set)(checked); });
    (m_etiquetteTexte.font.*set)((m_apercuPolice.font().*get)());
    redrawPreview();
    emit overlaysChanged();
}

void Editeur::setSouligne(bool checked) { applyStyle(&QFont::setUnderline, &QFont::underline, checked); }
void Editeur::setGras(bool checked) { applyStyle(&QFont::setBold, &QFont::bold, checked); }
void Editeur::setItalique(bool checked) { applyStyle(&QFont::setItalic, &QFont::italic, checked); }
void Editeur::setRaye(bool checked) { applyStyle(&QFont::setStrikeOut, &QFont::strikeOut, checked); }

void Editeur::tailleMoins() { applySize(m_taillePolice.nextDown()); }
void Editeur::taillePlus() { applySize(m_taillePolice.nextUp()); }

void Editeur::applySize(std::optional<int> size)
{
    if (!size)
        return;
    // A size the fonts cannot take stops here, before anything changed.
    if (*size < 1 || *size > kTaillePoliceMax) {
        emit messageBanniere(messageErreurTaille());
        return;
    }
    changeFont(m_travail, [&](QFont &f) { f.setPointSize(*size); });
    m_taillePolice.setValue(*size);
    emit taillePoliceChanged(m_taillePolice.text());
    changeFont(m_apercuPolice, [&](QFont &f) { f.setPointSize(*size); });
    m_etiquetteTexte.font.setPointSize(*size);
    m_etiquetteTexte.font.setFamily(m_apercuPolice.font().family());
    redrawPreview();
    emit overlaysChanged();
}

// ---- Line width and pixel size ----

void Editeur::epaisseurMoins()
{
    if (m_epaisseurLigne.down())
        applyLineWidth();
}

void Editeur::epaisseurPlus()
{
    if (m_epaisseurLigne.up())
        applyLineWidth();
}

void Editeur::applyLineWidth()
{
    m_traitLigne.borderWidth = m_epaisseurLigne.value();
    m_travail.setDrawWidth(m_epaisseurLigne.value());
    emit epaisseurLigneChanged(m_epaisseurLigne.text());
    emit overlaysChanged();
}

void Editeur::pixelMoins()
{
    if (m_taillePixel.down())
        emit taillePixelChanged(m_taillePixel.text());
}

void Editeur::pixelPlus()
{
    if (m_taillePixel.up())
        emit taillePixelChanged(m_taillePixel.text());
}
