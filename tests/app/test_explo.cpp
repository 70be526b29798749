#include "fenetreprincipale.h"

#include "app/btnxp.h"
#include "app/explo.h"
#include "app/listedossiers.h"
#include "support/imagediff.h"
#include "picfile/lib89i.h"
#include "platform/surfacewidget.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>
#include <QTest>
#include <QTimer>

namespace {

// A 160 x 100 picture with a black block; the file keeps its top-left w x h.
Surface dessin(int w, int h)
{
    Surface s(160, 100, kBlanc);
    for (int y = 10; y < 30; ++y)
        for (int x = 5; x < 40; ++x)
            s.setPixel(x, y, kNoir);
    for (int y = h; y < 100; ++y)
        for (int x = 0; x < 160; ++x)
            s.setPixel(x, y, kBlanc);
    for (int y = 0; y < 100; ++y)
        for (int x = w; x < 160; ++x)
            s.setPixel(x, y, kBlanc);
    return s;
}

void ecrire89i(const QString &path, int w, int h)
{
    QString error;
    ASSERT_TRUE(lib89i::Ecrire89i(path, dessin(w, h), h, w, QStringLiteral("zfig"),
                                  QStringLiteral("pic"), false, &error))
        << error.toStdString();
}

QRect rangee(QListWidget *list, int row)
{
    return list->visualItemRect(list->item(row));
}

void cliquerFichier(explo &v, int row)
{
    QTest::mouseClick(v.File1->viewport(), Qt::LeftButton, {}, rangee(v.File1, row).center());
}

// A double click as the system delivers it: a click, then the second press.
void doubleCliquer(QListWidget *list, int row)
{
    const QPoint p = rangee(list, row).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, p);
}

void doubleCliquerFichier(explo &v, int row)
{
    doubleCliquer(v.File1, row);
}

class Visualisateur : public FenetrePrincipale
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(dossier.path()).mkpath(QStringLiteral("images/sous-dossier")));
        images = dossier.filePath(QStringLiteral("images"));
        ecrire89i(images + QStringLiteral("/b-petit.89i"), 80, 50);
        ecrire89i(images + QStringLiteral("/a-plein.89I"), 160, 100);
        QFile texte(images + QStringLiteral("/notes.txt"));
        ASSERT_TRUE(texte.open(QIODevice::WriteOnly));
        ecrire89i(images + QStringLiteral("/c-efface.89i"), 160, 100);
    }

    // The file is still listed but can no longer be read.
    void effacer() { ASSERT_TRUE(QFile::remove(images + QStringLiteral("/c-efface.89i"))); }

    QString images;
};

} // namespace

TEST_F(Visualisateur, ListsCalculatorPicturesAndPreviewsTheClickedOne)
{
    std::vector<QString> ouverts;
    explo v([&](const QString &path, QString *) { ouverts.push_back(path); return true; });
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Orvisa"));
    EXPECT_EQ(v.size(), QSize(346, 351));
    EXPECT_TRUE(topmost(dialogs, &v));
    EXPECT_EQ(v.dossier(), QDir::homePath());
    ASSERT_GT(v.Drive1->count(), 0);
    EXPECT_EQ(v.Drive1->itemText(0), QStringLiteral("/"));
    EXPECT_EQ(v.Label1->text(), QStringLiteral("Cliquer deux fois sur un fichier pour l'ouvrir dans l'editeur."));

    ASSERT_TRUE(v.setDossier(images));
    ASSERT_EQ(v.File1->count(), 3);
    EXPECT_EQ(v.File1->item(0)->text(), QStringLiteral("a-plein.89I"));
    EXPECT_EQ(v.File1->item(1)->text(), QStringLiteral("b-petit.89i"));
    EXPECT_EQ(v.File1->item(2)->text(), QStringLiteral("c-efface.89i"));
    EXPECT_EQ(v.Dir1->item(v.Dir1->count() - 1)->text().trimmed(), QStringLiteral("sous-dossier"));

    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    cliquerFichier(v, 1);
    EXPECT_EQ(v.cheminSelection(), QDir::toNativeSeparators(images + QStringLiteral("/b-petit.89i")));
    EXPECT_TRUE(sameImage(dessin(80, 50).image(), v.picture1.image()));
    EXPECT_TRUE(dialogs.messages.empty());

    // A file that cannot be read: a message, the preview as it was.
    effacer();
    cliquerFichier(v, 2);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(sameImage(dessin(80, 50).image(), v.picture1.image()));

    doubleCliquerFichier(v, 0);
    ASSERT_EQ(ouverts.size(), 1u);
    EXPECT_EQ(ouverts[0], QDir::toNativeSeparators(images + QStringLiteral("/a-plein.89I")));
    EXPECT_FALSE(v.isVisible());
}

