#include "unidades.h"

#include <cmath>

namespace unidades {

int twips(int valor)
{
    return static_cast<int>(std::lround(static_cast<double>(valor) / twipsporpixel));
}

QRect twips(int izquierda, int arriba, int ancho, int alto)
{
    return {twips(izquierda), twips(arriba), twips(ancho), twips(alto)};
}

} // namespace unidades
