// Small line stores written by the tests themselves.
#pragma once

#include <QString>

#include <vector>

namespace almacenprueba {

struct Fila {
    double longitud;
    QString elemento;
    QString tipo;
};

// Writes lineasNist.sqlite with table `tabla` (Longitud, Elemento, Tipo) holding the rows in order.
// Returns an empty string on success, otherwise the SQLite error.
QString crear(const QString &fichero, const std::vector<Fila> &filas);

} // namespace almacenprueba
