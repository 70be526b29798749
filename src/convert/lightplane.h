#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>
#include <vector>

namespace monochrome {

// One value per pixel of an area, row after row: light from 0 (black) to 1 (white),
// or what a method makes of it.
class LightPlane
{
public:
    LightPlane() = default;
    LightPlane(int width, int height, float value = 0)
        : m_width(width)
        , m_height(height)
        , m_values(std::size_t(width) * std::size_t(height), value)
    {
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    std::size_t size() const { return m_values.size(); }
    float &operator[](std::size_t i) { return m_values[i]; }
    float operator[](std::size_t i) const { return m_values[i]; }
    float *data() { return m_values.data(); }
    const float *data() const { return m_values.data(); }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<float> m_values;
};

// A dithered area: one per pixel, row after row, 1 for white and 0 for black.
using Dots = std::vector<std::uint8_t>;

// The light of an sRGB code value, 0..255 onto 0..1.
double linearLight(int code);
// The sRGB code value of a light, 0..1 onto 0..1 (not rounded).
double codeValue(double light);

// The luminance of each pixel of area (inside the RGB32 picture) in linear light:
// the sRGB channels decoded, weighted 0.2126, 0.7152 and 0.0722.
LightPlane luminance(const QImage &image, const QRect &area);

// The slider's level (-50..50, clamped) on a light: the threshold (level + 50) / 100
// moves to the middle, [0, t] spread onto [0, 1/2] and [t, 1] onto [1/2, 1]. The
// identity at level 0; never lighter as the level rises; black and white stay.
double levelled(double light, int level);

// What the methods dither: light^(1 / curve) (curve clamped to 1..2.2), then levelled.
LightPlane toned(const LightPlane &light, double curve, int level);

// The dots as a light: white 1, black 0.
LightPlane lightOf(const Dots &dots, int width, int height);

} // namespace monochrome
