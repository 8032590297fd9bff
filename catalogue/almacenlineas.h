// The line store: one open catalogue file that answers the species query.
#pragma once

#include <QString>

#include <memory>
#include <vector>

struct ResultadoConsulta {
    std::vector<double> longitudes; // first column, nm, in the order the store returns the rows
    QString error;                  // empty on success; else a message naming the file and the cause
};

class AlmacenLineas {
public:
    virtual ~AlmacenLineas() = default;
    Q_DISABLE_COPY_MOVE(AlmacenLineas)

    // Rows whose Elemento and Tipo equal the texts, ignoring letter case.
    virtual ResultadoConsulta consultar(const QString &elemento, const QString &tipo) const = 0;
    // Highest stage number present in the store (e.g. 70); 0 if unknown or empty.
    int etapamaxima() const { return m_etapamaxima; }
    // Path of the open file.
    const QString &fichero() const { return m_fichero; }

protected:
    AlmacenLineas(QString fichero, int etapamaxima);

private:
    QString m_fichero;
    int m_etapamaxima = 0;
};

struct AperturaAlmacen {
    std::unique_ptr<AlmacenLineas> almacen;
    QString error;
};

// Opens lineasNist.mdb in `directorio` if it exists, else lineasNist.sqlite. When neither opens
// (missing, unreadable, not a database, no `tabla`, first column not numeric, truncated) `almacen`
// is null and `error` names the file and the cause. If the Access file is there but fails and the
// SQLite file opens, that store is returned and `error` says why the Access file was passed over.
AperturaAlmacen abriralmacen(const QString &directorio);
AperturaAlmacen abriraccess(const QString &fichero);
AperturaAlmacen abrirsqlite(const QString &fichero);
