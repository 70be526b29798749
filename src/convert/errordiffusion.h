#pragma once

#include "convert/dithering.h"
#include "convert/lightplane.h"

namespace monochrome {

// Whether the method is one of error diffusion's kernels.
bool diffusesError(Dithering method);

// Error diffusion of the light (0..1) with the method's kernel: rows from the top,
// each left to right; a pixel is white when its light plus the error it received
// is over 1/2, and its error (value - 0 or value - 1) goes to the pixels ahead of
// it by the kernel's weights. Shares that would leave the plane are dropped. A
// kernel that drops part of each error (Atkinson) has its light mapped first, so
// that a flat light still gets its share of white.
Dots diffuseError(const LightPlane &light, Dithering method);

} // namespace monochrome
