#pragma once

#include "platform/surface.h"

#include <QByteArray>
#include <QString>

// The calculator picture file (".89i"): one monochrome picture variable for the
// TI-89 / TI-92 Plus, signature "**TI92P*".
namespace lib89i {

// Running checksum of the file being written: reset at the start of each write,
// every byte written with counting on adds its value.
extern quint32 somme;

// Writes text one byte per character at offset, then zero bytes up to
// offset + length - 1 (none when text is as long as the field or longer); with
// count, adds each character byte (not the fill) to somme. The buffer grows as needed.
void EcrireChamp(QByteArray &file, const QByteArray &text, int length, int offset, bool count);

// The whole file for the height x width pixels at the top-left of picture.
QByteArray encode89i(const Surface &picture, int height, int width, const QString &folder,
                     const QString &name);

// Writes the file; on success and with confirm, shows "Fichier enregistré". On
// failure the file that was there is left as it was, nothing is shown, the error
// text (French) goes to *error and the result is false.
bool Ecrire89i(const QString &path, const Surface &picture, int height, int width,
               const QString &folder, const QString &name, bool confirm, QString *error = nullptr);

// Draws the picture held in the bytes of a file onto picture (cleared first unless
// keep): each set bit in black, from the top-left corner. Never reads past the end.
void dessine89i(const QByteArray &file, Surface &picture, bool keep);

// Reads the file and draws it as above, reading no more of a large file than the
// picture can show. A file that cannot be read leaves the picture as it was and
// returns false with the error text (French) in *error.
bool Lire89i(const QString &path, Surface &picture, bool keep, QString *error = nullptr);

// The height and width a file's header gives (0 x 0 when it is too short).
QSize taille89i(const QByteArray &file);

} // namespace lib89i
