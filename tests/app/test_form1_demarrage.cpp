#include "fenetreprincipale.h"

#include "app/btnxp.h"
#include "app/geometrie.h"
#include "dotmatrix/matricewidget.h"
#include "support/imagediff.h"
#include "picfile/lib89i.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <set>

namespace {

QColor fondDe(const QWidget *w)
{
    return w->palette().color(QPalette::Window);
}

void creerFichier(const QString &path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

// The source squeezed into 160 x 100: a half-black picture stays half black.
QImage moitieNoireEcran()
{
    QImage image(160, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 80; ++x)
            image.setPixel(x, y, 0xFF000000);
    return image;
}

} // namespace

TEST_F(FenetrePrincipale, StartsFromTheCommandLinePicture)
{
    creerFichier(dossier.filePath(QStringLiteral("fig0000.89i")));
    creerFichier(dossier.filePath(QStringLiteral("fig0001.89i")));
    demarrerAvec(moitieNoire(320, 200));

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(sameImage(moitieNoireEcran(), form->etat.picture3.image()));
    EXPECT_TRUE(sameImage(moitieNoireEcran(), form->etat.picture2.image()));
    EXPECT_EQ(form->conv->text(), QStringLiteral("Methode avancée"));
    EXPECT_FALSE(form->conv->isVisibleTo(form.get()));
    EXPECT_EQ(form->fich->text(), QStringLiteral("fig0002"));
    EXPECT_EQ(form->Text1->text(), QStringLiteral("fig0002"));
    EXPECT_EQ(form->etat.text1, QStringLiteral("fig0002"));
    EXPECT_EQ(form->etat.largeur, 160);
    EXPECT_EQ(form->etat.hauteur, 100);

    EXPECT_TRUE(form->Option2->isChecked());
    EXPECT_FALSE(form->Option1->isChecked());
    EXPECT_TRUE(form->slider1->isEnabled());
    EXPECT_EQ(form->slider1->value(), 0);
    EXPECT_EQ(form->lbl->text(), QStringLiteral("0 %"));
    EXPECT_EQ(form->Text4->text(), QStringLiteral("7"));
    EXPECT_EQ(form->Text5->text(), QStringLiteral("1"));
    EXPECT_EQ(form->Text6->text(), QStringLiteral("1"));
    EXPECT_EQ(form->Text7->text(), QStringLiteral("160"));
    EXPECT_EQ(form->Text8->text(), QStringLiteral("100"));
    EXPECT_EQ(form->Text2->text(), QStringLiteral("zfig"));
    EXPECT_TRUE(form->Text3->toPlainText().isEmpty());
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 40);
}

TEST_F(FenetrePrincipale, StartUpSetsCaptionsColoursBannerAndFonts)
{
    demarrerAvec(gris128());

    const QStringList captions{
        QStringLiteral("Convertir"),           QStringLiteral("Importer presse-papier"),
        QStringLiteral("Sauver fich. automatiquement"), QStringLiteral("Valider la ligne tracée"),
        QStringLiteral("Valider le texte placé"), QStringLiteral("Ouvrir Fichier"),
        QStringLiteral("Valider l'ellipse"),   QStringLiteral("Sauver sous"),
        QStringLiteral("Visualisateur d'images")};
    for (int i = 1; i <= 9; ++i)
        EXPECT_EQ(form->btnXP[size_t(i)]->caption(), captions[i - 1]) << "btnXP" << i;

    EXPECT_EQ(fondDe(form.get()), QColor(216, 228, 248));
    for (QLabel *label : form->Label)
        EXPECT_EQ(fondDe(label), QColor(122, 150, 223)) << label->objectName().toStdString();
    for (QWidget *w : std::initializer_list<QWidget *>{form->Check1, form->Check2, form->Check3,
                                                       form->Option1, form->Option2})
        EXPECT_EQ(fondDe(w), QColor(216, 228, 248));

    EXPECT_EQ(form->Matrice1->backcolor(), 0xF8E4D8u);
    EXPECT_EQ(form->Matrice1->forecolor(), 0xFF0000u);
    EXPECT_EQ(form->Matrice1->PixelSize(), 2);
    const QString bienvenue = Form1::texteBienvenue();
    EXPECT_TRUE(bienvenue.startsWith(QStringLiteral("Bienvenue sur Brivane programmé par Ostrelin Vardeck...")));
    EXPECT_EQ(bienvenue.size(), 55 + 31);
    EXPECT_TRUE(bienvenue.endsWith(QString(31, u' ')));
    // Six dot columns a character.
    EXPECT_EQ(form->Matrice1->matrix().columnCount(), 6 * int(bienvenue.size()));

    // Every font of the system, sorted without regard to case.
    ASSERT_EQ(form->Combo1->count(), QFontDatabase::families().size());
    for (int i = 1; i < form->Combo1->count(); ++i)
        EXPECT_LE(form->Combo1->itemText(i - 1).compare(form->Combo1->itemText(i), Qt::CaseInsensitive), 0);
    // The list shows the face the text tool really uses.
    EXPECT_EQ(form->Combo1->currentText(), QFontInfo(form->editeur.prev().font).family());
    EXPECT_NE(form->Combo1->currentIndex(), -1);
}

