// How the windows look: Qt's texts in French, captions that fit, backgrounds.
#include "fenetre.h"

#include "app/apparence.h"
#include "app/visualisateur.h"
#include "app/fenetreapropos.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QStyle>
#include <QTranslator>

namespace {

// The caption of a label, check box, option button or frame, with its mnemonic
// marks resolved; empty for other controls.
QString legende(const QWidget *w)
{
    QString texte;
    if (const auto *label = qobject_cast<const QLabel *>(w))
        texte = label->text();
    else if (const auto *bouton = qobject_cast<const QAbstractButton *>(w))
        texte = QString(bouton->text()).replace(QStringLiteral("&&"), QStringLiteral("&"));
    else if (const auto *cadre = qobject_cast<const QGroupBox *>(w))
        texte = cadre->title();
    return texte;
}

// Where the caption is drawn, in the control's coordinates.
QRect placeLegende(const QWidget *w, const QString &texte)
{
    const QFontMetrics fm(w->font());
    QRect zone = w->contentsRect();
    int alignement = Qt::AlignLeft | Qt::AlignVCenter;
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        alignement = int(label->alignment());
        zone = zone.adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    } else if (qobject_cast<const QGroupBox *>(w)) {
        return fm.tightBoundingRect(texte).translated(8, fm.ascent());
    } else {
        const int indicateur = w->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w)
                               + w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
        zone.setLeft(zone.left() + indicateur);
    }
    // The ink, not the line box: a face with a tall line box still shows whole.
    const QRect ligne = w->style()->itemTextRect(fm, zone, alignement, true, texte);
    return fm.tightBoundingRect(texte).translated(ligne.left(), ligne.top() + fm.ascent());
}

// Every caption of the window lies whole inside its control, and no control
// stacked above it covers it.
void legendesEntieres(QWidget *fenetre)
{
    for (QWidget *w : fenetre->findChildren<QWidget *>()) {
        const QString texte = legende(w);
        if (texte.trimmed().isEmpty() || !w->isVisibleTo(fenetre))
            continue;
        SCOPED_TRACE(w->objectName().toStdString() + ": " + texte.toStdString());
        const QRect place = placeLegende(w, texte);
        EXPECT_TRUE(w->rect().contains(place)) << "room " << w->width() << "x" << w->height()
                                                << ", caption " << place.width() << "x" << place.height();
        const QWidgetList freres = w->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = freres.indexOf(w) + 1; i < freres.size(); ++i) {
            QWidget *dessus = freres[i];
            if (dessus->isVisibleTo(fenetre) && !dessus->testAttribute(Qt::WA_TransparentForMouseEvents)) {
                EXPECT_FALSE(dessus->geometry().intersects(place.translated(w->pos())))
                    << "covered by " << dessus->objectName().toStdString();
            }
        }
    }
}

} // namespace

TEST(Apparence, QtSpeaksFrench)
{
    QTranslator *traduction = apparence::traduireQt();
    ASSERT_NE(traduction, nullptr);
    QDialogButtonBox boutons(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    EXPECT_EQ(boutons.button(QDialogButtonBox::Cancel)->text().remove(u'&'), QStringLiteral("Annuler"));
    EXPECT_TRUE(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S).toString(QKeySequence::NativeText)
                    .contains(QStringLiteral("Maj")));
    delete traduction; // the other tests read Qt's English texts
}

TEST_F(Fenetre, NoCaptionIsCut)
{
    ouvrirAvec(gris128());
    f->libelleCoordonnees->setText(QStringLiteral("159x99")); // the widest readout over the picture
    legendesEntieres(f);
    FenetreAPropos aPropos;
    legendesEntieres(&aPropos);
    Visualisateur visualisateur({});
    legendesEntieres(&visualisateur);
}

TEST_F(Fenetre, ButtonsTakeTheWindowBackground)
{
    ouvrirAvec(gris128());
    const QImage fenetre = f->grab().toImage();
    const QColor fond = fenetre.pixelColor(2, 420); // bare window, left of the banner's top
    for (QWidget *w : std::initializer_list<QWidget *>{f->caseOptionsAvancees, f->caseProportions, f->caseInverser, f->caseTramage, f->choixMethodeSimple, f->choixMethodeGris}) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(fenetre.pixelColor(w->geometry().topRight()), fond);
    }
}
