#include "idiomas.h"

#include "ficherolng.h"

#include <limits>

namespace idiomas {

QString rutaidioma;
QString idiomaactual;
qint16 numidiomas = 0;
QStringList nombresidiomas;

namespace {

using ficherolng::Linea;

// Reads the file's lines; on failure the cause goes to *error and the list is empty.
QList<QByteArray> leerlineas(const QString &fichero, QString *error)
{
    ficherolng::Contenido contenido = ficherolng::leer(fichero);
    if (error)
        *error = contenido.error;
    return ficherolng::partir(contenido.bytes);
}

// Index of the line after the first header named seccion, or -1 when there is none.
qsizetype iniciodeseccion(const QList<QByteArray> &lineas, const QString &seccion)
{
    for (qsizetype i = 0; i < lineas.size(); ++i) {
        const Linea linea = ficherolng::clasificar(lineas.at(i));
        if (linea.tipo == Linea::Tipo::Cabecera && ficherolng::mismonombre(linea.nombre, seccion))
            return i + 1;
    }
    return -1;
}

// The entries from lineas[desde] up to the next header; empty and malformed lines skipped.
QList<Entrada> entradasdesde(const QList<QByteArray> &lineas, qsizetype desde)
{
    QList<Entrada> entradas;
    for (qsizetype i = desde; i < lineas.size(); ++i) {
        const Linea linea = ficherolng::clasificar(lineas.at(i));
        if (linea.tipo == Linea::Tipo::Cabecera)
            break;
        if (linea.tipo == Linea::Tipo::Entrada)
            entradas.append({linea.clave, linea.valor});
    }
    return entradas;
}

} // namespace

QString leervalor(const QString &fichero, const QString &seccion, const QString &clave,
                  QString *error)
{
    const QList<QByteArray> lineas = leerlineas(fichero, error);
    const qsizetype inicio = iniciodeseccion(lineas, seccion);
    if (inicio < 0)
        return {};
    // Only the first section of that name is searched, and its first matching entry wins.
    const QList<Entrada> entradas = entradasdesde(lineas, inicio);
    for (const Entrada &entrada : entradas) {
        if (ficherolng::mismonombre(entrada.clave, clave))
            return entrada.valor;
    }
    return {};
}

bool existeseccion(const QString &fichero, const QString &seccion, QString *error)
{
    return iniciodeseccion(leerlineas(fichero, error), seccion) >= 0;
}

qint16 listarsecciones(const QString &fichero, QStringList &nombres, QString *error)
{
    const QList<QByteArray> lineas = leerlineas(fichero, error);
    int cabeceras = 0;
    QStringList encontrados;
    for (const QByteArray &bytes : lineas) {
        const Linea linea = ficherolng::clasificar(bytes);
        if (linea.tipo != Linea::Tipo::Cabecera)
            continue;
        // The first header is the settings section, whatever its name.
        if (cabeceras > 0)
            encontrados.append(linea.nombre);
        ++cabeceras;
    }
    // The list always matches the count, so no names of an earlier call are left behind.
    nombres = encontrados;
    constexpr int maximo = std::numeric_limits<qint16>::max();
    return static_cast<qint16>(qMin(cabeceras - 1, maximo));
}

QList<Entrada> leerentradas(const QString &fichero, const QString &seccion, QString *error)
{
    const QList<QByteArray> lineas = leerlineas(fichero, error);
    const qsizetype inicio = iniciodeseccion(lineas, seccion);
    return inicio < 0 ? QList<Entrada>() : entradasdesde(lineas, inicio);
}

QString cadena(int numero)
{
    QString error;
    const QString texto = leervalor(rutaidioma, idiomaactual, QString::number(numero), &error);
    return error.isEmpty() ? texto : textodiseno(numero);
}

QString textodiseno(int numero)
{
    switch (numero) {
    case 1: return QStringLiteral("Vacío");
    case 2: return QStringLiteral("Cercano");
    case 3: return QStringLiteral("Medio");
    case 4: return QStringLiteral("Ultravioleta");
    case 5: return QStringLiteral("Visible");
    case 6: return QStringLiteral("Infrarrojo");
    case 7: return QStringLiteral("Irisdal Total");
    case 8: return QStringLiteral("Intervalos");
    case 9: return QStringLiteral("Frecuencias");
    case 10: return QStringLiteral("Longitud de ondas");
    case 11: return QStringLiteral("Irisdal de absorción");
    case 12: return QStringLiteral("Lineas");
    case 13: return QStringLiteral("Lorentz");
    case 14: return QStringLiteral("Anchura Rendija");
    case 16: return QStringLiteral("Elemento:");
    case 17: return QStringLiteral("Tipo:");
    case 18: return QStringLiteral("Copiar");
    case 19: return QStringLiteral("Idiomas");
    case 20: return QStringLiteral("Imprimir");
    case 27: return QStringLiteral("Acerca de");
    case 40: return QStringLiteral("Descripción del programa");
    case 41: return QStringLiteral("Versión");
    case 42: return QStringLiteral("Realizado por");
    case 43: return QStringLiteral("Info. del &sistema");
    case 44: return QStringLiteral("Aceptar");
    default: return {};
    }
}

QString comprobarfichero(const QString &fichero)
{
    return ficherolng::leer(fichero).error;
}

} // namespace idiomas
