#include "geometrie.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace geometrie {
namespace {

// clang-format off
constexpr std::array kTable = {
    // Windows: client sizes.
    Controle{"Form1", "", 0, 0, 8715, 6750, "Brivane pour TI-89/92+ "},
    Controle{"Form2", "", 0, 0, 5415, 915, "A propos..."},
    Controle{"Form3", "", 0, 0, 7290, 4560, "Apercu Zoomé"},
    Controle{"Form4", "", 0, 0, 4515, 3000},
    Controle{"explo", "", 0, 0, 5190, 5265, "Orvisa"},

    // Main window: grey levels and size.
    Controle{"Label(0)", "Form1", 240, 15, 5250, 255, "   Correction des niveaux de gris."},
    Controle{"lbl", "Form1", 4800, 15, 615, 225, "0 %"},
    Controle{"slider1", "Form1", 240, 225, 5250, 255},
    Controle{"Check2", "Form1", 360, 525, 2175, 225, "Conserver les proportions",
             "Il est conseillé de desactiver cette option le temps de regler les niveaux de gris."},
    Controle{"Check3", "Form1", 360, 750, 2055, 255, "Inverser les couleurs"},
    Controle{"Check8", "Form1", 3240, 480, 2145, 225, "Tramage",
             "Diffuse l'erreur de seuil pour rendre les demi-teintes des photos"},
    Controle{"Option1", "Form1", 360, 975, 2055, 255, "Noir && Blanc simple"},
    Controle{"Option2", "Form1", 360, 1200, 2055, 240, "Via Grayscale 1"},
    Controle{"Label(9)", "Form1", 240, 1470, 2415, 630, " Largueur", "Plein ecran 160x100"},
    Controle{"Image8", "Form1", 1680, 1500, 300, 285},
    Controle{"Text7", "Form1", 1965, 1500, 375, 285, "160"},
    Controle{"Image9", "Form1", 2325, 1500, 300, 285},
    Controle{"Label3", "Form1", 255, 1800, 615, 195, " Hauteur"},
    Controle{"Image10", "Form1", 1680, 1785, 300, 285},
    Controle{"Text8", "Form1", 1965, 1785, 375, 285, "100"},
    Controle{"Image11", "Form1", 2325, 1785, 300, 285},
    Controle{"btnXP2", "Form1", 3240, 720, 2145, 375, "Importer presse-papier"},
    Controle{"btnXP6", "Form1", 3240, 1200, 2145, 375, "Ouvrir Fichier"},
    Controle{"btnXP1", "Form1", 3240, 1680, 2145, 375, "Convertir"},

    // Main window: the two previews.
    Controle{"Label(1)", "Form1", 240, 2160, 2430, 375, " Apercu original"},
    Controle{"Picture3", "Form1", 240, 2400, 2430, 1530},
    Controle{"Label(2)", "Form1", 3120, 2160, 2430, 375, " Apercu convertion"},
    Controle{"Label2", "Form1", 4680, 2250, 495, 135, "Label2"},
    Controle{"Image1", "Form1", 5280, 2190, 195, 195},
    Controle{"Picture2", "Form1", 3120, 2400, 2430, 1530},
    Controle{"Shape1", "Picture2", 600, 1200, 375, 135},
    Controle{"Line1", "Picture2", 360, 360, 1200, 960},
    Controle{"Prev", "Picture2", -9120, 120, 11295, 1455, "Label3"},

    // Main window: saving.
    Controle{"Line4", "Form1", 0, 4080, 5880, 4080},
    Controle{"btnXP3", "Form1", 360, 4275, 2145, 375, "Sauver fich. automatiquement"},
    Controle{"Label(3)", "Form1", 3120, 4200, 2400, 375, " Nom de fichier automatique"},
    Controle{"fich", "Form1", 3120, 4440, 2400, 285, "Label4"},
    Controle{"btnXP8", "Form1", 360, 4875, 2145, 375, "Sauver sous"},
    Controle{"btnXP9", "Form1", 3240, 4875, 2145, 375, "Visualisateur d'images"},
    Controle{"Line3", "Form1", 5760, 5400, 0, 5400},
    Controle{"Check1", "Form1", 240, 5520, 2295, 195, "Options avancées"},
    Controle{"Label(5)", "Form1", 240, 5760, 2400, 375, " Nom de fichier"},
    Controle{"Text1", "Form1", 240, 6000, 2400, 285},
    Controle{"Label(4)", "Form1", 3120, 5760, 2400, 375, " Nom de Dossier"},
    Controle{"Text2", "Form1", 3120, 6000, 2400, 285, "zfig"},
    Controle{"conv", "Form1", 240, 5760, 2415, 255, "Noir et blanc simple"},
    Controle{"Label1", "Form1", 720, 6000, 1695, 255, "Methode de conversion"},
    Controle{"Line5", "Form1", 5760, 6360, 0, 6360},
    Controle{"Matrice1", "Form1", 0, 6480, 8895, 375},
    Controle{"Picture1", "Form1", 120, 6480, 5880, 3240},

    // Main window: the editing tools.
    Controle{"Frame1", "Form1", 5760, 240, 2895, 6135, "Outils d'édition"},
    Controle{"Optio(0)", "Frame1", 120, 240, 975, 255, "Pixel On"},
    Controle{"Optio(1)", "Frame1", 120, 600, 975, 255, "Pixel off"},
    Controle{"Label(8)", "Frame1", 1440, 240, 1350, 615, " Taille pixel"},
    Controle{"Line2", "Frame1", 1440, 480, 2760, 480},
    Controle{"Image7", "Frame1", 1680, 510, 300, 285},
    Controle{"Text6", "Frame1", 1960, 510, 375, 285, "1"},
    Controle{"Image6", "Frame1", 2325, 510, 300, 285},
    Controle{"Optio(2)", "Frame1", 120, 1080, 1095, 255, "Texte"},
    Controle{"Text3", "Frame1", 240, 1320, 2415, 285},
    Controle{"Image3", "Frame1", 195, 1680, 300, 285},
    Controle{"Text4", "Frame1", 480, 1680, 375, 285, "6"},
    Controle{"Image2", "Frame1", 840, 1680, 300, 285},
    Controle{"Combo1", "Frame1", 1200, 1680, 1455, 315},
    Controle{"Check4", "Frame1", 360, 2040, 1065, 255, "Souligné"},
    Controle{"Check6", "Frame1", 1560, 2040, 945, 255, "Italique"},
    Controle{"Check5", "Frame1", 360, 2280, 1065, 255, "Gras"},
    Controle{"Check7", "Frame1", 1560, 2280, 1065, 255, "Rayé"},
    Controle{"Label(6)", "Frame1", 240, 2640, 2430, 375, " Apercu Police"},
    Controle{"Picture4", "Frame1", 240, 2880, 2430, 405, nullptr, "Cliquer pour switcher un pixel"},
    Controle{"btnXP5", "Frame1", 360, 3360, 2145, 375, "Valider le texte placé"},
    Controle{"Optio(3)", "Frame1", 120, 3960, 2415, 195, "Ligne"},
    Controle{"Label(7)", "Frame1", 240, 4200, 2430, 375, " Epaisseur ligne :"},
    Controle{"Image4", "Frame1", 1680, 4245, 300, 285},
    Controle{"Text5", "Frame1", 1965, 4245, 375, 285, "1"},
    Controle{"Image5", "Frame1", 2325, 4245, 300, 285},
    Controle{"btnXP4", "Frame1", 360, 4680, 2145, 375, "Valider la ligne tracée"},
    Controle{"Optio(4)", "Frame1", 120, 5280, 2415, 195, "Ellipse"},
    Controle{"btnXP7", "Frame1", 360, 5640, 2145, 375, "Valider l'ellipse"},

    // About window.
    Controle{"Form2.Text1", "Form2", 1080, 110, 4215, 735},

    // Zoomed preview.
    Controle{"afflcd1", "Form3", 0, 0, 7335, 4575},

    // Image viewer.
    Controle{"Label5", "explo", 120, 120, 2430, 375, " Apercu fichier"},
    Controle{"explo.Picture1", "explo", 120, 360, 2430, 1530},
    Controle{"Drive1", "explo", 120, 1920, 2430, 315},
    Controle{"Dir1", "explo", 120, 2250, 2430, 2790},
    Controle{"File1", "explo", 2640, 120, 2415, 4905},
    Controle{"explo.Label1", "explo", 120, 5040, 5055, 255,
             "Cliquer deux fois sur un fichier pour l'ouvrir dans l'editeur."},
};
// clang-format on

} // namespace

std::span<const Controle> table()
{
    return kTable;
}

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
