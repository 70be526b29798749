// How the windows look: Qt's texts in French, captions that fit, backgrounds,
// spinner arrows that repeat, a viewer that follows the files.
#include "fenetreprincipale.h"

#include "app/apparence.h"
#include "app/explo.h"
#include "app/form2.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTranslator>
#include <QWheelEvent>

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

TEST_F(FenetrePrincipale, NoCaptionIsCut)
{
    demarrer(ecrireImage(gris128()));
    form->Label2->setText(QStringLiteral("159x99")); // the widest readout over the picture
    legendesEntieres(form.get());
    Form2 aPropos;
    legendesEntieres(&aPropos);
    explo visualisateur({});
    legendesEntieres(&visualisateur);
}

TEST_F(FenetrePrincipale, ButtonsTakeTheWindowBackground)
{
    demarrer(ecrireImage(gris128()));
    afficher();
    const QImage fenetre = form->grab().toImage();
    const QColor fond = fenetre.pixelColor(2, 420); // bare window, left of the banner's top
    for (QWidget *w : std::initializer_list<QWidget *>{form->Check1, form->Check2, form->Check3,
                                                        form->Check8, form->Option1, form->Option2}) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(fenetre.pixelColor(w->geometry().topRight()), fond);
    }
}

TEST_F(FenetrePrincipale, HeldArrowRepeatsAndWheelSteps)
{
    demarrer(ecrireImage(gris128()));
    afficher();
    ImageCliquable *bas = form->Image[10];
    QTest::mousePress(bas, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form->Text8->text(), QStringLiteral("100")); // nothing until the delay
    QTRY_VERIFY_WITH_TIMEOUT(form->Text8->text().toInt() <= 94, 10000);
    QTest::mouseRelease(bas, Qt::LeftButton, {}, QPoint(5, 5));
    const QString relache = form->Text8->text();
    QTest::qWait(3 * ImageCliquable::kIntervalleRepetition);
    EXPECT_EQ(form->Text8->text(), relache); // the release stops it, with no extra step
    EXPECT_EQ(form->etat.text8, relache.toInt());

    // The wheel over the box: a notch a step, parts of a notch add up.
    const auto molette = [&](QWidget *w, int delta) {
        QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(w, &e);
    };
    molette(form->Text7, -120);
    EXPECT_EQ(form->Text7->text(), QStringLiteral("144"));
    molette(form->Text7, 60);
    EXPECT_EQ(form->Text7->text(), QStringLiteral("144"));
    molette(form->Text7, 60);
    molette(form->Text7, 240); // stops at 160
    EXPECT_EQ(form->Text7->text(), QStringLiteral("160"));
    EXPECT_EQ(form->etat.text7, 160);
}

TEST_F(FenetrePrincipale, ViewerStartsWithTheAutomaticFilesAndFollowsThem)
{
    demarrer(ecrireImage(gris128()));
    form->etat.sauverAutomatiquement();
    QTimer::singleShot(0, form.get(), [this] {
        ASSERT_NE(form->visualisateur(), nullptr);
        explo &v = *form->visualisateur();
        EXPECT_EQ(QDir(v.dossier()), QDir(form->etat.dossierAutomatique()));
        EXPECT_EQ(v.File1->count(), 1);
        v.hide();
    });
    form->btnXP[9]->Click();
    explo &v = *form->visualisateur();
    v.File1->setCurrentRow(0);

    // Saved while the viewer was hidden: listed when it shows again, the
    // selection kept.
    form->etat.sauverAutomatiquement();
    QTimer::singleShot(0, &v, [&v] {
        EXPECT_EQ(v.File1->count(), 2);
        EXPECT_EQ(v.File1->currentRow(), 0);
        // The drive shown, picked again: the folder stays.
        const QString dossier = v.dossier();
        emit v.Drive1->activated(v.Drive1->currentIndex());
        EXPECT_EQ(v.dossier(), dossier);
        v.hide();
    });
    form->btnXP[9]->Click();
}
