#include "almacenprueba.h"

#include <sqlite3.h>

namespace almacenprueba {

QString crear(const QString &fichero, const std::vector<Fila> &filas)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open(fichero.toUtf8().constData(), &db) != SQLITE_OK) {
        const QString error = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return error;
    }
    QString error;
    const char *esquema = "CREATE TABLE tabla (Longitud REAL, Elemento TEXT, Tipo TEXT);";
    sqlite3_stmt *insercion = nullptr;
    if (sqlite3_exec(db, esquema, nullptr, nullptr, nullptr) != SQLITE_OK
        || sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK
        || sqlite3_prepare_v2(db, "INSERT INTO tabla VALUES (?, ?, ?)", -1, &insercion, nullptr) != SQLITE_OK) {
        error = QString::fromUtf8(sqlite3_errmsg(db));
    } else {
        for (const Fila &f : filas) {
            const QByteArray elemento = f.elemento.toUtf8();
            const QByteArray tipo = f.tipo.toUtf8();
            sqlite3_bind_double(insercion, 1, f.longitud);
            sqlite3_bind_text(insercion, 2, elemento.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insercion, 3, tipo.constData(), -1, SQLITE_TRANSIENT);
            if (sqlite3_step(insercion) != SQLITE_DONE) {
                error = QString::fromUtf8(sqlite3_errmsg(db));
                break;
            }
            sqlite3_reset(insercion);
        }
        if (error.isEmpty() && sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
            error = QString::fromUtf8(sqlite3_errmsg(db));
    }
    sqlite3_finalize(insercion);
    sqlite3_close(db);
    return error;
}

} // namespace almacenprueba
