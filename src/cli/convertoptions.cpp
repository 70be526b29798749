#include "convertoptions.h"

#include "cli/console.h"
#include "picfile/calculatorname.h"
#include "picfile/format.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <limits>

namespace {

constexpr int kTasksMax = 256;

struct OptionTable
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("affiche cette aide")};
    QCommandLineOption output{
        {QStringLiteral("o"), QStringLiteral("sortie")},
        QStringLiteral("fichier de sortie (une SOURCE) ou dossier existant, où\n"
                       "chaque sortie prend le nom de sa source suivi de .89i ;\n"
                       "sans cette option, chaque image est écrite sous le\n"
                       "prochain nom automatique figNNNN.89i du dossier courant"),
        QStringLiteral("CHEMIN")};
    QCommandLineOption width{QStringLiteral("largeur"),
                             QStringLiteral("largeur de l'image, de 1 à 160 (160 par défaut)"),
                             QStringLiteral("N")};
    QCommandLineOption height{QStringLiteral("hauteur"),
                              QStringLiteral("hauteur de l'image, de 1 à 100 (100 par défaut)"),
                              QStringLiteral("N")};
    QCommandLineOption size{QStringLiteral("taille"),
                            QStringLiteral("un écran de la calculatrice : ecran (160 x 100)\n"
                                           "ou graphique (159 x 77, l'écran graphique, où un\n"
                                           "programme rappelle une image) ; au lieu de\n"
                                           "--largeur et --hauteur"),
                            QStringLiteral("ECRAN")};
    QCommandLineOption keepProportions{QStringLiteral("proportions"),
                                       QStringLiteral("« Conserver les proportions »")};
    QCommandLineOption rotation{QStringLiteral("rotation"),
                                QStringLiteral("tourne l'image de 90, 180 ou 270 degrés dans le\n"
                                               "sens des aiguilles d'une montre"),
                                QStringLiteral("DEGRES")};
    QCommandLineOption mirror{QStringLiteral("miroir"),
                              QStringLiteral("retourne l'image après la rotation : horizontal\n"
                                             "(la gauche et la droite échangées) ou vertical\n"
                                             "(le haut et le bas échangés)"),
                              QStringLiteral("SENS")};
    QCommandLineOption frame{QStringLiteral("cadre"),
                             QStringLiteral("ne convertit que ce rectangle de l'image, en\n"
                                            "pixels de l'image tournée : X,Y son coin en haut\n"
                                            "à gauche (0,0 : le premier pixel), L sa largeur,\n"
                                            "H sa hauteur"),
                             QStringLiteral("X,Y,L,H")};
    QCommandLineOption frameContent{QStringLiteral("rogner"),
                                    QStringLiteral("« Rogner les marges » : ne convertit que ce qui\n"
                                                   "diffère de la couleur des coins de l'image\n"
                                                   "(l'image entière si tout est marge) ; pas avec\n"
                                                   "--cadre")};
    QCommandLineOption reduction{QStringLiteral("reduction"),
                                 QStringLiteral("comment une image réduite fond chaque bloc de\n"
                                                "pixels : moyenne (par défaut, pour les photos)\n"
                                                "ou et (ET logique, garde les traits fins des\n"
                                                "dessins au trait)"),
                                 QStringLiteral("MODE")};
    QCommandLineOption simpleMethod{QStringLiteral("simple"),
                                    QStringLiteral("« Noir & Blanc simple » au lieu de la méthode\n"
                                                   "des niveaux de gris")};
    QCommandLineOption level{QStringLiteral("niveau"),
                             QStringLiteral("correction des niveaux de gris, de -50 à 50\n"
                                            "(0 par défaut), ou auto : le niveau qui sépare le\n"
                                            "mieux les gris foncés des gris clairs de l'image"),
                             QStringLiteral("N")};
    QCommandLineOption dithering{QStringLiteral("tramage"),
                                 QStringLiteral("rend les demi-teintes des photos par des points\n"
                                                "(sans tramage par défaut) :\n"
                                                "floyd-steinberg   net, le bon choix pour les photos\n"
                                                "atkinson          contrasté, aplats propres (dessins)\n"
                                                "bayer             trame régulière 8 x 8, aspect rétro\n"
                                                "jarvis            dégradés doux, détails plus flous\n"
                                                "stucki            comme jarvis, un peu plus net\n"
                                                "sierra            entre floyd-steinberg et jarvis\n"
                                                "bruit-bleu        points épars sans motif visible\n"
                                                "optimal           le plus fidèle, plus lent ; choisit\n"
                                                "                  lui-même ses tons"),
                                 QStringLiteral("METHODE")};
    QCommandLineOption tones{QStringLiteral("tons"),
                             QStringLiteral("rendu des tons du tramage, de 1 (lumière exacte)\n"
                                            "à 2,2 (ombres détaillées) ; %1 par défaut")
                                 .arg(QString::number(monochrome::kDefaultToneCurve).replace(u'.', u',')),
                             QStringLiteral("G")};
    QCommandLineOption contrast{QStringLiteral("contraste"),
                                QStringLiteral("auto : étire les tons avant toute méthode, les\n"
                                               "0,5 % de pixels les plus sombres en noir, les\n"
                                               "0,5 % les plus clairs en blanc (sans par défaut)"),
                                QStringLiteral("auto")};
    QCommandLineOption invertColours{QStringLiteral("inverser"),
                                     QStringLiteral("« Inverser les couleurs »")};
    QCommandLineOption calculatorFolder{QStringLiteral("dossier"),
                                        QStringLiteral("dossier de la calculatrice (zfig par défaut) ;\n"
                                                       "un nom de la calculatrice : 1 à 8 caractères,\n"
                                                       "une lettre minuscule d'abord, puis des lettres\n"
                                                       "minuscules, des chiffres ou _"),
                                        QStringLiteral("NOM")};
    QCommandLineOption variableName{
        QStringLiteral("variable"),
        QStringLiteral("nom de la variable, un nom de la calculatrice (par\n"
                       "défaut le nom automatique, ou le nom du fichier de\n"
                       "sortie sans .89i, en minuscules, sans accents ni\n"
                       "autres signes, coupé à 8 caractères)"),
        QStringLiteral("NOM")};

    QCommandLineOption tasks{{QStringLiteral("j"), QStringLiteral("taches")},
                             QStringLiteral("nombre d'images converties en même temps, de 1 à\n"
                                            "256 (par défaut le nombre de cœurs de la machine ;\n"
                                            "1 : une à la fois)"),
                             QStringLiteral("N")};

    QList<QCommandLineOption> all() const
    {
        return {output,       width,         height,           size,          keepProportions,
                rotation,     mirror,        frame,            frameContent,  reduction,
                simpleMethod, level,         dithering,        tones,         contrast,
                invertColours,               calculatorFolder, variableName,  tasks,
                help};
    }
};

