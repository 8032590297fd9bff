// Conversion of the design layout's twips to device-independent pixels.
#pragma once

#include <QRect>

namespace unidades {

// 15 twips make one device-independent pixel (1440 twips per inch at 96 dpi).
inline constexpr int twipsporpixel = 15;

int twips(int valor);
QRect twips(int izquierda, int arriba, int ancho, int alto);

} // namespace unidades
