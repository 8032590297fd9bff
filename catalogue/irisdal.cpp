#include "irisdal.h"

#include <cmath>

namespace irisdal {

namespace {

struct Tono {
    double r = 0;
    double g = 0;
    double b = 0;
};

Tono tono(double l)
{
    if (l >= 380 && l <= 440)
        return {(440 - l) / 60, 0, 1};
    if (l >= 440 && l <= 490)
        return {0, (l - 440) / 50, 1};
    if (l >= 490 && l <= 510)
        return {0, 1, (510 - l) / 20};
    if (l >= 510 && l <= 580)
        return {(l - 510) / 70, 1, 0};
    if (l >= 580 && l <= 645)
        return {1, (645 - l) / 65, 0};
    if (l >= 645 && l <= 780)
        return {1, 0, 0};
    return {};
}

double intensidad(double l)
{
    if (l >= 380 && l < 420)
        return 0.3 + 0.7 * (l - 380) / 40;
    if (l >= 420 && l < 700)
        return 1;
    if (l >= 700 && l <= 780)
        return 0.3 + 0.7 * (780 - l) / 80;
    return 0;
}

// 255 * base^0.8, rounded to nearest with ties to even (the default FP rounding mode).
std::int16_t componente(double base)
{
    if (base <= 0)
        return 0;
    return static_cast<std::int16_t>(std::nearbyint(255.0 * std::pow(base, 0.8)));
}

} // namespace

double londafreq(double londa)
{
    return londa == 0 ? 0.0 : velocidadluz / londa;
}

double londacm(double londa)
{
    return londa == 0 ? 0.0 : 10000000.0 / londa;
}

ColorRgb colorlonda(double londa)
{
    const Tono t = tono(londa);
    const double f = intensidad(londa);
    return {componente(t.r * f), componente(t.g * f), componente(t.b * f)};
}

void colorlonda(double londa, std::int16_t &r, std::int16_t &g, std::int16_t &b)
{
    const ColorRgb c = colorlonda(londa);
    r = c.r;
    g = c.g;
    b = c.b;
}

std::int32_t colorempaquetado(ColorRgb color)
{
    return color.r + 256 * color.g + 65536 * color.b;
}

double sumalorentz(double x, std::span<const double> centros, double gamma)
{
    const double semi2 = (gamma / 2) * (gamma / 2);
    double s = 0;
    for (const double c : centros) {
        const double d = x - c;
        const double denominador = d * d + semi2;
        if (denominador != 0)
            s += gamma / denominador;
    }
    return s;
}

} // namespace irisdal
