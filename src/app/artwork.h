#pragma once

#include <QIcon>
#include <QImage>

// The program's pictures, drawn by code so that the repository carries no binary
// artwork.
namespace artwork {

// The program's icon: a small calculator on a blue ground, at 32 and 16 pixels.
QIcon icon();
// The spinner arrows: 20 x 19, white with a red minus or a red cross.
QImage minus();
QImage plus();
// The magnifier beside the work picture, 13 x 13.
QImage magnifier();
// The start-up picture, 300 x 200.
QImage splash();
// The picture at the top-left of the about window, 69 x 60.
QImage thumbnail();

} // namespace artwork
