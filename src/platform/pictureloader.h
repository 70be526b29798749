#pragma once

#include <QImage>
#include <QString>

// A decoded picture, or the reason it could not be decoded (in French).
struct LoadedPicture
{
    QImage image; // RGB32, natural size
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Decodes a BMP, JPEG, GIF, icon or PNG file (anything Qt reads). Never throws;
// an unreadable file gives an error text and a null image.
LoadedPicture loadPicture(const QString &path);

// Decodes a picture held in memory (dropped or pasted data).
LoadedPicture loadPictureData(const QByteArray &data);

// The clipboard's picture; a null image when it holds none.
QImage clipboardPicture();
