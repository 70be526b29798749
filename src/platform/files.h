#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// File services. Every failure comes back as a French text naming the file.
namespace files {

// True only for an ordinary file: a folder of that name does not count.
bool isOrdinaryFile(const QString &path);

// Reads a whole file, or returns nothing and fills *error.
std::optional<QByteArray> readAll(const QString &path, QString *error, qint64 maxBytes = -1);

// Replaces the file with exactly these bytes. The bytes go to a temporary file in
// the same folder first, which then takes the name: a failed write leaves the old
// file as it was.
bool replaceWith(const QString &path, const QByteArray &bytes, QString *error);

} // namespace files
