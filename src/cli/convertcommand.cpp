#include "convertcommand.h"

#include "cli/batch.h"
#include "cli/console.h"
#include "picfile/calculatorname.h"
#include "picfile/format.h"
#include "picfile/picturewriter.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <new>
#include <optional>

namespace {

const QString kSuffix = QString::fromLatin1(picfile::kFileSuffix);

// Turns and frames the loaded source as the window's commands would; false and the
// French reason when the frame does not lie inside the turned picture.
bool frameSource(Document &state, const QString &source, const ConvertOptions &options, QString *error)
{
    if (options.orientation != Orientation())
        state.turn(options.orientation);
    if (options.frame) {
        const QRect picture(QPoint(), state.sourceSize());
        if (!picture.contains(*options.frame)) {
            // One arg() call: a '%' in the picture's name is not read as a place for a value.
            const QRect &f = *options.frame;
            *error = QStringLiteral("Le cadre %1 dépasse de l'image %2 (%3 pixels%4).")
                         .arg(QStringLiteral("%1,%2,%3,%4").arg(f.x()).arg(f.y()).arg(f.width()).arg(f.height()),
                              Console::shown(source),
                              QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height()),
                              options.orientation.quarterTurns % 2 ? QStringLiteral(" une fois tournée") : QString());
            return false;
        }
        state.setFrame(*options.frame);
    } else if (options.frameContent) {
        state.frameContent(); // all margin: the whole picture
    }
    return true;
}

} // namespace

ConvertCommand::ConvertCommand(const Console &console)
    : m_console(console)
    , m_folder(filenaming::withSeparator(QDir::currentPath()))
{
}

int ConvertCommand::run(const QStringList &arguments)
{
    int status = Console::Success;
    const auto options = parseConvertOptions(arguments, m_console, &status);
    if (!options)
        return status;
    m_options = *options;
    const QStringList &sources = m_options.sources;
    keepFreedMemoryForReuse();

    // A calculator picture is read when its turn comes, as it may be an output of
    // this run; the other sources are converted ahead, by the workers.
    const auto work = [&](qsizetype i) -> std::optional<Converted> {
        if (filenaming::namesCalculatorPicture(sources.at(i)))
            return std::nullopt;
        return convert(sources.at(i), m_options);
    };
    // One failure does not stop the others; the status tells that one failed.
    const auto take = [&](qsizetype i, std::optional<Converted> converted) {
        if (!converted)
            converted = convert(sources.at(i), m_options);
        if (!write(sources.at(i), *converted))
            status = Console::FileFailure;
    };
    runInOrder(sources.size(), int(std::min<qsizetype>(m_options.tasks, sources.size())), work, take);
    return status;
}

Converted ConvertCommand::convert(const QString &source, const ConvertOptions &options)
{
    Converted result;
    try {
        Document state{QString()};
        state.outputWidth = options.width;
        state.outputHeight = options.height;
        state.keepProportions = options.keepProportions;
        state.settings = {options.level,     options.simpleMethod, options.invertColours, options.dithering,
                          options.reduction, options.toneCurve,    options.autoContrast};
        if (!state.open(source, &result.error, &result.warning))
            return result;
        // A calculator picture is already black and white and kept as stored;
        // turning, framing or converting it would start from the blank source.
        if (!filenaming::namesCalculatorPicture(source)) {
            if (!frameSource(state, source, options, &result.error)) {
                result.warning.clear();
                return result;
            }
            if (options.automaticLevel)
                state.settings.level = state.automaticLevel();
            state.convertPicture();
        }
        result.picture = state.fittedPicture();
        result.size = state.fit().size();
        result.ok = true;
    } catch (const std::bad_alloc &) {
        result.ok = false;
        result.warning.clear();
        result.error = QStringLiteral("Mémoire insuffisante pour convertir %1.").arg(Console::shown(source));
    }
    return result;
}

QString ConvertCommand::variableFor(const QString &path)
{
    QTextStream &err = m_console.err();
    const QString fileName = QFileInfo(path).fileName();
    QString variable = picfile::calculatorName(fileName.chopped(kSuffix.size()));
    if (variable.isEmpty()) {
        // Nothing usable in the name: the next automatic name not given in this run.
        int k = filenaming::freeNumber(m_folder);
        while (m_variables.contains(filenaming::automaticName(k)))
            ++k;
        variable = filenaming::automaticName(k);
        err << QStringLiteral("Aucun nom de variable ne peut être tiré de « %1 » : la variable s'appelle %2.")
                   .arg(fileName, variable)
            << Qt::endl;
    } else if (m_variables.contains(variable)) {
        // Two files of this run would overwrite each other on the calculator.
        const QString taken = variable;
        for (int n = 2; m_variables.contains(variable); ++n) {
            const QString suffix = QStringLiteral("_%1").arg(n);
            variable = taken.left(picfile::kNameLength - int(suffix.size())) + suffix;
        }
        err << QStringLiteral("La variable %1 est déjà celle d'un autre fichier de cette commande : %2 contient "
                              "la variable %3.")
                   .arg(taken, Console::shown(path), variable)
            << Qt::endl;
    }
    m_variables.insert(variable);
    return variable;
}

bool ConvertCommand::write(const QString &source, const Converted &converted)
{
    QTextStream &err = m_console.err();
    if (!converted.ok) {
        err << converted.error << Qt::endl;
        return false;
    }
    // A damaged picture is converted as far as it could be read, and said so.
    if (!converted.warning.isEmpty())
        err << converted.warning << Qt::endl;

    QString path;
    QString variable;
    if (m_options.outputFolder) {
        // Two sources of the same name: the later one takes a free name, so no
        // output of this run replaces another (files from before are replaced).
        const QDir folder(*m_options.outputFolder);
        const QString base = QFileInfo(source.trimmed()).completeBaseName();
        const QString first = folder.filePath(base + kSuffix);
        path = first;
        for (int n = 2; m_written.contains(QFileInfo(path).absoluteFilePath()); ++n)
            path = folder.filePath(QStringLiteral("%1-%2").arg(base).arg(n) + kSuffix);
        if (path != first)
            err << QStringLiteral("%1 a déjà été écrit par cette commande : %2 est enregistré sous %3.")
                       .arg(Console::shown(first), Console::shown(source), Console::shown(path))
                << Qt::endl;
    } else if (m_options.outputFile) {
        path = *m_options.outputFile;
    } else {
        variable = filenaming::automaticName(filenaming::freeNumber(m_folder));
        path = m_folder + variable + kSuffix;
    }
    if (m_options.variableName)
        variable = *m_options.variableName;
    else if (variable.isEmpty())
        variable = variableFor(path);

    QString error;
    if (!picfile::write(path, converted.picture, converted.size, m_options.calculatorFolder, variable, &error)) {
        err << error << Qt::endl;
        return false;
    }
    m_written.insert(QFileInfo(path).absoluteFilePath());
    m_console.out() << Console::shown(source) << QStringLiteral(" -> ") << Console::shown(path) << Qt::endl;
    return true;
}
