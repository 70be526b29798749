#include "errordiffusion.h"

#include <array>

namespace monochrome {
namespace {

// A kernel: the weights of the pixels ahead, over the divisor. Row 0 is the pixel's
// own row (only the columns after it count), rows 1 and 2 those below; columns
// -2..2 around the pixel. The light is first mapped to offset + scale * light.
struct Kernel
{
    Dithering method;
    float divisor;
    std::array<std::array<int, 5>, 3> weights;
    float offset = 0;
    float scale = 1;
};

// Atkinson's weights add up to 6/8: the quarter dropped keeps its texture clean,
// but alone it would darken dark greys and lighten light ones: a flat light L
// settles at a white share of about (L - 0.11) / 0.78 (measured on 160 x 100 flat
// areas, within 1.2 %). Its light is mapped by the inverse, so that a flat area
// gets the share of white its light asks for; black and white stay.
constexpr Kernel kKernels[] = {
    {Dithering::FloydSteinberg, 16, {{{0, 0, 0, 7, 0}, {0, 3, 5, 1, 0}, {0, 0, 0, 0, 0}}}},
    {Dithering::Atkinson, 8, {{{0, 0, 0, 1, 1}, {0, 1, 1, 1, 0}, {0, 0, 1, 0, 0}}}, 0.11f, 0.78f},
    {Dithering::JarvisJudiceNinke, 48, {{{0, 0, 0, 7, 5}, {3, 5, 7, 5, 3}, {1, 3, 5, 3, 1}}}},
    {Dithering::Stucki, 42, {{{0, 0, 0, 8, 4}, {2, 4, 8, 4, 2}, {1, 2, 4, 2, 1}}}},
    {Dithering::Sierra, 32, {{{0, 0, 0, 5, 3}, {2, 4, 5, 4, 2}, {0, 2, 3, 2, 0}}}},
};

const Kernel *kernelOf(Dithering method)
{
    for (const Kernel &kernel : kKernels)
        if (kernel.method == method)
            return &kernel;
    return nullptr;
}

} // namespace

bool diffusesError(Dithering method)
{
    return kernelOf(method) != nullptr;
}

Dots diffuseError(const LightPlane &light, Dithering method)
{
    const Kernel *kernel = kernelOf(method);
    const int width = light.width();
    const int height = light.height();
    Dots dots(light.size(), 0);
    if (!kernel)
        return dots;

    // The kernel's non-zero weights as offsets and fractions.
    struct Tap
    {
        int row;
        int column;
        float share;
    };
    std::array<Tap, 15> taps{};
    int count = 0;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c)
            if (kernel->weights[r][c] != 0)
                taps[count++] = {r, c - 2, float(kernel->weights[r][c]) / kernel->divisor};

    // Three rows of errors, two spare cells at each end for the shares that leave.
    constexpr int kMargin = 2;
    const int stride = width + 2 * kMargin;
    std::vector<float> errors(std::size_t(3 * stride), 0.0f);
    for (int y = 0; y < height; ++y) {
        float *rows[3];
        for (int r = 0; r < 3; ++r)
            rows[r] = errors.data() + ((y + r) % 3) * stride + kMargin;
        for (int x = 0; x < width; ++x) {
            const std::size_t i = std::size_t(y) * width + x;
            const float value = kernel->offset + kernel->scale * light[i] + rows[0][x];
            const bool white = value > 0.5f;
            dots[i] = white;
            const float error = white ? value - 1 : value;
            for (int t = 0; t < count; ++t)
                rows[taps[t].row][x + taps[t].column] += error * taps[t].share;
        }
        // The finished row becomes the farthest one below, cleared.
        std::fill(rows[0] - kMargin, rows[0] - kMargin + stride, 0.0f);
    }
    return dots;
}

} // namespace monochrome