// One line per option, continuation lines indented under the description.
QString optionsHelp(const QList<QCommandLineOption> &options)
{
    constexpr int kColumn = 24;
    QString text;
    for (const QCommandLineOption &option : options) {
        QStringList names;
        for (const QString &name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString head = QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            head += u' ' + option.valueName();
        head = head.leftJustified(kColumn - 1) + u' ';
        QString description = option.description();
        description.replace(u'\n', u'\n' + QString(kColumn, u' '));
        text += head + description + u'\n';
    }
    return text;
}

QString convertHelp(const OptionTable &p)
{
    return QStringLiteral("Utilisation : brivane convertir [options] SOURCE...\n\n"
                          "Convertit chaque image SOURCE en fichier .89i pour TI-89/92+, comme la\n"
                          "fenêtre du programme : ajustement à la taille choisie, méthode noir et\n"
                          "blanc, puis « Sauver sous ».\n\nOptions :\n")
        + optionsHelp(p.all())
        + QStringLiteral("\nUne SOURCE .89i est reprise telle qu'elle est enregistrée, à sa taille\n"
                         "(160 x 100 au plus) : seuls --dossier et --variable s'y appliquent.\n"
                         "\nChaque autre image est tournée (--rotation), retournée (--miroir),\n"
                         "cadrée (--cadre ou --rogner), puis convertie. Un cadre qui dépasse\n"
                         "d'une image fait échouer cette image seule (code de sortie 1).\n");
}

// A whole number within [min, max], or nothing.
std::optional<int> integerValue(const QString &text, int min, int max)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

// A tone curve from 1 to 2.2, its decimals after '.' or ','; or nothing.
std::optional<double> toneCurveValue(QString text)
{
    text = text.trimmed().replace(u',', u'.');
    static const QRegularExpression decimal(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    const double value = text.toDouble();
    if (value < monochrome::kExactLight || value > monochrome::kDetailedShadows)
        return std::nullopt;
    return value;
}

// "X,Y,L,H": a corner from (0, 0) and a size of at least one pixel, or nothing.
// Each number stays below half the int range, so the rectangle's edges cannot overflow.
std::optional<QRect> frameValue(const QString &text)
{
    constexpr int kMax = std::numeric_limits<int>::max() / 2;
    const QStringList parts = text.split(u',');
    if (parts.size() != 4)
        return std::nullopt;
    std::optional<int> v[4];
    for (int i = 0; i < 4; ++i)
        if (!(v[i] = integerValue(parts[i], i < 2 ? 0 : 1, kMax)))
            return std::nullopt;
    return QRect(*v[0], *v[1], *v[2], *v[3]);
}

} // namespace

std::optional<ConvertOptions> parseConvertOptions(const QStringList &arguments, const Console &console,
                                                  int *status)
{
    const QString command = QStringLiteral("convertir");
    const auto usageError = [&](const QString &message) {
        *status = console.usageError(message, command);
        return std::nullopt;
    };
    const OptionTable p;
    QCommandLineParser parser;
    parser.addOptions(p.all());
    if (!parser.parse(arguments)) {
        *status = console.parseError(parser, command);
        return std::nullopt;
    }
    if (parser.isSet(p.help)) {
        console.out() << convertHelp(p) << Qt::flush;
        *status = Console::Success;
        return std::nullopt;
    }

    ConvertOptions options;
    const auto integer = [&](const QCommandLineOption &option, int min, int max, int *target) {
        if (!parser.isSet(option))
            return true;
        const auto value = integerValue(parser.value(option), min, max);
        if (value)
            *target = *value;
        return value.has_value();
    };
    if (!integer(p.width, 1, Document::kScreenWidth, &options.width))
        return usageError(QStringLiteral("--largeur attend un nombre entier de 1 à 160, pas « %1 ».")
                              .arg(parser.value(p.width)));
    if (!integer(p.height, 1, Document::kScreenHeight, &options.height))
        return usageError(QStringLiteral("--hauteur attend un nombre entier de 1 à 100, pas « %1 ».")
                              .arg(parser.value(p.height)));
    options.automaticLevel = parser.isSet(p.level) && parser.value(p.level) == QLatin1String("auto");
    if (!options.automaticLevel && !integer(p.level, -50, 50, &options.level))
        return usageError(QStringLiteral("--niveau attend un nombre entier de -50 à 50 ou auto, pas « %1 ».")
                              .arg(parser.value(p.level)));
    if (parser.isSet(p.dithering)) {
        const auto method = monochrome::ditheringFromName(parser.value(p.dithering));
        if (!method) {
            QStringList names;
            for (const monochrome::Dithering m : monochrome::kDitheringMethods)
                names << monochrome::ditheringName(m);
            return usageError(QStringLiteral("--tramage attend %1 ou %2, pas « %3 ».")
                                  .arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.last(),
                                       parser.value(p.dithering)));
        }
        options.dithering = *method;
    }
    if (parser.isSet(p.tones)) {
        const auto curve = toneCurveValue(parser.value(p.tones));
        if (!curve)
            return usageError(QStringLiteral("--tons attend un nombre de 1 à 2,2 (1,3 ou 1.3 par exemple), "
                                             "pas « %1 ».").arg(parser.value(p.tones)));
        options.toneCurve = *curve;
    }
    if (parser.isSet(p.contrast)) {
        if (parser.value(p.contrast) != QLatin1String("auto"))
            return usageError(QStringLiteral("--contraste attend auto, pas « %1 ».").arg(parser.value(p.contrast)));
        options.autoContrast = true;
    }
    if (parser.isSet(p.reduction)) {
        const QString mode = parser.value(p.reduction);
        if (mode == QLatin1String("et"))
            options.reduction = Reduction::And;
        else if (mode != QLatin1String("moyenne"))
            return usageError(QStringLiteral("--reduction attend moyenne ou et, pas « %1 ».").arg(mode));
    }
    if (parser.isSet(p.size)) {
        if (parser.isSet(p.width) || parser.isSet(p.height))
            return usageError(QStringLiteral("--taille donne la largeur et la hauteur : elle ne va pas avec "
                                             "--largeur ni --hauteur."));
        const QString screen = parser.value(p.size);
        if (screen == QLatin1String("ecran") || screen == QStringLiteral("écran"))
            options.width = Document::kScreenWidth, options.height = Document::kScreenHeight;
        else if (screen == QLatin1String("graphique"))
            options.width = Document::kGraphScreenWidth, options.height = Document::kGraphScreenHeight;
        else
            return usageError(QStringLiteral("--taille attend ecran ou graphique, pas « %1 ».").arg(screen));
    }
    if (parser.isSet(p.rotation)) {
        const QString degrees = parser.value(p.rotation);
        const qsizetype turns = QStringList{QStringLiteral("90"), QStringLiteral("180"), QStringLiteral("270")}
                                    .indexOf(degrees.trimmed()) + 1;
        if (turns == 0)
            return usageError(QStringLiteral("--rotation attend 90, 180 ou 270, pas « %1 ».").arg(degrees));
        options.orientation = Orientation::clockwise(int(turns));
    }
    if (parser.isSet(p.mirror)) {
        const QString side = parser.value(p.mirror);
        Orientation mirror;
        if (side == QLatin1String("horizontal"))
            mirror = Orientation::horizontalMirror();
        else if (side == QLatin1String("vertical"))
            mirror = Orientation::verticalMirror();
        else
            return usageError(QStringLiteral("--miroir attend horizontal ou vertical, pas « %1 ».").arg(side));
        options.orientation = mirror.after(options.orientation);
    }
    if (parser.isSet(p.frame)) {
        if (parser.isSet(p.frameContent))
            return usageError(QStringLiteral("--cadre et --rogner ne vont pas ensemble : choisissez l'un ou "
                                             "l'autre."));
        options.frame = frameValue(parser.value(p.frame));
        if (!options.frame)
            return usageError(QStringLiteral("--cadre attend X,Y,L,H : quatre nombres entiers, X et Y de 0 ou "
                                             "plus, L et H de 1 ou plus, pas « %1 ».").arg(parser.value(p.frame)));
    }
    options.frameContent = parser.isSet(p.frameContent);
    options.tasks = std::max(1, QThread::idealThreadCount());
    if (!integer(p.tasks, 1, kTasksMax, &options.tasks))
        return usageError(QStringLiteral("--taches attend un nombre entier de 1 à 256, pas « %1 ».")
                              .arg(parser.value(p.tasks)));
    options.keepProportions = parser.isSet(p.keepProportions);
    options.simpleMethod = parser.isSet(p.simpleMethod);
    options.invertColours = parser.isSet(p.invertColours);
    if (parser.isSet(p.calculatorFolder))
        options.calculatorFolder = parser.value(p.calculatorFolder);
    if (parser.isSet(p.variableName))
        options.variableName = parser.value(p.variableName);
    for (const QString &name : {options.calculatorFolder, options.variableName.value_or(QStringLiteral("a"))})
        if (!picfile::isCalculatorName(name))
            return usageError(QStringLiteral("« %1 » n'est pas un nom de la calculatrice : 1 à 8 "
                                             "caractères, une lettre minuscule d'abord, puis "
                                             "des lettres minuscules, des chiffres ou « _ ».")
                                  .arg(name));

    options.sources = parser.positionalArguments();
    if (options.sources.isEmpty())
        return usageError(QStringLiteral("Aucune image à convertir."));
    if (parser.isSet(p.output)) {
        const QString output = parser.value(p.output);
        const bool namesFolder = output.endsWith(u'/') || output.endsWith(QDir::separator());
        const QString suffix = QString::fromLatin1(picfile::kFileSuffix);
        if (QFileInfo(output).isDir())
            options.outputFolder = output;
        else if (namesFolder)
            return usageError(QStringLiteral("Le dossier de sortie %1 n'existe pas.").arg(Console::shown(output)));
        else if (options.sources.size() > 1)
            return usageError(QStringLiteral("Plusieurs images demandent un dossier de sortie existant : "
                                             "%1 n'est pas un dossier.").arg(Console::shown(output)));
        else
            options.outputFile = output.endsWith(suffix, Qt::CaseInsensitive) ? output : output + suffix;
    }
    return options;
}
