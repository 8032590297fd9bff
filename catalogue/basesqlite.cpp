#include "basesqlite.h"

#include <sqlite3.h>

#include <utility>

SentenciaSqlite::SentenciaSqlite(sqlite3 *base, sqlite3_stmt *sentencia)
    : m_base(base)
    , m_sentencia(sentencia)
{
}

SentenciaSqlite::~SentenciaSqlite()
{
    sqlite3_finalize(m_sentencia);
}

SentenciaSqlite::SentenciaSqlite(SentenciaSqlite &&otra) noexcept
    : m_base(std::exchange(otra.m_base, nullptr))
    , m_sentencia(std::exchange(otra.m_sentencia, nullptr))
{
}

SentenciaSqlite &SentenciaSqlite::operator=(SentenciaSqlite &&otra) noexcept
{
    if (this != &otra) {
        sqlite3_finalize(m_sentencia);
        m_base = std::exchange(otra.m_base, nullptr);
        m_sentencia = std::exchange(otra.m_sentencia, nullptr);
    }
    return *this;
}

bool SentenciaSqlite::enlazar(int parametro, const QString &texto)
{
    const QByteArray utf8 = texto.toUtf8();
    return sqlite3_bind_text64(m_sentencia, parametro, utf8.constData(),
                               static_cast<sqlite3_uint64>(utf8.size()), SQLITE_TRANSIENT,
                               SQLITE_UTF8) == SQLITE_OK;
}

bool SentenciaSqlite::enlazar(int parametro, double valor)
{
    return sqlite3_bind_double(m_sentencia, parametro, valor) == SQLITE_OK;
}

bool SentenciaSqlite::enlazar(int parametro, qint64 valor)
{
    return sqlite3_bind_int64(m_sentencia, parametro, valor) == SQLITE_OK;
}

bool SentenciaSqlite::enlazarnulo(int parametro)
{
    return sqlite3_bind_null(m_sentencia, parametro) == SQLITE_OK;
}

SentenciaSqlite::Paso SentenciaSqlite::paso()
{
    switch (sqlite3_step(m_sentencia)) {
    case SQLITE_ROW: return Paso::Fila;
    case SQLITE_DONE: return Paso::Fin;
    default: return Paso::Error;
    }
}

void SentenciaSqlite::reiniciar()
{
    sqlite3_reset(m_sentencia);
    sqlite3_clear_bindings(m_sentencia);
}

int SentenciaSqlite::columnas() const
{
    return sqlite3_column_count(m_sentencia);
}

SentenciaSqlite::TipoValor SentenciaSqlite::tipo(int columna) const
{
    switch (sqlite3_column_type(m_sentencia, columna)) {
    case SQLITE_INTEGER: return TipoValor::Entero;
    case SQLITE_FLOAT: return TipoValor::Real;
    case SQLITE_TEXT: return TipoValor::Texto;
    case SQLITE_BLOB: return TipoValor::Blob;
    default: return TipoValor::Nulo;
    }
}

double SentenciaSqlite::real(int columna) const
{
    return sqlite3_column_double(m_sentencia, columna);
}

QString SentenciaSqlite::texto(int columna) const
{
    const QByteArrayView v = textoutf8(columna);
    return QString::fromUtf8(v.data(), v.size());
}

QString SentenciaSqlite::error() const
{
    return m_base ? QString::fromUtf8(sqlite3_errmsg(m_base)) : QString();
}

QByteArrayView SentenciaSqlite::textoutf8(int columna) const
{
    const auto *letras = reinterpret_cast<const char *>(sqlite3_column_text(m_sentencia, columna));
    if (!letras)
        return {};
    return QByteArrayView(letras, sqlite3_column_bytes(m_sentencia, columna));
}

BaseSqlite::~BaseSqlite()
{
    cerrar();
}

bool BaseSqlite::abrir(const QString &fichero, Modo modo)
{
    cerrar();
    const int banderas = SQLITE_OPEN_NOMUTEX | (modo == Modo::Lectura
                                                     ? SQLITE_OPEN_READONLY
                                                     : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    // SQLite takes UTF-8 file names on every platform.
    const int rc = sqlite3_open_v2(fichero.toUtf8().constData(), &m_base, banderas, nullptr);
    if (rc != SQLITE_OK) {
        m_error = m_base ? QString::fromUtf8(sqlite3_errmsg(m_base))
                         : QString::fromUtf8(sqlite3_errstr(rc));
        cerrar();
        return false;
    }
    sqlite3_extended_result_codes(m_base, 1);
    m_error.clear();
    return true;
}

void BaseSqlite::cerrar()
{
    // Every statement is finalised by its owner before the connection goes; close_v2 also
    // copes with one that is not.
    sqlite3_close_v2(m_base);
    m_base = nullptr;
}

bool BaseSqlite::ejecutar(const char *sql)
{
    char *mensaje = nullptr;
    if (sqlite3_exec(m_base, sql, nullptr, nullptr, &mensaje) == SQLITE_OK)
        return true;
    m_error = mensaje ? QString::fromUtf8(mensaje) : QString::fromUtf8(sqlite3_errmsg(m_base));
    sqlite3_free(mensaje);
    return false;
}

SentenciaSqlite BaseSqlite::preparar(const char *sql)
{
    sqlite3_stmt *sentencia = nullptr;
    if (sqlite3_prepare_v2(m_base, sql, -1, &sentencia, nullptr) != SQLITE_OK) {
        m_error = QString::fromUtf8(sqlite3_errmsg(m_base));
        sqlite3_finalize(sentencia);
        return {};
    }
    return {m_base, sentencia};
}

QString BaseSqlite::error() const
{
    return m_error;
}

QString BaseSqlite::identificador(const QString &nombre)
{
    QString n = nombre;
    return QLatin1Char('"') + n.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}
