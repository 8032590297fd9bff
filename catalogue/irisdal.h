// Spectral units, the colour of a wavelength and the sum of Lorentz profiles.
#pragma once

#include <cstdint>
#include <span>

namespace irisdal {

// Speed of light in km/s as the program uses it: nu [THz] = 299790 / lambda [nm].
inline constexpr double velocidadluz = 299790.0;

struct ColorRgb {
    std::int16_t r = 0;
    std::int16_t g = 0;
    std::int16_t b = 0;
};

// Frequency in THz of a wavelength in nm; 0 for a wavelength of 0.
double londafreq(double londa);
// Wavenumber in cm-1 of a wavelength in nm; 0 for a wavelength of 0.
double londacm(double londa);
// Colour the eye sees at a wavelength in nm; black outside 380..780 nm.
void colorlonda(double londa, std::int16_t &r, std::int16_t &g, std::int16_t &b);
ColorRgb colorlonda(double londa);
// Packed drawing colour R + 256 G + 65536 B.
std::int32_t colorempaquetado(ColorRgb color);

// Sum over the centres of gamma / ((x - c)^2 + (gamma/2)^2). A term whose
// denominator is 0 (zero width exactly at a centre) counts as 0.
double sumalorentz(double x, std::span<const double> centros, double gamma);

} // namespace irisdal
