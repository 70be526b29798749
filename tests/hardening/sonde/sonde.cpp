// brivane_sonde FICHIER: opens the file as the "Ouvrir Fichier" command does, then
// converts it with and without the proportions, and prints what happened and the
// peak memory of the process, one "key=value" per line (UTF-8):
//   ouvert=1|0  erreur=...  remarque=...  taille=WxH  memoire_ko=N
#include "convert/conversionstate.h"

#include <QGuiApplication>
#include <QTextStream>

#include <sys/resource.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The decoders' English warnings would only be noise here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc != 2) {
        out << "erreur=utilisation : brivane_sonde FICHIER\n";
        return 2;
    }
    ConversionState state;
    QString error;
    QString warning;
    const bool opened = state.chargerFichier(QString::fromLocal8Bit(argv[1]), &error, &warning);
    if (opened) {
        state.convertir();
        state.conserverProportions = true;
        state.convertir();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    out << "ouvert=" << (opened ? 1 : 0) << '\n'
        << "erreur=" << error << '\n'
        << "remarque=" << warning << '\n'
        << "taille=" << state.imageSource.width() << 'x' << state.imageSource.height() << '\n'
        << "memoire_ko=" << usage.ru_maxrss << '\n';
    return 0;
}
