// The main window's start-up sequence.
#include "fenetreprincipale.h"

#include "apparence.h"
#include "commandbutton.h"
#include "dotmatrix/numberederror.h"
#include "dotmatrix/signwidget.h"
#include "fenetredemarrage.h"
#include "geometrie.h"
#include "app/dialogs.h"
#include "startupsource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const char *const kBoutons[] = {"boutonConvertir", "boutonImporter", "boutonSauverAuto", "boutonValiderLigne", "boutonValiderTexte",
                                "boutonOuvrir", "boutonValiderEllipse", "boutonSauverSous", "boutonVisualisateur"};

} // namespace

QString FenetrePrincipale::texteBienvenue()
{
    return QStringLiteral("Bienvenue sur Brivane programmé par Ostrelin Vardeck...")
           + QString(31, u' ');
}

void FenetrePrincipale::Form_Load(const QStringList &arguments)
{
    QStringList autres;
    const QString source = startupSource(arguments, &autres);
    demarrer(source);
    if (!autres.isEmpty()) {
        QStringList noms;
        for (const QString &autre : autres)
            noms << QDir::toNativeSeparators(autre);
        Dialogs::current().message(
            (autres.size() == 1 ? QStringLiteral("Une seule image s'ouvre à la fois ; ce fichier n'a pas "
                                                 "été ouvert : %1.")
                                : QStringLiteral("Une seule image s'ouvre à la fois ; ces fichiers n'ont "
                                                 "pas été ouverts : %1."))
                .arg(noms.join(QStringLiteral(", "))),
            Dialogs::Icon::Information);
    }
}

void FenetrePrincipale::Form_Load(const QString &ligneCommande)
{
    demarrer(ligneCommande.isEmpty() ? QString() : startupSource(ligneCommande));
}

void FenetrePrincipale::demarrer(const QString &source)
{
    // The program's folder is the state's from its creation.
    QStringList polices = QFontDatabase::families();
    polices.sort(Qt::CaseInsensitive);
    listePolices->addItems(polices);
    // The list shows the font the text tool uses (the face the system put in
    // place of the preview's).
    listePolices->setCurrentIndex(listePolices->findText(QFontInfo(editeur.font()).family()));
    // The editor sets the fonts up itself: the preview's name goes to the text
    // label and the size goes up once, to 7 points.
    boiteTaillePolice->setText(editeur.fontSize().text());
    boiteEpaisseur->setText(editeur.lineWidth().text());
    boiteTaillePixel->setText(editeur.pixelSize().text());

    apparence::fond(this, couleurs::fond);
    for (QLabel *label : entetes)
        apparence::fond(label, couleurs::entete);
    for (QWidget *w : std::initializer_list<QWidget *>{caseOptionsAvancees, caseProportions, caseInverser, choixMethodeSimple, choixMethodeGris})
        apparence::fond(w, couleurs::fond);

    try {
        DotMatrix &sign = banner->matrix();
        sign.setBackColor(couleurs::fond);
        sign.setForeColor(couleurs::banniere);
        sign.setPixelSize(2);
        sign.makeText(texteBienvenue());
    } catch (const NumberedError &) {
        // The banner stays as it is; the program works without it.
    }

    FenetreDemarrage splash;
    splash.show();
    splash.repaint();

    choixMethodeGris->setChecked(true);
    choixMethodeGris_Click();
    for (int i = 1; i <= 9; ++i)
        boutons[size_t(i)]->setText(geometrie::texte(kBoutons[i - 1]));

    // Sizes, source, stretch, conversion at level 0 and the first free name.
    if (const QString message = document.start(source); !message.isEmpty())
        Dialogs::current().message(message, Dialogs::Icon::Exclamation);
    // The first picture is where undoing stops.
    historique.reinitialiser();
    splash.hide();
}
