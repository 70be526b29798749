// Drag and drop on the main window: a picture file or a calculator picture is
// opened as if chosen in the open dialog, an image is imported as the clipboard's.
#include "mainpanel.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {

bool isPictureFile(const QString &path)
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

} // namespace

QString MainPanel::pictureFile(const QMimeData *mime)
{
    const QList<QUrl> urls = mime ? mime->urls() : QList<QUrl>();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QString path = urls.front().toLocalFile();
    return isPictureFile(path) ? path : QString();
}

void MainPanel::dragEnterEvent(QDragEnterEvent *event)
{
    // Refused, with the forbidden cursor, unless the drop can be opened or imported.
    const QMimeData *mime = event->mimeData();
    if (!pictureFile(mime).isEmpty() || mime->hasImage())
        event->acceptProposedAction();
}

void MainPanel::dropEvent(QDropEvent *event)
{
    const QMimeData *mime = event->mimeData();
    const QString fileMenu = pictureFile(mime);
    const QImage image = fileMenu.isEmpty() ? qvariant_cast<QImage>(mime->imageData()) : QImage();
    if (fileMenu.isEmpty() && image.isNull()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Once the drop is over: a message box must not hold the application the
    // picture came from.
    QTimer::singleShot(0, this, [this, fileMenu, image] {
        if (!fileMenu.isEmpty())
            openFile(fileMenu);
        else
            importPicture(image);
    });
}
