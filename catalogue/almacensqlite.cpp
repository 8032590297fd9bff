// The line store converted to SQLite: bound parameters, a case-insensitive index.
#include "almacenlineas.h"

#include "basesqlite.h"
#include "listas.h"

#include <QFileInfo>

namespace {

// COLLATE NOCASE makes the equality ignore letter case (as Access does) and lets SQLite use the
// importer's index on (Elemento, Tipo); the rows keep the source order through the rowid. Only
// the first column is read: decoding all of them would double the time of a large species.
QByteArray consultaespecie(const QString &primeracolumna)
{
    return QStringLiteral("SELECT %1 FROM tabla WHERE Elemento = ?1 COLLATE NOCASE AND "
                          "Tipo = ?2 COLLATE NOCASE ORDER BY rowid")
        .arg(BaseSqlite::identificador(primeracolumna))
        .toUtf8();
}

bool esnumero(SentenciaSqlite::TipoValor tipo)
{
    return tipo == SentenciaSqlite::TipoValor::Real || tipo == SentenciaSqlite::TipoValor::Entero;
}

QString abrirbase(BaseSqlite &base, const QString &fichero)
{
    const QFileInfo info(fichero);
    if (!info.exists())
        return QStringLiteral("%1: the file does not exist").arg(fichero);
    if (!info.isFile())
        return QStringLiteral("%1: not a file").arg(fichero);
    if (!base.abrir(fichero, BaseSqlite::Modo::Lectura))
        return QStringLiteral("%1: cannot be opened (%2)").arg(fichero, base.error());
    // A fresh connection has an empty page cache; reading through a mapping instead of copying
    // pages in takes a third off a large species. Without it SQLite reads as usual.
    base.ejecutar("PRAGMA mmap_size = 268435456");
    return {};
}

// Column names of `tabla`; empty with an error when the file is no database or has no such table.
QString leercolumnas(BaseSqlite &base, const QString &fichero, QStringList &columnas)
{
    SentenciaSqlite info = base.preparar("PRAGMA table_info(tabla)");
    if (!info.valida())
        return QStringLiteral("%1: not a readable SQLite database (%2)").arg(fichero, base.error());
    SentenciaSqlite::Paso paso;
    while ((paso = info.paso()) == SentenciaSqlite::Paso::Fila)
        columnas.append(info.texto(1));
    if (paso == SentenciaSqlite::Paso::Error)
        return QStringLiteral("%1: not a readable SQLite database (%2)").arg(fichero, info.error());
    if (columnas.isEmpty())
        return QStringLiteral("%1: the database has no table `tabla`").arg(fichero);
    for (const char *nombre : {"Elemento", "Tipo"}) {
        if (!columnas.contains(QLatin1String(nombre), Qt::CaseInsensitive))
            return QStringLiteral("%1: table `tabla` has no column `%2`")
                .arg(fichero, QLatin1String(nombre));
    }
    return {};
}

QString errorprimeracolumna(const QString &fichero, const QString &columna,
                            SentenciaSqlite::TipoValor tipo)
{
    const QString lleva = tipo == SentenciaSqlite::TipoValor::Nulo ? QStringLiteral("an empty cell")
                          : tipo == SentenciaSqlite::TipoValor::Texto ? QStringLiteral("text")
                                                                      : QStringLiteral("binary data");
    return QStringLiteral("%1: the first column `%2` of table `tabla` holds %3, not a wavelength")
        .arg(fichero, columna, lleva);
}

class AlmacenSqlite final : public AlmacenLineas {
public:
    AlmacenSqlite(QString fichero, QString primeracolumna, int etapamaxima)
        : AlmacenLineas(std::move(fichero), etapamaxima)
        , m_primeracolumna(std::move(primeracolumna))
        , m_consulta(consultaespecie(m_primeracolumna))
    {
    }

    // Opened per query like every other file of the program: with the mapping this costs about
    // 0.3 ms more than a connection kept open (3.2 against 2.9 ms for Th I).
    ResultadoConsulta consultar(const QString &elemento, const QString &tipo) const override
    {
        ResultadoConsulta resultado;
        BaseSqlite base;
        resultado.error = abrirbase(base, fichero());
        if (!resultado.error.isEmpty())
            return resultado;
        SentenciaSqlite consulta = base.preparar(m_consulta.constData());
        if (!consulta.valida() || !consulta.enlazar(1, elemento) || !consulta.enlazar(2, tipo)) {
            resultado.error =
                QStringLiteral("%1: the species query fails (%2)").arg(fichero(), base.error());
            return resultado;
        }
        SentenciaSqlite::Paso paso;
        while ((paso = consulta.paso()) == SentenciaSqlite::Paso::Fila) {
            const SentenciaSqlite::TipoValor t = consulta.tipo(0);
            if (!esnumero(t)) {
                resultado.error = errorprimeracolumna(fichero(), m_primeracolumna, t);
                break;
            }
            resultado.longitudes.push_back(consulta.real(0));
        }
        if (paso == SentenciaSqlite::Paso::Error)
            resultado.error =
                QStringLiteral("%1: the species query fails (%2)").arg(fichero(), consulta.error());
        if (!resultado.error.isEmpty())
            resultado.longitudes.clear();
        return resultado;
    }

private:
    QString m_primeracolumna;
    QByteArray m_consulta;
};

} // namespace

AperturaAlmacen abrirsqlite(const QString &fichero)
{
    BaseSqlite base;
    if (QString error = abrirbase(base, fichero); !error.isEmpty())
        return {nullptr, error};
    QStringList columnas;
    if (QString error = leercolumnas(base, fichero, columnas); !error.isEmpty())
        return {nullptr, error};

    // One full scan: every page of the table must be readable (a truncated file fails here)
    // and every first value a number; it also finds the highest stage.
    int columnatipo = 0;
    for (int i = 0; i < columnas.size(); ++i) {
        if (columnas.at(i).compare(QLatin1String("Tipo"), Qt::CaseInsensitive) == 0)
            columnatipo = i;
    }
    const QByteArray sql = QStringLiteral("SELECT %1, %2 FROM tabla")
                               .arg(BaseSqlite::identificador(columnas.first()),
                                    BaseSqlite::identificador(columnas.at(columnatipo)))
                               .toUtf8();
    SentenciaSqlite todas = base.preparar(sql.constData());
    if (!todas.valida())
        return {nullptr, QStringLiteral("%1: table `tabla` cannot be read (%2)").arg(fichero, base.error())};
    int maxima = 0;
    QByteArray ultimo;
    SentenciaSqlite::Paso paso;
    while ((paso = todas.paso()) == SentenciaSqlite::Paso::Fila) {
        if (const SentenciaSqlite::TipoValor t = todas.tipo(0); !esnumero(t))
            return {nullptr, errorprimeracolumna(fichero, columnas.first(), t)};
        const QByteArrayView tipo = todas.textoutf8(1);
        if (tipo == QByteArrayView(ultimo))
            continue; // rows come grouped by species
        ultimo = tipo.toByteArray();
        maxima = std::max(maxima, listas::valorromano(QString::fromUtf8(ultimo)));
    }
    if (paso == SentenciaSqlite::Paso::Error)
        return {nullptr, QStringLiteral("%1: table `tabla` cannot be read (%2)").arg(fichero, todas.error())};
    return {std::make_unique<AlmacenSqlite>(fichero, columnas.first(), maxima), QString()};
}
