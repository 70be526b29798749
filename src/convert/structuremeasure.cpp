#include "structuremeasure.h"

#include "convert/eyemodel.h"

namespace monochrome {
namespace {

constexpr double kWindowSigma = 1.5;
constexpr int kWindowReach = 5; // 11 x 11
constexpr double kC1 = 0.01 * 0.01;
constexpr double kC2 = 0.03 * 0.03;

std::vector<double> codeValues(const LightPlane &plane)
{
    std::vector<double> code(plane.size());
    for (std::size_t i = 0; i < plane.size(); ++i)
        code[i] = codeValue(plane[i]);
    return code;
}

std::vector<double> window(const std::vector<double> &values, int width, int height)
{
    return gaussianFilter(values, width, height, gaussianTaps(kWindowSigma, kWindowReach));
}

std::vector<double> squares(const std::vector<double> &a, const std::vector<double> &b)
{
    std::vector<double> product(a.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        product[i] = a[i] * b[i];
    return product;
}

} // namespace

StructureMeasure::StructureMeasure(const LightPlane &blurredReference)
    : m_width(blurredReference.width())
    , m_height(blurredReference.height())
    , m_code(codeValues(blurredReference))
    , m_mean(window(m_code, m_width, m_height))
    , m_variance(window(squares(m_code, m_code), m_width, m_height))
{
    for (std::size_t i = 0; i < m_variance.size(); ++i)
        m_variance[i] -= m_mean[i] * m_mean[i];
}

double StructureMeasure::of(const LightPlane &blurred) const
{
    const std::vector<double> a = codeValues(blurred);
    const std::vector<double> ma = window(a, m_width, m_height);
    const std::vector<double> saa = window(squares(a, a), m_width, m_height);
    const std::vector<double> sab = window(squares(a, m_code), m_width, m_height);
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const double mb = m_mean[i];
        const double va = saa[i] - ma[i] * ma[i];
        const double cov = sab[i] - ma[i] * mb;
        sum += (2 * ma[i] * mb + kC1) * (2 * cov + kC2) / ((ma[i] * ma[i] + mb * mb + kC1) * (va + m_variance[i] + kC2));
    }
    return a.empty() ? 1 : sum / double(a.size());
}

} // namespace monochrome
