// A small RAII wrapper over the SQLite C API: one connection and its prepared statements.
#pragma once

#include <QByteArrayView>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

class SentenciaSqlite final {
public:
    enum class Paso {
        Fila,
        Fin,
        Error
    };
    enum class TipoValor {
        Entero,
        Real,
        Texto,
        Blob,
        Nulo
    };

    SentenciaSqlite() = default;
    SentenciaSqlite(sqlite3 *base, sqlite3_stmt *sentencia);
    ~SentenciaSqlite();
    SentenciaSqlite(SentenciaSqlite &&otra) noexcept;
    SentenciaSqlite &operator=(SentenciaSqlite &&otra) noexcept;
    Q_DISABLE_COPY(SentenciaSqlite)

    bool valida() const { return m_sentencia != nullptr; }
    // Parameters count from 1. Each returns false when SQLite refuses the value.
    bool enlazar(int parametro, const QString &texto);
    bool enlazar(int parametro, double valor);
    bool enlazar(int parametro, qint64 valor);
    bool enlazarnulo(int parametro);
    Paso paso();
    // Ready for the next set of parameters.
    void reiniciar();

    int columnas() const;
    TipoValor tipo(int columna) const;
    double real(int columna) const;
    QString texto(int columna) const;
    QByteArrayView textoutf8(int columna) const;
    // SQLite's message for the last failed call on this connection.
    QString error() const;

private:
    sqlite3 *m_base = nullptr;
    sqlite3_stmt *m_sentencia = nullptr;
};

class BaseSqlite final {
public:
    enum class Modo {
        Lectura,  // an existing file, read only
        Escritura // read and write, created when missing
    };

    BaseSqlite() = default;
    ~BaseSqlite();
    Q_DISABLE_COPY_MOVE(BaseSqlite)

    // On failure error() holds SQLite's message. A connection serves one thread, so SQLite's
    // own locking is left out.
    bool abrir(const QString &fichero, Modo modo);
    void cerrar();
    bool abierta() const { return m_base != nullptr; }
    // Runs statements without parameters.
    bool ejecutar(const char *sql);
    // An invalid statement on failure (see error()).
    SentenciaSqlite preparar(const char *sql);
    QString error() const;

    // A table or column name quoted for SQL text ("" doubles a quote). Only names read from a
    // file's own schema are written into SQL this way; values are always bound.
    static QString identificador(const QString &nombre);

private:
    sqlite3 *m_base = nullptr;
    QString m_error;
};
