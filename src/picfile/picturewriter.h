#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Writing calculator picture files.
namespace picfile {

// The whole file for the size.width() x size.height() pixels at the top-left of
// picture (Format_RGB32): exact white is a clear pixel, any other colour a set one,
// and so is every pixel beyond the picture's edge. The folder and the variable
// name are stored in the Windows ANSI code page, cut to 8 characters.
QByteArray encode(const QImage &picture, QSize size, const QString &folder, const QString &name);

// Writes encode()'s bytes to path, replacing the file only once they are all
// written. On failure the file that was there is left as it was, the error text
// (French) goes to *error and the result is false. Shows nothing.
bool write(const QString &path, const QImage &picture, QSize size, const QString &folder,
           const QString &name, QString *error = nullptr);

} // namespace picfile
