// Conversion of a line catalogue (Access file or CSV) into the SQLite line store.
#pragma once

#include <QString>
#include <QStringList>

namespace importador {

struct ResultadoImportacion {
    qint64 filas = 0;   // rows written
    QString error;      // empty on success; else the file and the cause
    QStringList avisos; // source columns that could not be kept, and why
};

// Writes `destino` as table `tabla`: first column the wavelength (REAL), `Elemento` and `Tipo`
// (TEXT, COLLATE NOCASE), the further columns kept, rows in source order, an index on
// (Elemento, Tipo). The file is built under a temporary name beside `destino` and renamed over it
// only when complete; on failure `destino` is left as it was.
ResultadoImportacion importaraccess(const QString &origen, const QString &destino);
// A CSV with the header wavelength_nm,element,stage[,intensity][,aki][,source] (further columns
// are kept as text), "." decimals, no quoting; empty cells become NULL. The columns are named
// Longitud, Elemento, Tipo, Intensidad, Aki, Fuente.
ResultadoImportacion importarcsv(const QString &origen, const QString &destino);
// Chooses by the extension of `origen`: .mdb or .accdb is Access, anything else CSV.
ResultadoImportacion importar(const QString &origen, const QString &destino);

} // namespace importador
