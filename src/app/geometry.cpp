#include "geometry.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

namespace geometry {
namespace {

// clang-format off
constexpr std::array kTable = {
    // Windows: client sizes.
    Control{"mainPanel", "", 0, 0, 8715, 6750, "Brivane pour TI-89/92+ "},
    Control{"aboutWindow", "", 0, 0, 5415, 915, "A propos..."},
    Control{"zoomWindow", "", 0, 0, 7290, 4560, "Apercu Zoomé"},
    Control{"splashWindow", "", 0, 0, 4515, 3000},
    Control{"viewer", "", 0, 0, 5190, 5265, "Orvisa"},

    // Main window: grey levels and size.
    Control{"levelHeader", "mainPanel", 240, 15, 5250, 255, "   Correction des niveaux de gris."},
    Control{"levelPercent", "mainPanel", 4800, 15, 615, 225, "0 %"},
    Control{"levelSlider", "mainPanel", 240, 225, 5250, 255},
    Control{"keepProportionsBox", "mainPanel", 360, 525, 2175, 225, "Conserver les proportions",
             "Il est conseillé de desactiver cette option le temps de regler les niveaux de gris."},
    Control{"invertBox", "mainPanel", 360, 750, 2055, 255, "Inverser les couleurs"},
    Control{"ditheringBox", "mainPanel", 3240, 480, 2145, 225, "Tramage",
             "Diffuse l'erreur de seuil pour rendre les demi-teintes des photos"},
    Control{"simpleMethodButton", "mainPanel", 360, 975, 2055, 255, "Noir && Blanc simple"},
    Control{"greyMethodButton", "mainPanel", 360, 1200, 2055, 240, "Via Grayscale 1"},
    Control{"sizeHeader", "mainPanel", 240, 1470, 2415, 630, " Largueur", "Plein ecran 160x100"},
    Control{"widthDownArrow", "mainPanel", 1680, 1500, 300, 285},
    Control{"widthBox", "mainPanel", 1965, 1500, 375, 285, "160"},
    Control{"widthUpArrow", "mainPanel", 2325, 1500, 300, 285},
    Control{"heightLabel", "mainPanel", 255, 1800, 615, 195, " Hauteur"},
    Control{"heightDownArrow", "mainPanel", 1680, 1785, 300, 285},
    Control{"heightBox", "mainPanel", 1965, 1785, 375, 285, "100"},
    Control{"heightUpArrow", "mainPanel", 2325, 1785, 300, 285},
    Control{"pasteButton", "mainPanel", 3240, 720, 2145, 375, "Importer presse-papier"},
    Control{"openButton", "mainPanel", 3240, 1200, 2145, 375, "Ouvrir Fichier"},
    Control{"convertButton", "mainPanel", 3240, 1680, 2145, 375, "Convertir"},

    // Main window: the two previews.
    Control{"previewHeader", "mainPanel", 240, 2160, 2430, 375, " Apercu original"},
    Control{"previewView", "mainPanel", 240, 2400, 2430, 1530},
    Control{"workHeader", "mainPanel", 3120, 2160, 2430, 375, " Apercu convertion"},
    Control{"coordinatesLabel", "mainPanel", 4680, 2250, 495, 135},
    Control{"magnifier", "mainPanel", 5280, 2190, 195, 195},
    Control{"canvas", "mainPanel", 3120, 2400, 2430, 1530},

    // Main window: saving.
    Control{"saveSeparator", "mainPanel", 0, 4080, 5880, 4080},
    Control{"saveAutomaticallyButton", "mainPanel", 360, 4275, 2145, 375, "Sauver fich. automatiquement"},
    Control{"nextNameHeader", "mainPanel", 3120, 4200, 2400, 375, " Nom de fichier automatique"},
    Control{"nextNameLabel", "mainPanel", 3120, 4440, 2400, 285},
    Control{"saveAsButton", "mainPanel", 360, 4875, 2145, 375, "Sauver sous"},
    Control{"viewerButton", "mainPanel", 3240, 4875, 2145, 375, "Visualisateur d'images"},
    Control{"advancedSeparator", "mainPanel", 5760, 5400, 0, 5400},
    Control{"advancedOptionsBox", "mainPanel", 240, 5520, 2295, 195, "Options avancées"},
    Control{"variableNameHeader", "mainPanel", 240, 5760, 2400, 375, " Nom de variable"},
    Control{"variableNameBox", "mainPanel", 240, 6000, 2400, 285},
    Control{"calculatorFolderHeader", "mainPanel", 3120, 5760, 2400, 375, " Nom de Dossier"},
    Control{"calculatorFolderBox", "mainPanel", 3120, 6000, 2400, 285, "zfig"},
    Control{"bannerSeparator", "mainPanel", 5760, 6360, 0, 6360},
    Control{"banner", "mainPanel", 0, 6480, 8895, 375},

    // Main window: the editing tools.
    Control{"toolsFrame", "mainPanel", 5760, 240, 2895, 6135, "Outils d'édition"},
    Control{"pixelOnToolButton", "toolsFrame", 120, 240, 975, 255, "Pixel On"},
    Control{"pixelOffToolButton", "toolsFrame", 120, 600, 975, 255, "Pixel off"},
    Control{"pixelSizeHeader", "toolsFrame", 1440, 240, 1350, 615, " Taille pixel"},
    Control{"pixelSizeSeparator", "toolsFrame", 1440, 480, 2760, 480},
    Control{"pixelSizeDownArrow", "toolsFrame", 1680, 510, 300, 285},
    Control{"pixelSizeBox", "toolsFrame", 1960, 510, 375, 285, "1"},
    Control{"pixelSizeUpArrow", "toolsFrame", 2325, 510, 300, 285},
    Control{"textToolButton", "toolsFrame", 120, 1080, 1095, 255, "Texte"},
    Control{"textBox", "toolsFrame", 240, 1320, 2415, 285},
    Control{"fontSizeDownArrow", "toolsFrame", 195, 1680, 300, 285},
    Control{"fontSizeBox", "toolsFrame", 480, 1680, 375, 285, "6"},
    Control{"fontSizeUpArrow", "toolsFrame", 840, 1680, 300, 285},
    Control{"fontList", "toolsFrame", 1200, 1680, 1455, 315},
    Control{"underlineBox", "toolsFrame", 360, 2040, 1065, 255, "Souligné"},
    Control{"italicBox", "toolsFrame", 1560, 2040, 945, 255, "Italique"},
    Control{"boldBox", "toolsFrame", 360, 2280, 1065, 255, "Gras"},
    Control{"strikeOutBox", "toolsFrame", 1560, 2280, 1065, 255, "Rayé"},
    Control{"fontPreviewHeader", "toolsFrame", 240, 2640, 2430, 375, " Apercu Police"},
    Control{"fontPreviewView", "toolsFrame", 240, 2880, 2430, 405, nullptr, "Cliquer pour switcher un pixel"},
    Control{"validateTextButton", "toolsFrame", 360, 3360, 2145, 375, "Valider le texte placé"},
    Control{"lineToolButton", "toolsFrame", 120, 3960, 2415, 195, "Ligne"},
    Control{"lineWidthHeader", "toolsFrame", 240, 4200, 2430, 375, " Epaisseur ligne :"},
    Control{"lineWidthDownArrow", "toolsFrame", 1680, 4245, 300, 285},
    Control{"lineWidthBox", "toolsFrame", 1965, 4245, 375, 285, "1"},
    Control{"lineWidthUpArrow", "toolsFrame", 2325, 4245, 300, 285},
    Control{"validateLineButton", "toolsFrame", 360, 4680, 2145, 375, "Valider la ligne tracée"},
    Control{"ellipseToolButton", "toolsFrame", 120, 5280, 2415, 195, "Ellipse"},
    Control{"validateEllipseButton", "toolsFrame", 360, 5640, 2145, 375, "Valider l'ellipse"},

    // About window.
    Control{"textArea", "aboutWindow", 1080, 110, 4215, 735},

    // Image viewer.
    Control{"filePreviewHeader", "viewer", 120, 120, 2430, 375, " Apercu fichier"},
    Control{"previewView", "viewer", 120, 360, 2430, 1530},
    Control{"driveList", "viewer", 120, 1920, 2430, 315},
    Control{"folderList", "viewer", 120, 2250, 2430, 2310},
    Control{"sendButton", "viewer", 120, 4620, 2430, 375, "Envoyer à la calculatrice"},
    Control{"fileList", "viewer", 2640, 120, 2415, 4905},
    Control{"helpLabel", "viewer", 120, 5040, 5055, 255,
             "Cliquer deux fois sur un fichier pour l'ouvrir dans l'editeur."},
};
// clang-format on

} // namespace

const Control &control(std::string_view name)
{
    const auto it = std::find_if(kTable.begin(), kTable.end(),
                                 [name](const Control &c) { return c.name == name; });
    Q_ASSERT_X(it != kTable.end(), "geometrie::controle", "unknown control");
    return it != kTable.end() ? *it : kTable.front();
}

QRect rect(std::string_view name)
{
    const Control &c = control(name);
    return {pixels(c.l), pixels(c.t), pixels(c.w), pixels(c.h)};
}

QLine line(std::string_view name)
{
    const Control &c = control(name);
    return {pixels(c.l), pixels(c.t), pixels(c.w), pixels(c.h)};
}

QString text(std::string_view name)
{
    return QString::fromUtf8(control(name).text);
}

QString toolTip(std::string_view name)
{
    return QString::fromUtf8(control(name).toolTip);
}

} // namespace geometry
