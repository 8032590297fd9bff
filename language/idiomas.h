// The language file idioma.lng: an INI-like Windows-1252 text with one section per
// language and one key per string number, plus the lookup of the current language's texts.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace idiomas {

// Module state (set by start-up code, read by windows).
extern QString rutaidioma;         // full path of idioma.lng
extern QString idiomaactual;       // name of the current language
extern qint16 numidiomas;          // number of language sections
extern QStringList nombresidiomas; // language names in file order; index 0 holds language 1

// Outcome of a change to the file; error is a clear text naming the path and the cause.
struct Resultado {
    bool ok = true;
    QString error;
};

// Value of clave in the first section named seccion (both case-insensitive), or "" when absent.
// When the file cannot be read, *error (if given) receives the reason; otherwise it is cleared.
QString leervalor(const QString &fichero, const QString &seccion, const QString &clave,
                  QString *error = nullptr);
// True when a section of that name (case-insensitive) exists.
bool existeseccion(const QString &fichero, const QString &seccion, QString *error = nullptr);
// Fills nombres with the language section names (every header but the first, which is the
// settings section) and returns their number: 0 with only the settings section, -1 when the
// file has no header or cannot be read. nombres never keeps names from before the call.
qint16 listarsecciones(const QString &fichero, QStringList &nombres, QString *error = nullptr);
// Appends an empty section "[seccion]" to an existing file unless it already has one.
Resultado crearseccion(const QString &fichero, const QString &seccion);
// Sets clave=valor in the section named seccion, adding the key or the section when missing.
// A rewrite goes through idioma.tmp beside the file; on failure the file keeps its old content.
Resultado escribirvalor(const QString &fichero, const QString &seccion, const QString &clave,
                        const QString &valor);

// One entry of a section, as stored.
struct Entrada {
    QString clave;
    QString valor;
};
// The entries of the first section named seccion, in file order (for the language editor).
QList<Entrada> leerentradas(const QString &fichero, const QString &seccion, QString *error = nullptr);
// Replaces the whole file by these lines, each ended by CR LF, through idioma.tmp.
Resultado escribirlineas(const QString &fichero, const QStringList &lineas);

// String number N of the current language (leervalor(rutaidioma, idiomaactual, N)).
// When the language file cannot be read at all, the design caption of N is returned instead.
QString cadena(int numero);
// The design (Spanish) caption of string number N, without what callers append
// (":" or "..."), or "" for numbers that have no design caption.
QString textodiseno(int numero);
// Empty when the file can be read; otherwise a message naming the path and the cause.
QString comprobarfichero(const QString &fichero);

} // namespace idiomas
