#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

// Reading calculator picture files.
namespace picfile {

// The picture a file holds.
struct Picture
{
    // Width x height as the file's header states them; empty when the file holds
    // no picture (shorter than its header, or a width or height of 0).
    QSize size;
    // The bitmap as stored (Format_Mono, index 1 black): rows of whole bytes, so
    // the bits past the width of each row's last byte are there too. It covers no
    // more than the bound it was read for; rows a short file lacks are clear.
    QImage bits;

    bool isEmpty() const { return size.isEmpty(); }
};

// The width x height the header of a file gives (0 x 0 when it is too short).
QSize statedSize(const QByteArray &file);

// The picture in a file's bytes, as far as bound (in pixels) reaches. The last
// three bytes are no pixels; bytes a short file lacks are clear. Never reads past
// the end.
Picture decode(const QByteArray &file, QSize bound);

// What read() does with a readable file that holds no picture.
enum class NoPicture { Error, Blank };
// What read() does with a picture wider than the bound: reads its rows and keeps
// their left part, or reads no row (its size alone), for a caller that refuses it.
enum class Wider { Clipped, SizeOnly };

// Whether the bytes of a whole file are a calculator picture file: they begin with
// a calculator's signature and hold every row their header states. A foreign
// checksum, another model's signature or extra bytes at the end do not matter.
bool isPictureFile(const QByteArray &head, qint64 fileSize);

// Reads a file once, no further than a picture of the bound's size can need: a
// huge file costs no more than a small one. An unreadable file, one that is no
// calculator picture ("Le fichier ... n'est pas une image de calculatrice."), or
// with NoPicture::Error one that holds no picture ("Le fichier ... ne contient
// aucune image.") gives nothing and the French reason in *error.
std::optional<Picture> read(const QString &path, QSize bound, QString *error = nullptr,
                            NoPicture noPicture = NoPicture::Error, Wider wider = Wider::Clipped);

// Draws every set bit of the picture in black onto target (Format_RGB32) from its
// top-left corner, the padding bits too, clipped to target; other pixels are left
// as they are (clear the target first to show the picture alone).
void draw(const Picture &picture, QImage &target);

// The picture at its stated size as a 1-bit image (white and black), for export;
// whatever lies beyond the bits read is white.
QImage monochrome(const Picture &picture);

} // namespace picfile
