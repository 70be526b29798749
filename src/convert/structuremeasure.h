#pragma once

#include "convert/lightplane.h"

#include <vector>

namespace monochrome {

// The mean structural similarity (SSIM) of blurred lights to one blurred reference,
// both made sRGB code values (0..1) first: Gaussian windows of sigma 1.5 on 11 x 11,
// edges reflected, averaged over every pixel. The reference's own statistics are
// computed once, for the many results compared with it.
class StructureMeasure
{
public:
    explicit StructureMeasure(const LightPlane &blurredReference);

    // 1 for the reference itself; the closer to 1, the more alike.
    double of(const LightPlane &blurred) const;

private:
    int m_width;
    int m_height;
    std::vector<double> m_code;     // the reference's code values
    std::vector<double> m_mean;     // their windowed mean
    std::vector<double> m_variance; // and variance
};

} // namespace monochrome
