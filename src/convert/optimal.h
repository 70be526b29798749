#pragma once

#include "convert/lightplane.h"

namespace monochrome {

// The tone curves the optimal method tries, the most exact light first.
inline constexpr double kOptimalCurves[] = {1.2, 1.3, 1.4, 1.5};
// Results whose structure comes this close to the best one's count as its equals.
inline constexpr double kStructureTolerance = 0.005;

// The optimal method on a luminance plane. For each curve, Floyd-Steinberg's error
// diffusion of the toned light (the best start among the diffusions on photographs)
// refined by the direct binary search. Kept is the result whose blur looks most
// like the blurred levelled light (StructureMeasure), among those within the
// tolerance of it the one of the most exact light (the lowest curve); results that
// render the light worse than the plain threshold does (a larger error of the
// blurred light: a night sky lifted into grey dots) are left out while one is not.
Dots optimalDots(const LightPlane &light, int level);

} // namespace monochrome
