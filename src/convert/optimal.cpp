#include "optimal.h"

#include "convert/directbinarysearch.h"
#include "convert/dithering.h"
#include "convert/errordiffusion.h"
#include "convert/eyemodel.h"
#include "convert/structuremeasure.h"

#include <algorithm>
#include <iterator>

namespace monochrome {

Dots optimalDots(const LightPlane &light, int level)
{
    const int width = light.width();
    const int height = light.height();
    LightPlane reference(width, height);
    Dots threshold(light.size());
    const double cut = (std::clamp(level, -50, 50) + 50) / 100.0;
    for (std::size_t i = 0; i < light.size(); ++i) {
        reference[i] = float(levelled(light[i], level));
        threshold[i] = codeValue(light[i]) > cut; // the plain threshold, on the light's code value
    }
    const LightPlane seen = eyeBlur(reference);
    const StructureMeasure structureOf(seen);
    const double thresholdError = squaredDistance(eyeBlur(lightOf(threshold, width, height)), seen);

    constexpr std::size_t kCurves = std::size(kOptimalCurves);
    Dots results[kCurves];
    double structure[kCurves];
    bool fair[kCurves]; // renders the light at least as well as the threshold
    bool anyFair = false;
    for (std::size_t c = 0; c < kCurves; ++c) {
        const LightPlane target = toned(light, kOptimalCurves[c], level);
        results[c] = directBinarySearch(target, diffuseError(target, Dithering::FloydSteinberg));
        const LightPlane blurred = eyeBlur(lightOf(results[c], width, height));
        structure[c] = structureOf.of(blurred);
        fair[c] = squaredDistance(blurred, seen) <= thresholdError;
        anyFair |= fair[c];
    }
    double best = -2;
    for (std::size_t c = 0; c < kCurves; ++c)
        if (fair[c] || !anyFair)
            best = std::max(best, structure[c]);
    for (std::size_t c = 0; c < kCurves; ++c)
        if ((fair[c] || !anyFair) && structure[c] >= best - kStructureTolerance)
            return results[c];
    return results[0];
}

} // namespace monochrome