TEST_F(FenetrePrincipale, WindowLayoutFollowsTheTable)
{
    demarrer(ecrireImage(gris128()));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Brivane pour TI-89/92+ "));
    EXPECT_EQ(form->size(), QSize(581, 450));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);

    // Twips to pixels: 15 twips a pixel; the pictures are 160 x 100 in a 1-pixel border.
    EXPECT_EQ(form->Picture2->geometry(), QRect(208, 160, 162, 102));
    EXPECT_EQ(form->Picture3->geometry(), QRect(16, 160, 162, 102));
    EXPECT_EQ(form->Text7->geometry(), QRect(131, 100, 25, 19));
    EXPECT_EQ(form->Image[9]->geometry(), QRect(155, 100, 20, 19));
    EXPECT_EQ(form->Frame1->geometry(), QRect(384, 16, 193, 409));
    EXPECT_EQ(form->Text6->geometry(), QRect(131, 34, 25, 19)); // inside the frame
    EXPECT_EQ(form->btnXP[1]->geometry(), QRect(216, 112, 143, 25));
    EXPECT_EQ(form->Image[1]->geometry(), QRect(352, 146, 13, 13));
    EXPECT_EQ(form->Image[1]->pixmap().size(), QSize(13, 13));
    EXPECT_EQ(form->Image[8]->pixmap().size(), QSize(20, 19));
    EXPECT_EQ(form->Matrice1->geometry(), QRect(0, 432, 593, 25));
    EXPECT_FALSE(form->Picture1->isVisibleTo(form.get()));

    EXPECT_EQ(form->Option1->text(), QStringLiteral("Noir && Blanc simple"));
    EXPECT_EQ(form->Check2->toolTip(),
              QStringLiteral("Il est conseillé de desactiver cette option le temps de regler les niveaux de gris."));
    EXPECT_EQ(form->Label[9]->toolTip(), QStringLiteral("Plein ecran 160x100"));
    EXPECT_EQ(form->Label[0]->text(), QStringLiteral("   Correction des niveaux de gris."));
    EXPECT_EQ(form->Text1->maxLength(), 8);
    EXPECT_EQ(form->Text2->maxLength(), 8);
    EXPECT_TRUE(form->Text7->isReadOnly());
    EXPECT_EQ(form->Text7->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    // The table itself: unique names, every window's controls inside it.
    std::set<std::string_view> noms;
    for (const geometrie::Controle &c : geometrie::table())
        EXPECT_TRUE(noms.insert(c.nom).second) << c.nom;
    EXPECT_EQ(geometrie::pixels(-9120), -608);
    EXPECT_EQ(geometrie::pixels(1960), 131);
}

TEST_F(FenetrePrincipale, CommandLineQuotesAndSeveralPictures)
{
    const QString path = ecrireImage(moitieNoire(160, 100), QStringLiteral("une image.png"));
    demarrer(u'"' + path + u'"');
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(sameImage(moitieNoireEcran(), form->etat.picture3.image()));

    demarrer(path); // the same path without quotes, blanks and all
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(sameImage(moitieNoireEcran(), form->etat.picture3.image()));

    // As arguments: a path with blanks in pieces opens whole; of several pictures
    // (a file manager's way) the first opens and a remark names the others.
    const QString autre = ecrireImage(moitieNoire(16, 16), QStringLiteral("autre.png"));
    const struct
    {
        QStringList arguments;
        const char *remarque;
    } cas[] = {
        {path.split(u' '), nullptr},
        {{QStringLiteral("absent.png"), path, autre}, "ces fichiers n'ont pas été ouverts : absent.png, "},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.arguments.join(u'|').toStdString());
        dialogs.messages.clear();
        form = std::make_unique<Form1>();
        form->etat.setCheminAppli(dossier.path());
        form->Form_Load(c.arguments);
        EXPECT_TRUE(sameImage(moitieNoireEcran(), form->etat.picture3.image()));
        ASSERT_EQ(dialogs.messages.size(), c.remarque ? 1u : 0u);
        if (c.remarque) {
            EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("Une seule image s'ouvre à la fois ; ")
                                                            + QString::fromUtf8(c.remarque)))
                << dialogs.messages[0].text.toStdString();
        }
    }
}

TEST_F(FenetrePrincipale, UnreadableCommandLinePictureGivesAMessageAndAnEmptySource)
{
    const QString path = dossier.filePath(QStringLiteral("pas une image.jpg"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("ceci n'est pas une image");
    f.close();
    demarrer(path);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(dialogs.messages[0].text.isEmpty());
    QImage blanche(160, 100, QImage::Format_RGB32);
    blanche.fill(Qt::white);
    EXPECT_TRUE(sameImage(blanche, form->etat.picture3.image()));
    EXPECT_TRUE(sameImage(blanche, form->etat.picture2.image()));
    EXPECT_EQ(form->fich->text(), QStringLiteral("fig0000"));
}

TEST_F(FenetrePrincipale, WithoutCommandLineTheClipboardPictureIsTaken)
{
    QGuiApplication::clipboard()->setImage(moitieNoire(640, 400));
    demarrer(QString());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(sameImage(moitieNoireEcran(), form->etat.picture3.image()));
    EXPECT_TRUE(sameImage(moitieNoireEcran(), form->etat.picture2.image()));
    QGuiApplication::clipboard()->clear();
}
