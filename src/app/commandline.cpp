#include "commandline.h"

#include "convert/conversionstate.h"
#include "convert/tramage.h"
#include "picfile/calculatorname.h"
#include "picfile/format.h"
#include "picfile/picturereader.h"
#include "picfile/picturewriter.h"
#include "platform/dialogs.h"
#include "platform/files.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <QTextStream>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <new>
#include <optional>
#include <thread>
#include <vector>

struct ConvertOptions
{
    int largeur = ConversionState::kLargeurEcran;
    int hauteur = ConversionState::kHauteurEcran;
    int niveau = 0;
    bool niveauAuto = false; // "--niveau auto": Otsu's level of each picture
    traitement::Tramage tramage = traitement::Tramage::Aucun;
    bool proportions = false;
    Reduction reduction = Reduction::Moyenne;
    bool simple = false;
    bool inverser = false;
    QString dossier = QStringLiteral("zfig");
    std::optional<QString> variable;
    std::optional<QString> outputFile;   // one source, a file name
    std::optional<QString> outputFolder; // an existing folder
    int taches = 1;                      // sources converted at once
};

// What the heavy part of a conversion leaves for the writing: the fitted picture
// and the messages, or the reason it failed.
struct Converted
{
    bool ok = false;
    QString error;
    QString warning;
    Surface picture; // the fitted picture, ConversionState::imageAjustee()
    int largeur = 0;
    int hauteur = 0;
};

namespace {

constexpr int kExportLimit = 4096;
constexpr int kTachesMax = 256;

const QString kSuffix = QString::fromLatin1(picfile::kFileSuffix);

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Messages meant for a message box go to the error stream instead.
class StreamDialogs : public Dialogs
{
public:
    explicit StreamDialogs(QTextStream &err)
        : m_err(err)
        , m_previous(&Dialogs::current())
    {
        Dialogs::install(this);
    }
    ~StreamDialogs() override { Dialogs::install(m_previous); }
    StreamDialogs(const StreamDialogs &) = delete;
    StreamDialogs &operator=(const StreamDialogs &) = delete;

