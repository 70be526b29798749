// The viewer of calculator pictures: its lists, its preview, opening into the main
// window, following the files.
#include "fenetre.h"

#include "app/visualisateur.h"
#include "app/listedossiers.h"
#include "picfile/lib89i.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QStorageInfo>

namespace {

// The top-left w x h of a diagonal, as a 160 x 100 picture.
QImage dessin(int w, int h)
{
    QImage image = blackAt({160, 100}, {});
    QPainter(&image).drawImage(0, 0, diagonal(w, h));
    return image;
}

void ecrire89i(const QString &path, int w, int h)
{
    Surface s(w, h);
    s.setPicture(dessin(w, h).copy(0, 0, w, h));
    writeFile(path, lib89i::encode89i(s, h, w, QStringLiteral("zfig"), QStringLiteral("pic")));
}

// A click on a row, or a double click as the system delivers it: a click, then the second press.
void cliquerRangee(QListWidget *list, int row, bool double_ = false)
{
    const QPoint p = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, p);
    if (double_)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, p);
}

class VisualisateurTest : public Fenetre
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(dossier.path()).mkpath(QStringLiteral("images/sous-dossier")));
        images = dossier.filePath(QStringLiteral("images"));
        ecrire89i(images + QStringLiteral("/b-petit.89i"), 80, 50);
        ecrire89i(images + QStringLiteral("/a-plein.89I"), 160, 100);
        writeFile(images + QStringLiteral("/notes.txt"), "x");
        ecrire89i(images + QStringLiteral("/c-efface.89i"), 160, 100);
    }
    // The file is still listed but can no longer be read.
    void effacer() { ASSERT_TRUE(QFile::remove(images + QStringLiteral("/c-efface.89i"))); }

    QString images;
};

} // namespace

TEST_F(VisualisateurTest, ListsCalculatorPicturesAndPreviewsTheClickedOne)
{
    std::vector<QString> ouverts;
    Visualisateur v([&](const QString &path, QString *) { ouverts.push_back(path); return true; });
    EXPECT_TRUE(auDessus(&v));
    EXPECT_EQ(v.dossier(), QDir::homePath());
    EXPECT_FALSE(v.setDossier(images + QStringLiteral("/absent"))); // ignored
    EXPECT_EQ(v.dossier(), QDir::homePath());
    ASSERT_TRUE(v.setDossier(images));
    ASSERT_EQ(v.listeFichiers->count(), 3);
    EXPECT_EQ(v.listeFichiers->item(0)->text(), QStringLiteral("a-plein.89I"));
    EXPECT_EQ(v.listeFichiers->item(2)->text(), QStringLiteral("c-efface.89i"));

    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    cliquerRangee(v.listeFichiers, 1);
    EXPECT_EQ(v.cheminSelection(), images + QStringLiteral("/b-petit.89i"));
    EXPECT_TRUE(sameImage(dessin(80, 50), v.apercu.image()));
    effacer(); // unreadable: a message, the preview as it was
    cliquerRangee(v.listeFichiers, 2);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(sameImage(dessin(80, 50), v.apercu.image()));
    cliquerRangee(v.listeFichiers, 0, true);
    EXPECT_EQ(ouverts, std::vector<QString>{images + QStringLiteral("/a-plein.89I")});
    EXPECT_FALSE(v.isVisible());

    // A double click on a sub-folder opens it once the click is over: no pictures there.
    v.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
    cliquerRangee(v.listeDossiers, v.listeDossiers->count() - 1, true);
    QCoreApplication::processEvents();
    EXPECT_EQ(v.dossier(), images + QStringLiteral("/sous-dossier"));
    EXPECT_EQ(v.listeFichiers->count(), 0);
    EXPECT_EQ(v.listeLecteurs->currentText(), QStorageInfo(images).rootPath());
    // The drive shown, picked again: the folder stays; another drive shows its root.
    emit v.listeLecteurs->activated(v.listeLecteurs->currentIndex());
    EXPECT_EQ(v.dossier(), images + QStringLiteral("/sous-dossier"));
    const int autre = v.listeLecteurs->currentIndex() == 0 ? 1 : 0;
    if (autre < v.listeLecteurs->count()) {
        v.listeLecteurs->setCurrentIndex(autre);
        emit v.listeLecteurs->activated(autre);
        EXPECT_EQ(v.dossier(), v.listeLecteurs->itemText(autre));
    }
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(VisualisateurTest, OpensIntoTheMainWindowAndFollowsTheFiles)
{
    ouvrirAvec(moitieNoire(320, 200));
    const QImage source = f->etat.apercuSource.image().copy();
    // The modal viewer is driven while it shows, then hidden.
    const auto pendant = [&](std::function<void(Visualisateur &)> faire) {
        bool vu = false;
        QTimer::singleShot(0, [&] {
            Visualisateur *v = f->visualisateur();
            ASSERT_TRUE(v && v->isVisible() && v->isModal());
            vu = true;
            faire(*v);
            if (v->isVisible())
                v->hide();
        });
        cliquer(f->boutons[FenetrePrincipale::BoutonVisualisateur]);
        EXPECT_TRUE(vu);
    };
    f->etat.sauverAutomatiquement();
    pendant([&](Visualisateur &v) { // it starts with the automatic files
        EXPECT_EQ(QDir(v.dossier()), QDir(f->etat.dossierAutomatique()));
        EXPECT_EQ(v.listeFichiers->count(), 1);
        v.listeFichiers->setCurrentRow(0);
    });
    f->etat.sauverAutomatiquement();
    pendant([&](Visualisateur &v) { // saved while it was hidden: listed, the selection kept
        EXPECT_EQ(v.listeFichiers->count(), 2);
        EXPECT_EQ(v.listeFichiers->currentRow(), 0);
        v.setDossier(images);
        effacer();
        dialogs.messages.clear();
        cliquerRangee(v.listeFichiers, 2, true); // unreadable: the pictures stay
        EXPECT_EQ(dialogs.messages.size(), 2u); // the click, the double click
        EXPECT_TRUE(v.isVisible());
        EXPECT_TRUE(sameImage(source, f->etat.apercuSource.image()));
        cliquerRangee(v.listeFichiers, 1, true);
        EXPECT_FALSE(v.isVisible());
    });
    for (const Surface *s : {&f->etat.imageSource, &f->etat.travail, &f->etat.apercuSource})
        EXPECT_TRUE(sameImage(dessin(80, 50), s->image()));
    EXPECT_EQ(QSize(f->etat.largeur, f->etat.hauteur), QSize(80, 50));

    pendant([&](Visualisateur &v) { // reopened: the same folder, selection and preview; closing only hides
        EXPECT_EQ(v.cheminSelection(), images + QStringLiteral("/b-petit.89i"));
        EXPECT_TRUE(sameImage(dessin(80, 50), v.apercu.image()));
        v.close();
        EXPECT_FALSE(v.isVisible());
    });
    EXPECT_EQ(f->visualisateur()->dossier(), images);
}
