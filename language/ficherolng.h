// Byte-level access to the 8-bit language file: lines, Windows-1252 text and safe rewriting.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace idiomas::ficherolng {

// The whole file; error names the path and the cause when it cannot be read.
struct Contenido {
    QByteArray bytes;
    QString error;
};
Contenido leer(const QString &fichero);

// The lines of the file without their terminators. A line ends at CR LF or at a lone CR,
// so the bytes CR CR LF give two empty lines; a last line without terminator still counts.
QList<QByteArray> partir(const QByteArray &bytes);

// One line as every reader of the file sees it. A lone "[" and a non-empty line
// without "=" are Otra: readers skip them, rewrites copy them unchanged.
struct Linea {
    enum class Tipo {
        Vacia,
        Cabecera,
        Entrada,
        Otra,
    };
    Tipo tipo = Tipo::Otra;
    QString nombre; // header: the line without its first and last character
    QString clave;  // entry: the text before the first "="
    QString valor;  // entry: everything after the first "="
};
Linea clasificar(const QByteArray &linea);

// Names and keys match without regard to letter case (both sides lower-cased).
bool mismonombre(const QString &a, const QString &b);

QString decodificar(const QByteArray &bytes);
// std::nullopt when the text holds a character that Windows-1252 cannot store.
std::optional<QByteArray> codificar(const QString &texto);

// dir(fichero) + "/idioma.tmp".
QString rutatemporal(const QString &fichero);
// Writes contenido to the temporary file, forces it to disk and renames it over fichero.
// On failure fichero keeps its old content, the temporary file is removed and the
// returned message names the file and the cause; "" on success.
QString reemplazar(const QString &fichero, const QByteArray &contenido);
// Appends bytes to an existing file. When its last line lacks a terminator, CR LF is
// written first so that the appended line does not merge into it. "" on success.
QString anadir(const QString &fichero, const QByteArray &bytes);

} // namespace idiomas::ficherolng