    void message(const QString &text, Icon) override { m_err << text << Qt::endl; }
    std::optional<QString> chooseFile(QWidget *, const QList<Filter> &, const QString &,
                                      const QString &) override
    {
        return std::nullopt;
    }
    void setTopmost(QWidget *, bool) override {}

private:
    QTextStream &m_err;
    Dialogs *m_previous;
};

struct ConvertParser
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("affiche cette aide")};
    QCommandLineOption sortie{
        {QStringLiteral("o"), QStringLiteral("sortie")},
        QStringLiteral("fichier de sortie (une SOURCE) ou dossier existant, où\n"
                       "chaque sortie prend le nom de sa source suivi de .89i ;\n"
                       "sans cette option, chaque image est écrite sous le\n"
                       "prochain nom automatique figNNNN.89i du dossier courant"),
        QStringLiteral("CHEMIN")};
    QCommandLineOption largeur{QStringLiteral("largeur"),
                               QStringLiteral("largeur de l'image, de 1 à 160 (160 par défaut)"),
                               QStringLiteral("N")};
    QCommandLineOption hauteur{QStringLiteral("hauteur"),
                               QStringLiteral("hauteur de l'image, de 1 à 100 (100 par défaut)"),
                               QStringLiteral("N")};
    QCommandLineOption proportions{QStringLiteral("proportions"),
                                   QStringLiteral("« Conserver les proportions »")};
    QCommandLineOption reduction{QStringLiteral("reduction"),
                                 QStringLiteral("comment une image réduite fond chaque bloc de\n"
                                                "pixels : moyenne (par défaut, pour les photos)\n"
                                                "ou et (ET logique, garde les traits fins des\n"
                                                "dessins au trait)"),
                                 QStringLiteral("MODE")};
    QCommandLineOption simple{QStringLiteral("simple"),
                              QStringLiteral("« Noir & Blanc simple » au lieu de la méthode\n"
                                             "des niveaux de gris")};
    QCommandLineOption niveau{QStringLiteral("niveau"),
                              QStringLiteral("correction des niveaux de gris, de -50 à 50\n"
                                             "(0 par défaut), ou auto : le niveau qui sépare le\n"
                                             "mieux les gris foncés des gris clairs de l'image"),
                              QStringLiteral("N")};
    QCommandLineOption tramage{QStringLiteral("tramage"),
                               QStringLiteral("diffuse l'erreur de seuil pour rendre les\n"
                                              "demi-teintes des photos : floyd-steinberg,\n"
                                              "atkinson ou bayer (sans tramage par défaut)"),
                               QStringLiteral("METHODE")};
    QCommandLineOption inverser{QStringLiteral("inverser"),
                                QStringLiteral("« Inverser les couleurs »")};
    QCommandLineOption dossier{QStringLiteral("dossier"),
                               QStringLiteral("dossier de la calculatrice (zfig par défaut) ;\n"
                                              "un nom de la calculatrice : 1 à 8 caractères,\n"
                                              "une lettre minuscule d'abord, puis des lettres\n"
                                              "minuscules, des chiffres ou _"),
                               QStringLiteral("NOM")};
    QCommandLineOption variable{
        QStringLiteral("variable"),
        QStringLiteral("nom de la variable, un nom de la calculatrice (par\n"
                       "défaut le nom automatique, ou le nom du fichier de\n"
                       "sortie sans .89i, en minuscules, sans accents ni\n"
                       "autres signes, coupé à 8 caractères)"),
        QStringLiteral("NOM")};

    QCommandLineOption taches{{QStringLiteral("j"), QStringLiteral("taches")},
                              QStringLiteral("nombre d'images converties en même temps, de 1 à\n"
                                             "256 (par défaut le nombre de cœurs de la machine ;\n"
                                             "1 : une à la fois)"),
                              QStringLiteral("N")};

    QList<QCommandLineOption> all() const
    {
        return {sortie, largeur,  hauteur, proportions, reduction, simple, niveau,
                tramage, inverser, dossier,  variable,  taches,    help};
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

QString generalHelp()
{
    return QStringLiteral(
        "Utilisation :\n"
        "  brivane convertir [options] SOURCE...\n"
        "      convertit des images (BMP, JPEG, GIF, icône, PNG ou .89i) en fichiers .89i\n"
        "      pour TI-89/92+ ; « brivane convertir --help » détaille les options\n"
        "  brivane exporter FICHIER.89i IMAGE.png\n"
        "      écrit l'image d'un fichier .89i en PNG noir et blanc, à sa taille\n"
        "  brivane --help | --version\n"
        "  brivane [IMAGE]\n"
        "      ouvre la fenêtre du programme sur une image\n"
        "\n"
        "Code de sortie : 0 si tout a réussi, 1 si un fichier n'a pu être lu ou écrit,\n"
        "2 si la ligne de commande est incorrecte.\n");
}

QString convertHelp(const ConvertParser &p)
{
    return QStringLiteral("Utilisation : brivane convertir [options] SOURCE...\n\n"
                          "Convertit chaque image SOURCE en fichier .89i pour TI-89/92+, comme la\n"
                          "fenêtre du programme : ajustement à la taille choisie, méthode noir et\n"
                          "blanc, puis « Sauver sous ».\n\nOptions :\n")
        + optionsHelp(p.all())
        + QStringLiteral("\nUne SOURCE .89i est reprise telle qu'elle est enregistrée, à sa taille\n"
                         "(160 x 100 au plus) : seuls --dossier et --variable s'y appliquent.\n");
}

QString exportHelp()
{
    return QStringLiteral(
        "Utilisation : brivane exporter FICHIER.89i IMAGE.png\n\n"
        "Écrit l'image du fichier .89i en PNG noir et blanc, à sa taille (4096 x 4096 au plus).\n");
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

bool endsWithSuffix(const QString &path)
{
    return path.endsWith(kSuffix, Qt::CaseInsensitive);
}

// The heavy part of converting one source: loading, fit and conversion. It
// touches nothing shared and its messages come back in the result, so several
// workers run it side by side.
Converted convertSource(const QString &source, const ConvertOptions &options)
{
    Converted result;
    try {
        ConversionState state(QString{});
        state.largeurSortie = options.largeur;
        state.hauteurSortie = options.hauteur;
        state.conserverProportions = options.proportions;
        state.reduction = options.reduction;
        state.methodeSimple = options.simple;
        state.niveauGris = options.niveau;
        state.inverserCouleurs = options.inverser;
        state.tramage = options.tramage;
        if (!state.chargerFichier(source, &result.error, &result.warning))
            return result;
        // A calculator picture is already black and white; converting it would
        // start from the blank source frame.
        if (!ConversionState::estImage89i(source)) {
            if (options.niveauAuto)
                state.niveauGris = state.niveauAutomatique();
            state.convertirImage();
        }
        result.picture = state.imageAjustee();
        result.largeur = state.largeur;
        result.hauteur = state.hauteur;
        result.ok = true;
    } catch (const std::bad_alloc &) {
        result.ok = false;
        result.warning.clear();
        result.error = QStringLiteral("Mémoire insuffisante pour convertir %1.").arg(shown(source));
    }
    return result;
}

// Runs work(i) for i = 0 .. count - 1 on `workers` threads and hands each result
// to take(i, result) on the calling thread in the order of i. A worker runs ahead
// of take() by at most a few results, so memory stays bounded whatever the count.
template <typename Result, typename Work, typename Take>
void inOrder(qsizetype count, int workers, const Work &work, const Take &take)
{
    const qsizetype ahead = 2 * qsizetype(workers);
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<Result>> done(static_cast<size_t>(count));
    qsizetype next = 0;  // the next index a worker starts
    qsizetype taken = 0; // the results take() has had
    std::vector<std::thread> threads;
    // However take() ends, the workers stop starting new work and are waited for.
    struct Join
    {
        std::vector<std::thread> &threads;
        std::mutex &mutex;
        std::condition_variable &changed;
        qsizetype &next;
        qsizetype count;
        ~Join()
        {
            {
                const std::lock_guard lock(mutex);
                next = count;
            }
            changed.notify_all();
            for (std::thread &thread : threads)
                thread.join();
        }
    } join{threads, mutex, changed, next, count};
    for (int w = 0; w < workers; ++w) {
        threads.emplace_back([&] {
            std::unique_lock lock(mutex);
            while (true) {
                changed.wait(lock, [&] { return next >= count || next < taken + ahead; });
                if (next >= count)
                    return;
                const qsizetype i = next++;
                lock.unlock();
                Result result = work(i);
                lock.lock();
                done[size_t(i)] = std::move(result);
                changed.notify_all();
            }
        });
    }
    for (qsizetype i = 0; i < count; ++i) {
        std::optional<Result> result;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return done[size_t(i)].has_value(); });
            result.swap(done[size_t(i)]);
        }
        take(i, std::move(*result));
        {
            const std::lock_guard lock(mutex);
            taken = i + 1;
        }
        changed.notify_all();
    }
}

} // namespace

