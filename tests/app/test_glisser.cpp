#include "fenetreprincipale.h"

#include "picfile/lib89i.h"
#include "support/imagediff.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

std::unique_ptr<QMimeData> fichiers(const QStringList &paths)
{
    auto mime = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString &p : paths)
        urls << QUrl::fromLocalFile(p);
    mime->setUrls(urls);
    return mime;
}

} // namespace

// Drops sent to the window as the platform sends them: enter, then drop.
class Glisser : public FenetrePrincipale
{
protected:
    // Whether the window takes the drag (the forbidden cursor otherwise).
    bool accepte(const QMimeData &mime)
    {
        QDragEnterEvent entree(QPoint(300, 200), Qt::CopyAction | Qt::MoveAction, &mime,
                               Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &entree);
        return entree.isAccepted();
    }
    // Drops it; true when the drop was taken. Its command runs once the drop is over.
    bool deposer(const QMimeData &mime)
    {
        QDropEvent depot(QPointF(300, 200), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &depot);
        QCoreApplication::processEvents();
        return depot.isAccepted();
    }
    // Neither taken nor dropped: nothing changes.
    void refuse(const QMimeData &mime, const char *quoi)
    {
        const QImage p2 = form->etat.picture2.image().copy(), p3 = form->etat.picture3.image().copy();
        EXPECT_FALSE(accepte(mime)) << quoi;
        EXPECT_FALSE(deposer(mime)) << quoi;
        EXPECT_TRUE(sameImage(p2, form->etat.picture2.image())) << quoi;
        EXPECT_TRUE(sameImage(p3, form->etat.picture3.image())) << quoi;
        EXPECT_TRUE(dialogs.messages.empty()) << quoi;
    }
};

TEST_F(Glisser, APictureFileOpensAsIfChosenInTheDialog)
{
    demarrerAvec(gris128());
    EXPECT_TRUE(form->acceptDrops());
    const QImage travail = form->etat.picture2.image().copy();
    const auto mime = fichiers({ecrireImage(moitieNoire(320, 200), QStringLiteral("photo.png"))});
    EXPECT_TRUE(accepte(*mime));
    EXPECT_TRUE(deposer(*mime));
    EXPECT_TRUE(sameImage(moitiesEcran(true), form->etat.picture3.image()));
    EXPECT_TRUE(sameImage(travail, form->etat.picture2.image())); // converted next, as after the dialog
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Glisser, ACalculatorPictureGoesIntoTheWorkPictureAndCanBeUndone)
{
    demarrerAvec(gris128());
    const QImage travail = form->etat.picture2.image().copy();
    Surface fichier(160, 100);
    fichier.line(QPointF(0, 50), QPointF(160, 50), kNoir);
    const QString chemin = dossier.filePath(QStringLiteral("ligne.89I"));
    ASSERT_TRUE(lib89i::Ecrire89i(chemin, fichier, 100, 160, QStringLiteral("zfig"),
                                  QStringLiteral("ligne"), false));
    const auto mime = fichiers({chemin});
    EXPECT_TRUE(accepte(*mime));
    EXPECT_TRUE(deposer(*mime));
    EXPECT_TRUE(sameImage(fichier.image(), form->etat.picture2.image()));
    EXPECT_TRUE(form->historique.annuler());
    EXPECT_TRUE(sameImage(travail, form->etat.picture2.image()));
}

TEST_F(Glisser, AnImageIsImportedLikeTheClipboards)
{
    demarrerAvec(gris128());
    QMimeData mime;
    mime.setImageData(moitieNoire(160, 100));
    EXPECT_TRUE(accepte(mime));
    EXPECT_TRUE(deposer(mime));
    EXPECT_TRUE(sameImage(moitiesEcran(true), form->etat.picture3.image()));

    // A web page's picture: its address is no local file, its image comes in.
    mime.setUrls({QUrl(QStringLiteral("https://exemple.fr/image.png"))});
    mime.setImageData(moitieNoire(160, 100).mirrored(true, false));
    EXPECT_TRUE(accepte(mime));
    EXPECT_TRUE(deposer(mime));
    EXPECT_TRUE(sameImage(moitiesEcran(false), form->etat.picture3.image()));
}

TEST_F(Glisser, AFileThatCannotBeReadGivesAMessageAndChangesNothing)
{
    demarrerAvec(gris128());
    const QImage p3 = form->etat.picture3.image().copy();
    const QString chemin = dossier.filePath(QStringLiteral("abimee.jpg"));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("pas une image");
    f.close();
    const auto mime = fichiers({chemin});
    EXPECT_TRUE(accepte(*mime)); // its name says picture
    EXPECT_TRUE(deposer(*mime));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("abimee.jpg")));
    EXPECT_TRUE(sameImage(p3, form->etat.picture3.image()));
}

TEST_F(Glisser, AnythingElseIsRefused)
{
    demarrerAvec(gris128());
    const QString texte = dossier.filePath(QStringLiteral("notes.txt"));
    QFile f(texte);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("quelques mots");
    f.close();
    const QString image = ecrireImage(moitieNoire(16, 16), QStringLiteral("a.png"));

    QMimeData seulTexte;
    seulTexte.setText(QStringLiteral("du texte"));
    refuse(seulTexte, "text");
    refuse(*fichiers({texte}), "text file");
    refuse(*fichiers({dossier.path()}), "folder");
    refuse(*fichiers({dossier.filePath(QStringLiteral("absente.png"))}), "missing file");
    refuse(*fichiers({image, ecrireImage(moitieNoire(16, 16), QStringLiteral("b.png"))}), "two files");
    QMimeData distant;
    distant.setUrls({QUrl(QStringLiteral("https://exemple.fr/image.png"))});
    refuse(distant, "remote file");
    refuse(QMimeData(), "nothing");
}
