#include "ficherolng.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtGlobal>

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#include <string>
#include <windows.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace idiomas::ficherolng {

namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';
const char *const kCodificacion = "windows-1252";

QString nativa(const QString &ruta)
{
    return QDir::toNativeSeparators(ruta);
}

// Forces the written bytes of an open file to the disk before it replaces the old file.
bool sincronizar(int descriptor)
{
#ifdef Q_OS_WIN
    return ::_commit(descriptor) == 0;
#else
    return ::fsync(descriptor) == 0;
#endif
}

// Replaces destino by origen in one step: readers see either the old or the new file.
bool renombrar(const QString &origen, const QString &destino, QString *causa)
{
#ifdef Q_OS_WIN
    const std::wstring de = nativa(origen).toStdWString();
    const std::wstring a = nativa(destino).toStdWString();
    if (::MoveFileExW(de.c_str(), a.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *causa = qt_error_string(static_cast<int>(::GetLastError()));
    return false;
#else
    if (::rename(QFile::encodeName(origen).constData(), QFile::encodeName(destino).constData()) != 0) {
        *causa = qt_error_string(errno);
        return false;
    }
    // Make the rename itself durable; a failure here does not undo it.
    const int carpeta = ::open(QFile::encodeName(QFileInfo(destino).absolutePath()).constData(),
                               O_RDONLY);
    if (carpeta >= 0) {
        ::fsync(carpeta);
        ::close(carpeta);
    }
    return true;
#endif
}

bool terminaenlinea(QFile &fichero)
{
    const qint64 tamano = fichero.size();
    if (tamano == 0)
        return true;
    if (!fichero.seek(qMax<qint64>(0, tamano - 2)))
        return false;
    const QByteArray cola = fichero.read(2);
    return cola.endsWith(kCr) || cola == "\r\n";
}

} // namespace

Contenido leer(const QString &fichero)
{
    Contenido contenido;
    QFile f(fichero);
    if (!f.open(QIODevice::ReadOnly)) {
        contenido.error = QStringLiteral("Cannot read the language file \"%1\": %2")
                              .arg(nativa(fichero), f.errorString());
        return contenido;
    }
    contenido.bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        contenido.error = QStringLiteral("Cannot read the language file \"%1\": %2")
                              .arg(nativa(fichero), f.errorString());
        contenido.bytes.clear();
    }
    return contenido;
}

QList<QByteArray> partir(const QByteArray &bytes)
{
    QList<QByteArray> lineas;
    qsizetype inicio = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes.at(i) != kCr)
            continue;
        lineas.append(bytes.mid(inicio, i - inicio));
        if (i + 1 < n && bytes.at(i + 1) == kLf)
            ++i;
        inicio = i + 1;
    }
    if (inicio < n)
        lineas.append(bytes.mid(inicio));
    return lineas;
}

Linea clasificar(const QByteArray &linea)
{
    Linea resultado;
    if (linea.isEmpty()) {
        resultado.tipo = Linea::Tipo::Vacia;
        return resultado;
    }
    if (linea.front() == '[') {
        if (linea.size() < 2)
            return resultado;
        resultado.tipo = Linea::Tipo::Cabecera;
        resultado.nombre = decodificar(linea.mid(1, linea.size() - 2));
        return resultado;
    }
    const qsizetype igual = linea.indexOf('=');
    if (igual < 0)
        return resultado;
    resultado.tipo = Linea::Tipo::Entrada;
    resultado.clave = decodificar(linea.left(igual));
    resultado.valor = decodificar(linea.mid(igual + 1));
    return resultado;
}

bool mismonombre(const QString &a, const QString &b)
{
    return a.toLower() == b.toLower();
}

QString decodificar(const QByteArray &bytes)
{
    // Opening the converter costs far more than decoding a line; every byte maps to one
    // character, so one stateless decoder serves every call.
    thread_local QStringDecoder decodificador(kCodificacion, QStringConverter::Flag::Stateless);
    return decodificador.decode(bytes);
}

std::optional<QByteArray> codificar(const QString &texto)
{
    QStringEncoder codificador(kCodificacion, QStringConverter::Flag::Stateless);
    QByteArray bytes = codificador.encode(texto);
    if (codificador.hasError())
        return std::nullopt;
    return bytes;
}

QString rutatemporal(const QString &fichero)
{
    return QFileInfo(fichero).absolutePath() + QStringLiteral("/idioma.tmp");
}

QString reemplazar(const QString &fichero, const QByteArray &contenido)
{
    const QString temporal = rutatemporal(fichero);
    if (QFileInfo(fichero).absoluteFilePath() == QFileInfo(temporal).absoluteFilePath())
        return QStringLiteral("Cannot rewrite \"%1\": the file has the name of its own temporary file")
            .arg(nativa(fichero));

    QFile tmp(temporal);
    if (!tmp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QStringLiteral("Cannot create the temporary file \"%1\" to rewrite \"%2\": %3")
            .arg(nativa(temporal), nativa(fichero), tmp.errorString());

    QString causa;
    bool escrito = tmp.write(contenido) == contenido.size() && tmp.flush();
    if (!escrito) {
        causa = tmp.errorString();
    } else if (!sincronizar(tmp.handle())) {
        escrito = false;
        causa = qt_error_string(errno);
    }
    tmp.close();
    if (escrito && tmp.error() != QFileDevice::NoError) {
        escrito = false;
        causa = tmp.errorString();
    }
    if (!escrito) {
        tmp.remove();
        return QStringLiteral("Cannot write the temporary file \"%1\"; \"%2\" was left unchanged: %3")
            .arg(nativa(temporal), nativa(fichero), causa);
    }

    if (QFileInfo::exists(fichero))
        tmp.setPermissions(QFile::permissions(fichero));
    if (!renombrar(temporal, fichero, &causa)) {
        QFile::remove(temporal);
        return QStringLiteral("Cannot replace the language file \"%1\" by \"%2\"; it was left unchanged: %3")
            .arg(nativa(fichero), nativa(temporal), causa);
    }
    return {};
}

QString anadir(const QString &fichero, const QByteArray &bytes)
{
    QFile f(fichero);
    if (!f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return QStringLiteral("Cannot append to the language file \"%1\": %2")
            .arg(nativa(fichero), f.errorString());

    const qint64 tamanoprevio = f.size();
    QByteArray anadido = bytes;
    if (!terminaenlinea(f))
        anadido.prepend("\r\n");
    const bool escrito = f.seek(tamanoprevio) && f.write(anadido) == anadido.size() && f.flush()
                         && sincronizar(f.handle());
    if (escrito)
        return {};
    const QString causa = f.error() != QFileDevice::NoError ? f.errorString() : qt_error_string(errno);
    // Do not leave half a line behind.
    f.resize(tamanoprevio);
    return QStringLiteral("Cannot append to the language file \"%1\": %2").arg(nativa(fichero), causa);
}

} // namespace idiomas::ficherolng