CommandLine::CommandLine(QTextStream &out, QTextStream &err)
    : m_out(out)
    , m_err(err)
{
}

bool CommandLine::handles(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return false;
    static const QStringList commands{QStringLiteral("convertir"), QStringLiteral("exporter"),
                                      QStringLiteral("--help"), QStringLiteral("-h"),
                                      QStringLiteral("--version")};
    return commands.contains(arguments.first());
}

QString CommandLine::joinArguments(const QStringList &arguments)
{
    return arguments.join(u' ');
}

QString CommandLine::sourcePath(const QString &commandLineText)
{
    if (!commandLineText.contains(u'"'))
        return commandLineText;
    return commandLineText.size() < 2 ? QString() : commandLineText.mid(1, commandLineText.size() - 2);
}

QString CommandLine::sourcePath(const QStringList &arguments, QStringList *notOpened)
{
    notOpened->clear();
    const QString joined = sourcePath(joinArguments(arguments));
    // A path with blanks may come in pieces: the whole line is tried first.
    if (arguments.size() < 2 || QFileInfo::exists(joined))
        return joined;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (QFileInfo(arguments.at(i)).isFile()) {
            *notOpened = arguments;
            notOpened->removeAt(i);
            return arguments.at(i);
        }
    }
    return joined;
}

int CommandLine::run(const QStringList &arguments)
{
    StreamDialogs dialogs(m_err);
    const QString command = arguments.value(1);
    QStringList rest = arguments.mid(2);
    rest.prepend(arguments.value(0));
    if (command == QLatin1String("convertir"))
        return convertir(rest);
    if (command == QLatin1String("exporter"))
        return exporter(rest);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        m_out << generalHelp() << Qt::flush;
        return Success;
    }
    if (command == QLatin1String("--version")) {
        m_out << QStringLiteral("Brivane %1").arg(QStringLiteral(BRIVANE_VERSION)) << Qt::endl;
        return Success;
    }
    return usageError(command.isEmpty() ? QStringLiteral("Aucune commande indiquée.")
                                        : QStringLiteral("Commande inconnue : %1.").arg(command),
                      QString());
}

int CommandLine::usageError(const QString &message, const QString &command)
{
    m_err << message << Qt::endl
          << QStringLiteral("Voir « brivane %1--help ».")
                 .arg(command.isEmpty() ? QString() : command + u' ')
          << Qt::endl;
    return UsageError;
}

