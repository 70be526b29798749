#include "fenetre.h"

#include <QApplication>
#include <QPainter>

void Fenetre::montrer(FenetrePrincipale *form)
{
    cadre.reset(); // the previous window first: one main window at a time
    f = form;
    cadre = std::make_unique<Cadre>(form);
    cadre->show();
    activer();
}

void Fenetre::ouvrir(const QStringList &arguments)
{
    auto *form = new FenetrePrincipale;
    form->etat.setCheminAppli(dossier.path());
    form->Form_Load(arguments);
    montrer(form);
}

void Fenetre::ouvrirLigne(const QString &ligneCommande)
{
    auto *form = new FenetrePrincipale;
    form->etat.setCheminAppli(dossier.path());
    form->Form_Load(ligneCommande);
    montrer(form);
}

QString Fenetre::ecrireImage(const QImage &image, const QString &nom)
{
    const QString path = dossier.filePath(nom);
    EXPECT_TRUE(image.save(path, "PNG"));
    return path;
}

void Fenetre::activer()
{
    cadre->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(cadre.get()));
    f->vueTravail->setFocus();
}

void Fenetre::touche(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *cible = QApplication::focusWidget();
    ASSERT_NE(cible, nullptr);
    QTest::keyClick(cible, key, modifiers);
}

void Fenetre::cliquer(QWidget *w, int fois)
{
    for (int i = 0; i < fois; ++i)
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

bool Fenetre::auDessus(const QWidget *w) const
{
    for (const auto &[fenetre, oui] : dialogs.topmostCalls)
        if (fenetre == w && oui)
            return true;
    return false;
}

int Fenetre::noirs() const
{
    int n = 0;
    for (int y = 0; y < f->etat.travail.height(); ++y)
        for (int x = 0; x < f->etat.travail.width(); ++x)
            n += f->etat.travail.point(x, y) == kNoir;
    return n;
}

QImage Fenetre::gris128()
{
    QImage image(200, 120, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    return image;
}

QImage Fenetre::moitieNoire(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(0, 0, w / 2, h, Qt::black);
    return image;
}

QImage Fenetre::ecran(bool gaucheNoire)
{
    const QImage gauche = moitieNoire(160, 100);
    return gaucheNoire ? gauche : gauche.mirrored(true, false);
}
