#include "exportcommand.h"

#include "cli/console.h"
#include "picfile/picturereader.h"
#include "platform/files.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QImageWriter>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int kExportLimit = 4096;

QString exportHelp()
{
    return QStringLiteral(
        "Utilisation : brivane exporter [--taille N] FICHIER.89i IMAGE.png\n\n"
        "Écrit l'image du fichier .89i en PNG noir et blanc, à sa taille (4096 x 4096 au plus).\n\n"
        "Options :\n"
        "  --taille N    agrandit l'image du plus grand facteur entier qui tient dans\n"
        "                N x N pixels (1 au moins), pour des points nets ; N de 1 à 4096\n");
}

// The largest whole factor that keeps size within bound x bound; 1 at least, so a
// picture larger than the bound keeps its own size.
int wholeFactor(QSize size, int bound)
{
    return std::max(1, std::min(bound / size.width(), bound / size.height()));
}

} // namespace

int exportCommand(const QStringList &arguments, const Console &console)
{
    const QString command = QStringLiteral("exporter");
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption bound(QStringLiteral("taille"), QString(), QStringLiteral("N"));
    parser.addOption(help);
    parser.addOption(bound);
    if (!parser.parse(arguments))
        return console.parseError(parser, command);
    if (parser.isSet(help)) {
        console.out() << exportHelp() << Qt::flush;
        return Console::Success;
    }
    const QStringList paths = parser.positionalArguments();
    if (paths.size() != 2)
        return console.usageError(QStringLiteral("« exporter » attend un fichier .89i et une image PNG."),
                                  command);
    int boundSide = 0;
    if (parser.isSet(bound)) {
        bool ok = false;
        boundSide = parser.value(bound).toInt(&ok);
        if (!ok || boundSide < 1 || boundSide > kExportLimit)
            return console.usageError(QStringLiteral("--taille attend un nombre entier de 1 à 4096, pas « %1 »")
                                          .arg(parser.value(bound)),
                                      command);
    }
    const QString &source = paths.at(0);
    const QString &target = paths.at(1);

    // A picture wider than the export accepts is not read, only its size.
    QString error;
    const auto picture = picfile::read(source, QSize(kExportLimit, kExportLimit), &error,
                                       picfile::NoPicture::Error, picfile::Wider::SizeOnly);
    if (!picture) {
        console.err() << error << Qt::endl;
        return Console::FileFailure;
    }
    const QSize size = picture->size;
    if (size.width() > kExportLimit || size.height() > kExportLimit) {
        console.err() << QStringLiteral("L'image du fichier %1 mesure %2 x %3 pixels : au-delà de "
                                        "4096 x 4096, elle n'est pas exportée.")
                             .arg(Console::shown(source))
                             .arg(size.width())
                             .arg(size.height())
                      << Qt::endl;
        return Console::FileFailure;
    }

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    QImage exported = picfile::monochrome(*picture);
    if (boundSide > 0) {
        // Whole factors only: every dot becomes a square of the same size.
        const int factor = wholeFactor(size, boundSide);
        exported = exported.scaled(size * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    if (!writer.write(exported)) {
        console.err() << QStringLiteral("Impossible de créer l'image PNG : %1.").arg(writer.errorString())
                      << Qt::endl;
        return Console::FileFailure;
    }
    if (!files::replaceWith(target, png, &error)) {
        console.err() << error << Qt::endl;
        return Console::FileFailure;
    }
    console.out() << Console::shown(source) << QStringLiteral(" -> ") << Console::shown(target) << Qt::endl;
    return Console::Success;
}
