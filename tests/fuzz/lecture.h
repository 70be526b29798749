#pragma once

#include "fuzzsupport.h"

#include "picfile/lib89i.h"
#include "platform/surface.h"

#include <cstring>

namespace fuzz {

// Byte for byte: QImage's own comparison goes pixel by pixel for RGB32.
inline bool memesPixels(const QImage &a, const QImage &b)
{
    return a.size() == b.size() && a.format() == b.format() && a.bytesPerLine() == b.bytesPerLine()
        && std::memcmp(a.constBits(), b.constBits(), size_t(a.sizeInBytes())) == 0;
}

// Reads the bytes as a file onto the surface and checks the drawing against the
// reference; drawing the same bytes from memory, then again over the result, must
// give the same picture.
inline void lireEtVerifier(const uint8_t *data, size_t size, Surface &surface)
{
    static const QString path = chemin(QStringLiteral("image.89i"));
    ecrire(path, data, size);
    const QByteArray file = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                    qsizetype(size));
    // Left-overs in a colour no drawing uses: the reader must clear them.
    surface.image().fill(0xFFFF0000u);
    QString error;
    verifier(lib89i::Lire89i(path, surface, false, &error), "Lire89i refuse un fichier lisible",
             error);
    static QImage expected;
    if (expected.size() != surface.size())
        expected = QImage(surface.size(), QImage::Format_RGB32);
    reference89i(file, expected);
    verifier(memesPixels(surface.image(), expected), "Lire89i ne dessine pas ce que dit le fichier");

    lib89i::dessine89i(file, surface, true);
    verifier(memesPixels(surface.image(), expected), "redessiner par-dessus change l'image");
    surface.image().fill(0xFFFF0000u);
    lib89i::dessine89i(file, surface, false);
    verifier(memesPixels(surface.image(), expected), "dessine89i et Lire89i diffèrent");
}

} // namespace fuzz