int CommandLine::parseError(const QCommandLineParser &parser, const QString &command)
{
    QStringList unknown;
    for (const QString &name : parser.unknownOptionNames())
        unknown << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    if (!unknown.isEmpty())
        return usageError(QStringLiteral("Option inconnue : %1.").arg(unknown.join(QStringLiteral(", "))),
                          command);
    // Qt words its other parsing errors in English; say them in French.
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpected(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    const QString text = parser.errorText();
    if (const auto m = missing.match(text); m.hasMatch())
        return usageError(QStringLiteral("Valeur manquante après %1.").arg(m.captured(1)), command);
    if (const auto m = unexpected.match(text); m.hasMatch())
        return usageError(QStringLiteral("L'option %1 ne prend pas de valeur.").arg(m.captured(1)),
                          command);
    return usageError(QStringLiteral("Ligne de commande incorrecte : %1").arg(text), command);
}

int CommandLine::convertir(const QStringList &arguments)
{
    const QString command = QStringLiteral("convertir");
    const ConvertParser p;
    QCommandLineParser parser;
    parser.addOptions(p.all());
    if (!parser.parse(arguments))
        return parseError(parser, command);
    if (parser.isSet(p.help)) {
        m_out << convertHelp(p) << Qt::flush;
        return Success;
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
    if (!integer(p.largeur, 1, ConversionState::kLargeurEcran, &options.largeur))
        return usageError(QStringLiteral("--largeur attend un nombre entier de 1 à 160, pas « %1 ».")
                              .arg(parser.value(p.largeur)), command);
    if (!integer(p.hauteur, 1, ConversionState::kHauteurEcran, &options.hauteur))
        return usageError(QStringLiteral("--hauteur attend un nombre entier de 1 à 100, pas « %1 ».")
                              .arg(parser.value(p.hauteur)), command);
    options.niveauAuto = parser.isSet(p.niveau) && parser.value(p.niveau) == QLatin1String("auto");
    if (!options.niveauAuto && !integer(p.niveau, -50, 50, &options.niveau))
        return usageError(
            QStringLiteral("--niveau attend un nombre entier de -50 à 50 ou auto, pas « %1 ».")
                .arg(parser.value(p.niveau)), command);
    if (parser.isSet(p.tramage)) {
        const auto methode = traitement::tramageDepuisNom(parser.value(p.tramage));
        if (!methode)
            return usageError(
                QStringLiteral("--tramage attend floyd-steinberg, atkinson ou bayer, pas « %1 ».")
                    .arg(parser.value(p.tramage)), command);
        options.tramage = *methode;
    }
    if (parser.isSet(p.reduction)) {
        const QString mode = parser.value(p.reduction);
        if (mode == QLatin1String("et"))
            options.reduction = Reduction::Et;
        else if (mode != QLatin1String("moyenne"))
            return usageError(QStringLiteral("--reduction attend moyenne ou et, pas « %1 ».").arg(mode),
                              command);
    }
    options.taches = std::max(1, QThread::idealThreadCount());
    if (!integer(p.taches, 1, kTachesMax, &options.taches))
        return usageError(QStringLiteral("--taches attend un nombre entier de 1 à 256, pas « %1 ».")
                              .arg(parser.value(p.taches)), command);
    options.proportions = parser.isSet(p.proportions);
    options.simple = parser.isSet(p.simple);
    options.inverser = parser.isSet(p.inverser);
    if (parser.isSet(p.dossier))
        options.dossier = parser.value(p.dossier);
    if (parser.isSet(p.variable))
        options.variable = parser.value(p.variable);
    for (const QString &name : {options.dossier, options.variable.value_or(QStringLiteral("a"))})
        if (!picfile::isCalculatorName(name))
            return usageError(QStringLiteral("« %1 » n'est pas un nom de la calculatrice : 1 à 8 "
                                             "caractères, une lettre minuscule d'abord, puis "
                                             "des lettres minuscules, des chiffres ou « _ ».")
                                  .arg(name),
                              command);

    const QStringList sources = parser.positionalArguments();
    if (sources.isEmpty())
        return usageError(QStringLiteral("Aucune image à convertir."), command);
    if (parser.isSet(p.sortie)) {
        const QString sortie = parser.value(p.sortie);
        const bool namesFolder = sortie.endsWith(u'/') || sortie.endsWith(QDir::separator());
        if (QFileInfo(sortie).isDir())
            options.outputFolder = sortie;
        else if (sources.size() > 1 || namesFolder)
            return usageError(QStringLiteral("Le dossier de sortie %1 n'existe pas.").arg(shown(sortie)),
                              command);
        else
            options.outputFile = endsWithSuffix(sortie) ? sortie : sortie + kSuffix;
    }

    // One failure does not stop the others; the status tells that one failed.
    int status = Success;
    QSet<QString> written;
    const ConversionState naming(QDir::currentPath());
    // A calculator picture is read when its turn comes, as it may be an output of
    // this run; the other sources are converted ahead, by the workers.
    const auto work = [&](qsizetype i) -> std::optional<Converted> {
        if (ConversionState::estImage89i(sources.at(i)))
            return std::nullopt;
        return convertSource(sources.at(i), options);
    };
    const auto take = [&](qsizetype i, std::optional<Converted> converted) {
        if (!converted)
            converted = convertSource(sources.at(i), options);
        if (!writeOne(sources.at(i), *converted, options, naming, written))
            status = FileFailure;
    };
    const int workers = int(std::min<qsizetype>(options.taches, sources.size()));
    if (workers <= 1) {
        for (qsizetype i = 0; i < sources.size(); ++i)
            take(i, work(i));
    } else {
        inOrder<std::optional<Converted>>(sources.size(), workers, work, take);
    }
    return status;
}

bool CommandLine::writeOne(const QString &source, const Converted &converted,
                           const ConvertOptions &options, const ConversionState &naming,
                           QSet<QString> &written)
{
    if (!converted.ok) {
        m_err << converted.error << Qt::endl;
        return false;
    }
    // A damaged picture is converted as far as it could be read, and said so.
    if (!converted.warning.isEmpty())
        m_err << converted.warning << Qt::endl;

    QString path;
    QString variable;
    if (options.outputFolder) {
        // Two sources of the same name: the later one takes a free name, so no
        // output of this run replaces another (files from before are replaced).
        const QDir folder(*options.outputFolder);
        const QString base = QFileInfo(source.trimmed()).completeBaseName();
        const QString first = folder.filePath(base + kSuffix);
        path = first;
        for (int n = 2; written.contains(QFileInfo(path).absoluteFilePath()); ++n)
            path = folder.filePath(QStringLiteral("%1-%2").arg(base).arg(n) + kSuffix);
        if (path != first)
            m_err << QStringLiteral("%1 a déjà été écrit par cette commande : %2 est enregistré sous %3.")
                         .arg(shown(first), shown(source), shown(path))
                  << Qt::endl;
    } else if (options.outputFile) {
        path = *options.outputFile;
    } else {
        variable = ConversionState::nomAutomatique(naming.prochainNumero());
        path = naming.cheminAppli() + variable + kSuffix;
    }
    if (variable.isEmpty())
        variable = picfile::calculatorName(QFileInfo(path).fileName().chopped(kSuffix.size()));
    if (variable.isEmpty())
        variable = ConversionState::nomAutomatique(naming.prochainNumero());
    variable = options.variable.value_or(variable);

    QString error;
    if (!picfile::write(path, converted.picture.image(), QSize(converted.largeur, converted.hauteur),
                        options.dossier, variable, &error)) {
        m_err << error << Qt::endl;
        return false;
    }
    written.insert(QFileInfo(path).absoluteFilePath());
    m_out << shown(source) << QStringLiteral(" -> ") << shown(path) << Qt::endl;
    return true;
}

int CommandLine::exporter(const QStringList &arguments)
{
    const QString command = QStringLiteral("exporter");
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    parser.addOption(help);
    if (!parser.parse(arguments))
        return parseError(parser, command);
    if (parser.isSet(help)) {
        m_out << exportHelp() << Qt::flush;
        return Success;
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.size() != 2)
        return usageError(QStringLiteral("« exporter » attend un fichier .89i et une image PNG."),
                          command);
    const QString &source = paths.at(0);
    const QString &target = paths.at(1);

    // A picture wider than the export accepts is not read, only its size.
    QString error;
    const auto picture = picfile::read(source, QSize(kExportLimit, kExportLimit), &error,
                                       picfile::NoPicture::Error, picfile::Wider::SizeOnly);
    if (!picture) {
        m_err << error << Qt::endl;
        return FileFailure;
    }
    const QSize size = picture->size;
    if (size.width() > kExportLimit || size.height() > kExportLimit) {
        m_err << QStringLiteral("L'image du fichier %1 mesure %2 x %3 pixels : au-delà de "
                                "4096 x 4096, elle n'est pas exportée.")
                     .arg(shown(source))
                     .arg(size.width())
                     .arg(size.height())
              << Qt::endl;
        return FileFailure;
    }

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picfile::monochrome(*picture))) {
        m_err << QStringLiteral("Impossible de créer l'image PNG : %1.").arg(writer.errorString())
              << Qt::endl;
        return FileFailure;
    }
    if (!files::replaceWith(target, png, &error)) {
        m_err << error << Qt::endl;
        return FileFailure;
    }
    m_out << shown(source) << QStringLiteral(" -> ") << shown(target) << Qt::endl;
    return Success;
}
