#include "commandline.h"

#include "cli/convertcommand.h"
#include "cli/exportcommand.h"
#include "cli/sendcommand.h"
#include "platform/translation.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

QString generalHelp()
{
    return QStringLiteral(
        "Utilisation :\n"
        "  brivane convertir [options] SOURCE...\n"
        "      convertit des images (BMP, JPEG, GIF, icône, PNG ou .89i) en fichiers .89i\n"
        "      pour TI-89/92+ ; « brivane convertir --help » détaille les options\n"
        "  brivane exporter [--taille N] FICHIER.89i IMAGE.png\n"
        "      écrit l'image d'un fichier .89i en PNG noir et blanc, à sa taille\n"
        "  brivane envoyer FICHIER.89i... [--cable C] [--calculatrice M]\n"
        "      envoie des images .89i à la calculatrice par le câble de liaison\n"
        "  brivane --help | --version\n"
        "  brivane [IMAGE]\n"
        "      ouvre la fenêtre du programme sur une image\n"
        "\n"
        "Code de sortie : 0 si tout a réussi, 1 si un fichier n'a pu être lu, écrit ou envoyé,\n"
        "2 si la ligne de commande est incorrecte.\n");
}

} // namespace

bool CommandLine::handles(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return false;
    static const QStringList commands{QStringLiteral("convertir"), QStringLiteral("exporter"),
                                      QStringLiteral("envoyer"), QStringLiteral("--help"), QStringLiteral("-h"),
                                      QStringLiteral("--version")};
    const QString &first = arguments.first();
    if (commands.contains(first))
        return true;
    // A word that names no file and does not look like a path (no folder, no
    // extension), or an option, is a mistyped command rather than a picture.
    if (QFileInfo::exists(first))
        return false;
    return first.startsWith(u'-') || (!first.contains(u'.') && !first.contains(u'/') && !first.contains(QDir::separator()));
}

int CommandLine::run(const QStringList &arguments)
{
    translation::installQtFrench();
    const QString command = arguments.value(1);
    QStringList rest = arguments.mid(2);
    rest.prepend(arguments.value(0));
    if (command == QLatin1String("convertir"))
        return ConvertCommand(*this).run(rest);
    if (command == QLatin1String("exporter"))
        return exportCommand(rest, *this);
    if (command == QLatin1String("envoyer"))
        return sendCommand(rest, *this);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out() << generalHelp() << Qt::flush;
        return Success;
    }
    if (command == QLatin1String("--version")) {
        out() << QStringLiteral("Brivane %1").arg(QStringLiteral(BRIVANE_VERSION)) << Qt::endl;
        return Success;
    }
    if (command.isEmpty())
        return usageError(QStringLiteral("Aucune commande indiquée."), QString());
    err() << QStringLiteral("Commande inconnue : %1.").arg(command) << Qt::endl << Qt::endl << generalHelp() << Qt::flush;
    return UsageError;
}
