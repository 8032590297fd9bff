// The changes of idiomas to the language file: new section, one key, the whole file.
#include "idiomas.h"

#include "ficherolng.h"

#include <QDir>

#include <optional>
#include <utility>

namespace idiomas {

namespace {

using ficherolng::Linea;

const QByteArray kFinlinea = QByteArrayLiteral("\r\n");
// A line holding a single CR: on disk CR CR LF, read back as two empty lines.
const QByteArray kLineacr = QByteArrayLiteral("\r");

Resultado fallo(const QString &mensaje)
{
    return {false, mensaje};
}

Resultado deerror(const QString &mensaje)
{
    return mensaje.isEmpty() ? Resultado() : fallo(mensaje);
}

// A line break inside a name, key or value would split it into lines of other kinds.
bool tienesaltodelinea(const QString &texto)
{
    return texto.contains(QLatin1Char('\r')) || texto.contains(QLatin1Char('\n'));
}

// The text as one file line, or an error naming the file when it cannot be stored.
std::optional<QByteArray> linea(const QString &texto, const QString &fichero, QString *error)
{
    const QString ruta = QDir::toNativeSeparators(fichero);
    if (tienesaltodelinea(texto)) {
        *error = QStringLiteral("Cannot write \"%1\" to the language file \"%2\": the text contains a line break")
                     .arg(texto, ruta);
        return std::nullopt;
    }
    std::optional<QByteArray> bytes = ficherolng::codificar(texto);
    if (!bytes)
        *error = QStringLiteral("Cannot write \"%1\" to the language file \"%2\": "
                                "it holds characters that Windows-1252 cannot store")
                     .arg(texto, ruta);
    return bytes;
}

bool esseccion(const Linea &linea, const QString &seccion)
{
    return linea.tipo == Linea::Tipo::Cabecera && ficherolng::mismonombre(linea.nombre, seccion);
}

} // namespace

Resultado crearseccion(const QString &fichero, const QString &seccion)
{
    QString error;
    const std::optional<QByteArray> cabecera =
        linea(QLatin1Char('[') + seccion + QLatin1Char(']'), fichero, &error);
    if (!cabecera)
        return fallo(error);
    const bool existe = existeseccion(fichero, seccion, &error);
    if (!error.isEmpty())
        return fallo(error);
    if (existe)
        return {};
    return deerror(ficherolng::anadir(fichero, kLineacr + kFinlinea + *cabecera + kFinlinea));
}

Resultado escribirvalor(const QString &fichero, const QString &seccion, const QString &clave,
                        const QString &valor)
{
    QString error;
    if (clave.contains(QLatin1Char('=')))
        return fallo(QStringLiteral("Cannot write the key \"%1\" to the language file \"%2\": "
                                    "a key cannot contain \"=\"")
                         .arg(clave, QDir::toNativeSeparators(fichero)));
    const std::optional<QByteArray> entrada = linea(clave + QLatin1Char('=') + valor, fichero, &error);
    if (!entrada)
        return fallo(error);
    if (const Resultado creada = crearseccion(fichero, seccion); !creada.ok)
        return creada;

    const ficherolng::Contenido contenido = ficherolng::leer(fichero);
    if (!contenido.error.isEmpty())
        return fallo(contenido.error);

    // Build the new file line by line. Lines that are not rewritten keep their bytes.
    QList<QByteArray> salida;
    bool dentro = false; // inside a section named seccion
    bool escrita = false;
    for (const QByteArray &bytes : ficherolng::partir(contenido.bytes)) {
        const Linea actual = ficherolng::clasificar(bytes);
        if (!dentro) {
            salida.append(bytes);
            dentro = esseccion(actual, seccion);
            continue;
        }
        switch (actual.tipo) {
        case Linea::Tipo::Vacia:
            break; // dropped inside the section
        case Linea::Tipo::Cabecera:
            // The section ends without the key: it goes last, then a single-CR line.
            salida << *entrada << kLineacr << bytes;
            escrita = true;
            dentro = esseccion(actual, seccion);
            break;
        case Linea::Tipo::Entrada:
            if (ficherolng::mismonombre(actual.clave, clave)) {
                salida.append(*entrada);
                escrita = true;
                dentro = false;
            } else {
                salida.append(bytes);
            }
            break;
        case Linea::Tipo::Otra:
            salida.append(bytes);
            break;
        }
    }

    // The section is the last one and lacks the key: the file only grows by that line.
    if (dentro && !escrita)
        return deerror(ficherolng::anadir(fichero, *entrada + kFinlinea));

    QByteArray nuevo;
    for (const QByteArray &bytes : std::as_const(salida))
        nuevo += bytes + kFinlinea;
    return deerror(ficherolng::reemplazar(fichero, nuevo));
}

Resultado escribirlineas(const QString &fichero, const QStringList &lineas)
{
    QByteArray nuevo;
    for (const QString &texto : lineas) {
        QString error;
        const std::optional<QByteArray> bytes = linea(texto, fichero, &error);
        if (!bytes)
            return fallo(error);
        nuevo += *bytes + kFinlinea;
    }
    return deerror(ficherolng::reemplazar(fichero, nuevo));
}

} // namespace idiomas
