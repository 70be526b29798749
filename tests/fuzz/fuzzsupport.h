#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: Qt without a screen, a private folder for the files
// they write, and the plain reference drawing of a calculator picture.
namespace fuzz {

// Creates, once, the application object that pictures and fonts need, without a
// screen, and the private folder. For LLVMFuzzerInitialize.
void initialiser(int *argc, char ***argv);

// A file name in the private folder (in memory where the system offers it).
QString chemin(const QString &name);

// Makes the bytes the whole content of the file.
void ecrire(const QString &path, const uint8_t *data, size_t size);
void ecrire(const QString &path, const QByteArray &bytes);
// The whole content of a file (empty when it cannot be read).
QByteArray lire(const QString &path);

// Ends the run as a finding, with the property that failed.
[[noreturn]] void echec(const char *what, const QString &detail = QString());
inline void verifier(bool ok, const char *what, const QString &detail = QString())
{
    if (!ok)
        echec(what, detail);
}

// The picture a calculator picture file shows on a white surface of width x height
// pixels (RGB32), worked out pixel by pixel from the file layout: height and width
// big-endian at offset 88, rows of ceil(width / 8) bytes from offset 92, most
// significant bit leftmost, 1 for black, the last three bytes (tag, checksum) no
// pixels, the bits beyond the width drawn too, nothing outside the surface.
QImage reference89i(const QByteArray &file, int width, int height);
// The same into an image kept from one input to the next (no allocation).
void reference89i(const QByteArray &file, QImage &image);

} // namespace fuzz
