// The work picture's way out: the crop, the fitted picture and the two saves.
#include "document.h"

#include "picfile/picturewriter.h"

#include <QDir>

#include <algorithm>

int Document::nextFreeNumber() const
{
    return filenaming::freeNumber(m_automaticFolder.folder());
}

void Document::cropWork(const QRect &part)
{
    const QRect kept = part & work.rect();
    if (kept.isEmpty())
        return;
    const QImage pixels = work.image().copy(kept);
    work.cls();
    bitBlt(work.image(), 0, 0, kept.width(), kept.height(), pixels, 0, 0);
    m_fit = QRect(QPoint(0, 0), kept.size());
    m_area = kept.size();
    work.refresh();
}

QImage Document::fittedPicture() const
{
    // Whole bytes wide: the low bits of a row's last byte come from the pixels to
    // the right of the picture, as they do for a picture at the top-left corner.
    const int w = std::max(m_fit.width(), 0);
    const int h = std::max(m_fit.height(), 0);
    QImage picture((w + 7) / 8 * 8, h, QImage::Format_RGB32);
    picture.fill(kWhite);
    bitBlt(picture, 0, 0, picture.width(), h, work.image(), m_fit.x(), m_fit.y());
    return picture;
}

bool Document::writeFittedPicture(const QString &path, const QString &folder, const QString &name,
                                  QString *error) const
{
    return picfile::write(path, fittedPicture(), m_fit.size(), folder, name, error);
}

QString Document::fileFolderName() const
{
    return advancedOptions && !calculatorFolder.isEmpty() ? calculatorFolder : QStringLiteral("zfig");
}

bool Document::saveAutomatically(QString *error, QString *savedPath)
{
    const QString folder = m_automaticFolder.folder();
    const int k = filenaming::freeNumber(folder);
    const QString fileName = filenaming::automaticName(k) + QStringLiteral(".89i");
    const QString path = folder + fileName;
    // The fallback folder is made when first needed; the program's own folder never
    // is (gone, it is a failure to report).
    if (folder != m_automaticFolder.programFolder() && !QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("Impossible de créer le dossier %1 pour y enregistrer %2.")
                         .arg(QDir::toNativeSeparators(QDir::cleanPath(folder)), fileName);
        return false;
    }
    const QString fileFolder = fileFolderName();
    const QString name = advancedOptions && !variableName.isEmpty() ? variableName : filenaming::automaticName(k);
    // Nothing written: the names stay as they were.
    if (!picfile::write(path, work.image(), m_area, fileFolder, name, error))
        return false;
    if (savedPath)
        *savedPath = path;
    showNames();
    emit changed();
    return true;
}
