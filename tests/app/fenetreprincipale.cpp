#include "fenetreprincipale.h"

#include <QPainter>
#include <QTest>

bool topmost(const RecordingDialogs &dialogs, const QWidget *window)
{
    for (const auto &[w, on] : dialogs.topmostCalls)
        if (w == window && on)
            return true;
    return false;
}

QString FenetrePrincipale::ecrireImage(const QImage &image, const QString &nom)
{
    const QString path = dossier.filePath(nom);
    EXPECT_TRUE(image.save(path, "PNG"));
    return path;
}

void FenetrePrincipale::demarrer(const QString &ligneCommande)
{
    form = std::make_unique<Form1>();
    form->etat.setCheminAppli(dossier.path());
    form->Form_Load(ligneCommande);
}

void FenetrePrincipale::demarrerAvec(const QImage &source)
{
    demarrer(ecrireImage(source));
}

void FenetrePrincipale::afficher()
{
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

QImage FenetrePrincipale::gris128()
{
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    return image;
}

QImage FenetrePrincipale::moitiesEcran(bool gaucheNoire)
{
    const QImage gauche = moitieNoire(160, 100);
    return gaucheNoire ? gauche : gauche.mirrored(true, false);
}

QImage FenetrePrincipale::moitieNoire(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, w / 2, h, Qt::black);
    return image;
}
