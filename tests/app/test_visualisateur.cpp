// The viewer of calculator pictures: its lists, its preview, opening into the main
// window, following the files.
#include "fenetre.h"

#include "app/listedossiers.h"
#include "app/visualisateur.h"
#include "picfile/picturewriter.h"

#include <functional>

namespace {

// The top-left w x h of a diagonal, as a 160 x 100 picture.
QImage dessin(int w, int h)
{
    QImage image = blackAt({160, 100}, {});
    QPainter(&image).drawImage(0, 0, diagonal(w, h));
    return image;
}

// A click on a row, or a double click as the system delivers it: a click, then the second press.
void cliquerRangee(QListWidget *list, int row, bool double_ = false)
{
    const QPoint p = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, p);
    if (double_)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, p);
}

} // namespace

TEST_F(Fenetre, TheViewerListsPreviewsOpensAndFollowsTheFiles)
{
    ouvrirAvec(moitieNoire(320, 200));
    const QString images = dossier.filePath(QStringLiteral("images"));
    ASSERT_TRUE(QDir(images).mkpath(QStringLiteral("sous-dossier")));
    for (const auto &[nom, w, h] : {std::tuple{"b-petit.89i", 80, 50}, {"a-plein.89I", 160, 100}, {"c-efface.89i", 160, 100}}) {
        Surface s(w, h);
        s.setPicture(diagonal(w, h));
        writeFile(images + u'/' + QString::fromLatin1(nom), picfile::encode(s.image(), QSize(w, h), QStringLiteral("zfig"), QStringLiteral("p")));
    }
    writeFile(images + QStringLiteral("/notes.txt"), "x");
    const QImage source = f->document.preview.image().copy();
    const auto pendant = [&](std::function<void(Visualisateur &)> faire) { // modal: driven while it shows
        bool vu = false;
        QTimer::singleShot(0, [&] {
            Visualisateur *v = f->visualisateur();
            ASSERT_TRUE(v && v->isVisible() && v->isModal() && auDessus(v));
            vu = true;
            faire(*v);
            v->hide();
        });
        cliquer(f->boutons[FenetrePrincipale::BoutonVisualisateur]);
        EXPECT_TRUE(vu);
    };
    f->saveAutomatically();
    pendant([&](Visualisateur &v) { // it starts with the automatic files
        EXPECT_EQ(QDir(v.dossier()), QDir(f->document.automaticFolder().folder()));
        EXPECT_EQ(v.listeFichiers->count(), 1);
        v.listeFichiers->setCurrentRow(0);
    });
    f->saveAutomatically();
    pendant([&](Visualisateur &v) {
        EXPECT_EQ(v.listeFichiers->count(), 2); // saved while it was hidden: listed, the selection kept
        EXPECT_EQ(v.listeFichiers->currentRow(), 0);
        ASSERT_TRUE(v.setDossier(images));
        ASSERT_EQ(v.listeFichiers->count(), 3);
        EXPECT_EQ(v.listeFichiers->item(0)->text(), QStringLiteral("a-plein.89I"));
        cliquerRangee(v.listeFichiers, 1);
        EXPECT_TRUE(sameImage(dessin(80, 50), v.apercu.image()));
        ASSERT_TRUE(QFile::remove(images + QStringLiteral("/c-efface.89i")));
        dialogs.messages.clear();
        cliquerRangee(v.listeFichiers, 2, true); // unreadable: a message each time, nothing lost
        EXPECT_EQ(dialogs.messages.size(), 2u);
        EXPECT_TRUE(sameImage(dessin(80, 50), v.apercu.image()));
        EXPECT_TRUE(sameImage(source, f->document.preview.image()));
        cliquerRangee(v.listeFichiers, 1, true);
        EXPECT_FALSE(v.isVisible());
    });
    for (const Surface *s : {&f->document.source, &f->document.work, &f->document.preview})
        EXPECT_TRUE(sameImage(dessin(80, 50), s->image()));
    EXPECT_EQ(f->document.fit().size(), QSize(80, 50));

    pendant([&](Visualisateur &v) { // reopened as it was left
        EXPECT_EQ(v.cheminSelection(), images + QStringLiteral("/b-petit.89i"));
        EXPECT_TRUE(sameImage(dessin(80, 50), v.apercu.image()));
        cliquerRangee(v.listeDossiers, v.listeDossiers->count() - 1, true); // opened once the click is over
        QCoreApplication::processEvents();
        EXPECT_EQ(v.dossier(), images + QStringLiteral("/sous-dossier"));
        EXPECT_EQ(v.listeFichiers->count(), 0);
        emit v.listeLecteurs->activated(v.listeLecteurs->currentIndex()); // the same drive: the folder stays
        EXPECT_EQ(v.dossier(), images + QStringLiteral("/sous-dossier"));
        v.close(); // only hides
        EXPECT_FALSE(v.isVisible());
    });
    EXPECT_EQ(f->visualisateur()->dossier(), images + QStringLiteral("/sous-dossier"));
}
