// Drag and drop on the main window: a picture file or a calculator picture is
// opened as if chosen in the open dialog, an image is imported as the clipboard's.
#include "fenetreprincipale.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

bool estFichierImage(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    // A name that says picture opens (or tells why it cannot); so does content
    // that a decoder recognises, whatever the name.
    return filenaming::namesCalculatorPicture(path)
        || QImageReader::supportedImageFormats().contains(info.suffix().toLower().toUtf8())
        || !QImageReader::imageFormat(path).isEmpty();
}

// The one file a drop brings, when it is a picture file; empty otherwise.
QString fichierDepose(const QMimeData *mime)
{
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    return estFichierImage(path) ? path : QString();
}

} // namespace

void FenetrePrincipale::dragEnterEvent(QDragEnterEvent *event)
{
    // Refused, with the forbidden cursor, unless the drop can be opened or imported.
    const QMimeData *mime = event->mimeData();
    if (!fichierDepose(mime).isEmpty() || mime->hasImage())
        event->acceptProposedAction();
}

void FenetrePrincipale::dropEvent(QDropEvent *event)
{
    const QMimeData *mime = event->mimeData();
    const QString fichier = fichierDepose(mime);
    const QImage image = fichier.isEmpty() ? qvariant_cast<QImage>(mime->imageData()) : QImage();
    if (fichier.isEmpty() && image.isNull()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Once the drop is over: a message box must not hold the application the
    // picture came from.
    QTimer::singleShot(0, this, [this, fichier, image] {
        if (!fichier.isEmpty())
            openFile(fichier);
        else
            importPicture(image);
    });
}
