#include "geometrie.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace geometrie {
namespace {

// clang-format off
constexpr std::array kTable = {
    // Windows: client sizes.
    Controle{"FenetrePrincipale", "", 0, 0, 8715, 6750, "Brivane pour TI-89/92+ "},
    Controle{"FenetreAPropos", "", 0, 0, 5415, 915, "A propos..."},
    Controle{"FenetreZoom", "", 0, 0, 7290, 4560, "Apercu Zoomé"},
    Controle{"FenetreDemarrage", "", 0, 0, 4515, 3000},
    Controle{"Visualisateur", "", 0, 0, 5190, 5265, "Orvisa"},

    // Main window: grey levels and size.
    Controle{"enteteNiveaux", "FenetrePrincipale", 240, 15, 5250, 255, "   Correction des niveaux de gris."},
    Controle{"pourcentNiveau", "FenetrePrincipale", 4800, 15, 615, 225, "0 %"},
    Controle{"niveauGris", "FenetrePrincipale", 240, 225, 5250, 255},
    Controle{"caseProportions", "FenetrePrincipale", 360, 525, 2175, 225, "Conserver les proportions",
             "Il est conseillé de desactiver cette option le temps de regler les niveaux de gris."},
    Controle{"caseInverser", "FenetrePrincipale", 360, 750, 2055, 255, "Inverser les couleurs"},
    Controle{"caseTramage", "FenetrePrincipale", 3240, 480, 2145, 225, "Tramage",
             "Diffuse l'erreur de seuil pour rendre les demi-teintes des photos"},
    Controle{"choixMethodeSimple", "FenetrePrincipale", 360, 975, 2055, 255, "Noir && Blanc simple"},
    Controle{"choixMethodeGris", "FenetrePrincipale", 360, 1200, 2055, 240, "Via Grayscale 1"},
    Controle{"enteteTaille", "FenetrePrincipale", 240, 1470, 2415, 630, " Largueur", "Plein ecran 160x100"},
    Controle{"flecheLargeurMoins", "FenetrePrincipale", 1680, 1500, 300, 285},
    Controle{"boiteLargeur", "FenetrePrincipale", 1965, 1500, 375, 285, "160"},
    Controle{"flecheLargeurPlus", "FenetrePrincipale", 2325, 1500, 300, 285},
    Controle{"libelleHauteur", "FenetrePrincipale", 255, 1800, 615, 195, " Hauteur"},
    Controle{"flecheHauteurMoins", "FenetrePrincipale", 1680, 1785, 300, 285},
    Controle{"boiteHauteur", "FenetrePrincipale", 1965, 1785, 375, 285, "100"},
    Controle{"flecheHauteurPlus", "FenetrePrincipale", 2325, 1785, 300, 285},
    Controle{"boutonImporter", "FenetrePrincipale", 3240, 720, 2145, 375, "Importer presse-papier"},
    Controle{"boutonOuvrir", "FenetrePrincipale", 3240, 1200, 2145, 375, "Ouvrir Fichier"},
    Controle{"boutonConvertir", "FenetrePrincipale", 3240, 1680, 2145, 375, "Convertir"},

    // Main window: the two previews.
    Controle{"enteteApercuSource", "FenetrePrincipale", 240, 2160, 2430, 375, " Apercu original"},
    Controle{"vueApercuSource", "FenetrePrincipale", 240, 2400, 2430, 1530},
    Controle{"enteteApercuTravail", "FenetrePrincipale", 3120, 2160, 2430, 375, " Apercu convertion"},
    Controle{"libelleCoordonnees", "FenetrePrincipale", 4680, 2250, 495, 135},
    Controle{"loupe", "FenetrePrincipale", 5280, 2190, 195, 195},
    Controle{"vueTravail", "FenetrePrincipale", 3120, 2400, 2430, 1530},

    // Main window: saving.
    Controle{"Line4", "FenetrePrincipale", 0, 4080, 5880, 4080},
    Controle{"boutonSauverAuto", "FenetrePrincipale", 360, 4275, 2145, 375, "Sauver fich. automatiquement"},
    Controle{"enteteNomAuto", "FenetrePrincipale", 3120, 4200, 2400, 375, " Nom de fichier automatique"},
    Controle{"nomSuivant", "FenetrePrincipale", 3120, 4440, 2400, 285},
    Controle{"boutonSauverSous", "FenetrePrincipale", 360, 4875, 2145, 375, "Sauver sous"},
    Controle{"boutonVisualisateur", "FenetrePrincipale", 3240, 4875, 2145, 375, "Visualisateur d'images"},
    Controle{"Line3", "FenetrePrincipale", 5760, 5400, 0, 5400},
    Controle{"caseOptionsAvancees", "FenetrePrincipale", 240, 5520, 2295, 195, "Options avancées"},
    Controle{"enteteNomFichier", "FenetrePrincipale", 240, 5760, 2400, 375, " Nom de fichier"},
    Controle{"boiteNomVariable", "FenetrePrincipale", 240, 6000, 2400, 285},
    Controle{"enteteDossier", "FenetrePrincipale", 3120, 5760, 2400, 375, " Nom de Dossier"},
    Controle{"boiteDossier", "FenetrePrincipale", 3120, 6000, 2400, 285, "zfig"},
    Controle{"Line5", "FenetrePrincipale", 5760, 6360, 0, 6360},
    Controle{"banner", "FenetrePrincipale", 0, 6480, 8895, 375},

    // Main window: the editing tools.
    Controle{"groupeOutils", "FenetrePrincipale", 5760, 240, 2895, 6135, "Outils d'édition"},
    Controle{"outilPixelOn", "groupeOutils", 120, 240, 975, 255, "Pixel On"},
    Controle{"outilPixelOff", "groupeOutils", 120, 600, 975, 255, "Pixel off"},
    Controle{"enteteTaillePixel", "groupeOutils", 1440, 240, 1350, 615, " Taille pixel"},
    Controle{"Line2", "groupeOutils", 1440, 480, 2760, 480},
    Controle{"flechePixelMoins", "groupeOutils", 1680, 510, 300, 285},
    Controle{"boiteTaillePixel", "groupeOutils", 1960, 510, 375, 285, "1"},
    Controle{"flechePixelPlus", "groupeOutils", 2325, 510, 300, 285},
    Controle{"outilTexte", "groupeOutils", 120, 1080, 1095, 255, "Texte"},
    Controle{"boiteTexte", "groupeOutils", 240, 1320, 2415, 285},
    Controle{"flecheTailleMoins", "groupeOutils", 195, 1680, 300, 285},
    Controle{"boiteTaillePolice", "groupeOutils", 480, 1680, 375, 285, "6"},
    Controle{"flecheTaillePlus", "groupeOutils", 840, 1680, 300, 285},
    Controle{"listePolices", "groupeOutils", 1200, 1680, 1455, 315},
    Controle{"caseSouligne", "groupeOutils", 360, 2040, 1065, 255, "Souligné"},
    Controle{"caseItalique", "groupeOutils", 1560, 2040, 945, 255, "Italique"},
    Controle{"caseGras", "groupeOutils", 360, 2280, 1065, 255, "Gras"},
    Controle{"caseRaye", "groupeOutils", 1560, 2280, 1065, 255, "Rayé"},
    Controle{"entetePolice", "groupeOutils", 240, 2640, 2430, 375, " Apercu Police"},
    Controle{"vueApercuPolice", "groupeOutils", 240, 2880, 2430, 405, nullptr, "Cliquer pour switcher un pixel"},
    Controle{"boutonValiderTexte", "groupeOutils", 360, 3360, 2145, 375, "Valider le texte placé"},
    Controle{"outilLigne", "groupeOutils", 120, 3960, 2415, 195, "Ligne"},
    Controle{"enteteEpaisseur", "groupeOutils", 240, 4200, 2430, 375, " Epaisseur ligne :"},
    Controle{"flecheEpaisseurMoins", "groupeOutils", 1680, 4245, 300, 285},
    Controle{"boiteEpaisseur", "groupeOutils", 1965, 4245, 375, 285, "1"},
    Controle{"flecheEpaisseurPlus", "groupeOutils", 2325, 4245, 300, 285},
    Controle{"boutonValiderLigne", "groupeOutils", 360, 4680, 2145, 375, "Valider la ligne tracée"},
    Controle{"outilEllipse", "groupeOutils", 120, 5280, 2415, 195, "Ellipse"},
    Controle{"boutonValiderEllipse", "groupeOutils", 360, 5640, 2145, 375, "Valider l'ellipse"},

    // About window.
    Controle{"zoneTexte", "FenetreAPropos", 1080, 110, 4215, 735},

    // Image viewer.
    Controle{"enteteApercu", "Visualisateur", 120, 120, 2430, 375, " Apercu fichier"},
    Controle{"vueApercu", "Visualisateur", 120, 360, 2430, 1530},
    Controle{"listeLecteurs", "Visualisateur", 120, 1920, 2430, 315},
    Controle{"listeDossiers", "Visualisateur", 120, 2250, 2430, 2790},
    Controle{"listeFichiers", "Visualisateur", 2640, 120, 2415, 4905},
    Controle{"libelleAide", "Visualisateur", 120, 5040, 5055, 255,
             "Cliquer deux fois sur un fichier pour l'ouvrir dans l'editeur."},
};
// clang-format on

} // namespace

const Controle &controle(std::string_view nom)
{
    const auto it = std::find_if(kTable.begin(), kTable.end(),
                                 [nom](const Controle &c) { return c.nom == nom; });
    Q_ASSERT_X(it != kTable.end(), "geometrie::controle", "unknown control");
    return it != kTable.end() ? *it : kTable.front();
}

QRect rect(std::string_view nom)
{
    const Controle &c = controle(nom);
    return {pixels(c.l), pixels(c.t), pixels(c.w), pixels(c.h)};
}

QLine ligne(std::string_view nom)
{
    const Controle &c = controle(nom);
    return {pixels(c.l), pixels(c.t), pixels(c.w), pixels(c.h)};
}

QString texte(std::string_view nom)
{
    return QString::fromUtf8(controle(nom).texte);
}

QString infobulle(std::string_view nom)
{
    return QString::fromUtf8(controle(nom).infobulle);
}

} // namespace geometrie
