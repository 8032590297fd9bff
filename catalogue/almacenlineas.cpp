#include "almacenlineas.h"

#include <QDir>
#include <QFileInfo>

AlmacenLineas::AlmacenLineas(QString fichero, int etapamaxima)
    : m_fichero(std::move(fichero))
    , m_etapamaxima(etapamaxima)
{
}

AperturaAlmacen abriralmacen(const QString &directorio)
{
    const QDir dir(directorio);
    const QString access = dir.filePath(QStringLiteral("lineasNist.mdb"));
    const QString sqlite = dir.filePath(QStringLiteral("lineasNist.sqlite"));
    const bool hayaccess = QFileInfo::exists(access);
    const bool haysqlite = QFileInfo::exists(sqlite);
    if (!hayaccess && !haysqlite)
        return {nullptr, QStringLiteral("%1: no line store (neither lineasNist.mdb nor "
                                        "lineasNist.sqlite is there)")
                             .arg(QDir::toNativeSeparators(directorio))};
    QString erroraccess;
    if (hayaccess) {
        AperturaAlmacen a = abriraccess(access);
        if (a.almacen || !haysqlite)
            return a;
        erroraccess = a.error;
    }
    AperturaAlmacen s = abrirsqlite(sqlite);
    // The Access file is there but broken: the converted store serves, and the note says why.
    if (!erroraccess.isEmpty())
        s.error = s.almacen ? QStringLiteral("%1; using %2 instead").arg(erroraccess, sqlite)
                            : QStringLiteral("%1; %2").arg(erroraccess, s.error);
    return s;
}