TEST_F(Visualisateur, FoldersThatCannotBeReadAreIgnored)
{
    explo v([](const QString &, QString *) { return true; });
    ASSERT_TRUE(v.setDossier(images));
    EXPECT_FALSE(v.setDossier(images + QStringLiteral("/absent")));
    EXPECT_EQ(v.dossier(), images);
    EXPECT_EQ(v.File1->count(), 3);

    // A double click on a sub-folder opens it: no calculator pictures there.
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    const int row = v.Dir1->count() - 1;
    doubleCliquer(v.Dir1, row);
    QCoreApplication::processEvents(); // the folder opens once the click is over
    EXPECT_EQ(v.dossier(), images + QStringLiteral("/sous-dossier"));
    EXPECT_EQ(v.File1->count(), 0);
    EXPECT_EQ(v.Drive1->currentText(), QStorageInfo(images).rootPath());

    // Choosing the first drive shows its root.
    if (v.Drive1->currentIndex() != 0) {
        v.Drive1->setFocus();
        QTest::keyClick(v.Drive1, Qt::Key_Home);
        EXPECT_EQ(v.dossier(), QStringLiteral("/"));
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Visualisateur, DoubleClickOpensIntoTheMainWindowAndClosingKeepsTheState)
{
    demarrerAvec(moitieNoire(320, 200));
    afficher();
    const QImage source = form->etat.picture3.image();
    bool vu = false;
    QTimer::singleShot(0, [&] {
        explo *v = form->visualisateur();
        ASSERT_NE(v, nullptr);
        vu = v->isVisible() && v->isModal();
        v->setDossier(images);
        effacer();
        cliquerFichier(*v, 2); // unreadable: the pictures stay
        doubleCliquerFichier(*v, 2);
        EXPECT_EQ(dialogs.messages.size(), 3u); // the click, then the double click with its own click
        EXPECT_TRUE(v->isVisible());
        EXPECT_TRUE(sameImage(source, form->etat.picture3.image()));
        doubleCliquerFichier(*v, 1);
        if (v->isVisible())
            v->hide();
    });
    QTest::mouseClick(form->btnXP[9], Qt::LeftButton, {}, QPoint(70, 12));
    EXPECT_TRUE(vu);
    EXPECT_FALSE(form->visualisateur()->isVisible());
    EXPECT_TRUE(sameImage(dessin(80, 50).image(), form->etat.picture2.image()));
    EXPECT_TRUE(sameImage(dessin(80, 50).image(), form->etat.picture3.image()));
    EXPECT_EQ(form->etat.picture1.size(), QSize(160, 100));
    EXPECT_TRUE(sameImage(dessin(80, 50).image(), form->etat.picture1.image()));
    EXPECT_EQ(form->etat.largeur, 80);
    EXPECT_EQ(form->etat.hauteur, 50);

    // Reopened: the same folder, selection and preview; the close box only hides it.
    QTimer::singleShot(0, [&] {
        explo *v = form->visualisateur();
        EXPECT_EQ(v->dossier(), images);
        EXPECT_EQ(v->cheminSelection(), QDir::toNativeSeparators(images + QStringLiteral("/b-petit.89i")));
        EXPECT_TRUE(sameImage(dessin(80, 50).image(), v->picture1.image()));
        v->close();
        if (v->isVisible())
            v->hide();
    });
    QTest::mouseClick(form->btnXP[9], Qt::LeftButton, {}, QPoint(70, 12));
    ASSERT_NE(form->visualisateur(), nullptr);
    EXPECT_FALSE(form->visualisateur()->isVisible());
    EXPECT_EQ(form->visualisateur()->dossier(), images);
}
