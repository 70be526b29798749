#include "sendcommand.h"

#include "cli/console.h"
#include "link/picturesender.h"
#include "link/picturevariable.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace {

QString sendHelp()
{
    return QStringLiteral(
        "Utilisation : brivane envoyer FICHIER.89i... [--cable C] [--calculatrice M]\n\n"
        "Envoie les images .89i à la calculatrice par le câble de liaison, sous le dossier et le nom\n"
        "de variable que chaque fichier contient.\n\n"
        "Options :\n"
        "  --cable C           auto (par défaut : le câble trouvé), silverlink (câble USB gris)\n"
        "                      ou usb (câble USB direct de la TI-89 Titanium)\n"
        "  --calculatrice M    ti89 (par défaut), ti89t, ti92p ou v200\n");
}

} // namespace

int sendCommand(const QStringList &arguments, const Console &console)
{
    const QString command = QStringLiteral("envoyer");
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption cable(QStringLiteral("cable"), QString(), QStringLiteral("C"));
    const QCommandLineOption calculator(QStringLiteral("calculatrice"), QString(), QStringLiteral("M"));
    parser.addOptions({help, cable, calculator});
    if (!parser.parse(arguments))
        return console.parseError(parser, command);
    if (parser.isSet(help)) {
        console.out() << sendHelp() << Qt::flush;
        return Console::Success;
    }
    tilink::LinkSettings settings;
    if (parser.isSet(cable)) {
        const auto chosen = tilink::cableFromWord(parser.value(cable));
        if (!chosen)
            return console.usageError(QStringLiteral("--cable attend auto, silverlink ou usb, pas « %1 »")
                                          .arg(parser.value(cable)),
                                      command);
        settings.cable = *chosen;
    }
    if (parser.isSet(calculator)) {
        const auto chosen = tilink::calculatorFromWord(parser.value(calculator));
        if (!chosen)
            return console.usageError(QStringLiteral("--calculatrice attend ti89, ti89t, ti92p ou v200, pas « %1 »")
                                          .arg(parser.value(calculator)),
                                      command);
        settings.calculator = *chosen;
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.isEmpty())
        return console.usageError(QStringLiteral("« envoyer » attend au moins un fichier .89i."), command);

    int status = Console::Success;
    tilink::PictureSender sender(settings);
    for (const QString &path : paths) {
        QString error;
        const auto variable = tilink::readPictureVariable(path, &error);
        if (variable && sender.send(path, &error)) {
            console.out() << Console::shown(path) << QStringLiteral(" -> ")
                          << QString::fromLatin1(variable->fullName()) << Qt::endl;
            continue;
        }
        console.err() << error << Qt::endl;
        status = Console::FileFailure;
        // The same cable fails the same way for the next files.
        if (variable)
            break;
    }
    return status;
}
