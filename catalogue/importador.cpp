#include "importador.h"

#include "almacenlineas.h"
#include "basesqlite.h"
#include "tablaaccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>
#include <variant>
#include <vector>

namespace importador {

namespace {

enum class Afinidad {
    Entero,
    Real,
    Texto
};

struct ColumnaDestino {
    QString nombre;
    Afinidad afinidad = Afinidad::Texto;
};

using Valor = std::variant<std::monostate, double, qint64, QString>;

std::filesystem::path ruta(const QString &fichero)
{
    return std::filesystem::path(fichero.toStdU16String());
}

// Builds the store under a temporary name and renames it over the destination at the end.
class EscritorSqlite final {
public:
    explicit EscritorSqlite(QString destino)
        : m_destino(std::move(destino))
    {
    }
    ~EscritorSqlite() { descartar(); }
    Q_DISABLE_COPY_MOVE(EscritorSqlite)

    QString empezar(const std::vector<ColumnaDestino> &columnas)
    {
        const QFileInfo info(m_destino);
        QTemporaryFile temporal(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                                QStringLiteral(".XXXXXX"));
        temporal.setAutoRemove(false);
        if (!temporal.open())
            return QStringLiteral("%1: cannot create a file there (%2)")
                .arg(m_destino, temporal.errorString());
        m_temporal = temporal.fileName();
        temporal.close();
        if (!m_base.abrir(m_temporal, BaseSqlite::Modo::Escritura))
            return fallo(m_base.error());

        QStringList definiciones;
        QStringList marcas;
        for (const ColumnaDestino &c : columnas) {
            QString d = BaseSqlite::identificador(c.nombre);
            switch (c.afinidad) {
            case Afinidad::Entero: d += QStringLiteral(" INTEGER"); break;
            case Afinidad::Real: d += QStringLiteral(" REAL"); break;
            case Afinidad::Texto: d += QStringLiteral(" TEXT"); break;
            }
            if (c.nombre.compare(QLatin1String("Elemento"), Qt::CaseInsensitive) == 0 ||
                c.nombre.compare(QLatin1String("Tipo"), Qt::CaseInsensitive) == 0)
                d += QStringLiteral(" COLLATE NOCASE");
            definiciones.append(d);
            marcas.append(QStringLiteral("?"));
        }
        const QByteArray crear =
            QStringLiteral("CREATE TABLE tabla (%1)").arg(definiciones.join(QStringLiteral(", "))).toUtf8();
        const QByteArray insertar =
            QStringLiteral("INSERT INTO tabla VALUES (%1)").arg(marcas.join(QStringLiteral(", "))).toUtf8();
        if (!m_base.ejecutar(crear.constData()) || !m_base.ejecutar("BEGIN"))
            return fallo(m_base.error());
        m_insertar = m_base.preparar(insertar.constData());
        if (!m_insertar.valida())
            return fallo(m_base.error());
        return {};
    }

    QString fila(const std::vector<Valor> &valores)
    {
        for (std::size_t i = 0; i < valores.size(); ++i) {
            const int p = static_cast<int>(i) + 1;
            const Valor &v = valores[i];
            bool ok = true;
            if (const auto *d = std::get_if<double>(&v))
                ok = m_insertar.enlazar(p, *d);
            else if (const auto *e = std::get_if<qint64>(&v))
                ok = m_insertar.enlazar(p, *e);
            else if (const auto *t = std::get_if<QString>(&v))
                ok = m_insertar.enlazar(p, *t);
            else
                ok = m_insertar.enlazarnulo(p);
            if (!ok)
                return fallo(m_insertar.error());
        }
        if (m_insertar.paso() != SentenciaSqlite::Paso::Fin)
            return fallo(m_insertar.error());
        m_insertar.reiniciar();
        ++m_filas;
        return {};
    }

    QString terminar()
    {
        m_insertar = SentenciaSqlite();
        // Built after the rows, which is faster than keeping it up to date row by row.
        if (!m_base.ejecutar("CREATE INDEX especie ON tabla (Elemento COLLATE NOCASE, "
                             "Tipo COLLATE NOCASE)") ||
            !m_base.ejecutar("COMMIT"))
            return fallo(m_base.error());
        m_base.cerrar();
        // The temporary file was made private to its owner; the store is an ordinary file.
        QFile::setPermissions(m_temporal, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                              QFile::ReadOther);
        std::error_code ec;
        std::filesystem::rename(ruta(m_temporal), ruta(m_destino), ec);
        if (ec)
            return fallo(QString::fromLocal8Bit(ec.message()));
        m_temporal.clear();
        return {};
    }

    qint64 filas() const { return m_filas; }

private:
    QString fallo(const QString &causa)
    {
        descartar();
        return QStringLiteral("%1: cannot be written (%2)").arg(m_destino, causa);
    }

    void descartar()
    {
        m_insertar = SentenciaSqlite();
        m_base.cerrar();
        if (!m_temporal.isEmpty()) {
            QFile::remove(m_temporal);
            QFile::remove(m_temporal + QStringLiteral("-journal"));
            m_temporal.clear();
        }
    }

    QString m_destino;
    QString m_temporal;
    BaseSqlite m_base;
    SentenciaSqlite m_insertar;
    qint64 m_filas = 0;
};

ResultadoImportacion terminarcon(EscritorSqlite &escritor, ResultadoImportacion r)
{
    if (r.error.isEmpty())
        r.error = escritor.terminar();
    r.filas = r.error.isEmpty() ? escritor.filas() : 0;
    return r;
}

// ---- CSV ----

struct ColumnaCsv {
    const char *cabecera;
    const char *nombre;
    Afinidad afinidad;
};

constexpr ColumnaCsv columnascsv[] = {
    {"wavelength_nm", "Longitud", Afinidad::Real}, {"element", "Elemento", Afinidad::Texto},
    {"stage", "Tipo", Afinidad::Texto},            {"intensity", "Intensidad", Afinidad::Real},
    {"aki", "Aki", Afinidad::Real},                {"source", "Fuente", Afinidad::Texto}};

std::optional<double> leerdecimal(QByteArrayView campo)
{
    double v = 0;
    const auto r = std::from_chars(campo.data(), campo.data() + campo.size(), v);
    if (r.ec != std::errc() || r.ptr != campo.data() + campo.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QList<QByteArrayView> partir(QByteArrayView linea)
{
    QList<QByteArrayView> campos;
    qsizetype desde = 0;
    for (qsizetype i = 0; i <= linea.size(); ++i) {
        if (i == linea.size() || linea[i] == ',') {
            campos.append(linea.sliced(desde, i - desde));
            desde = i + 1;
        }
    }
    return campos;
}

QByteArrayView sinfinal(QByteArrayView linea)
{
    while (!linea.isEmpty() && (linea.back() == '\n' || linea.back() == '\r'))
        linea.chop(1);
    return linea;
}

} // namespace

ResultadoImportacion importaraccess(const QString &origen, const QString &destino)
{
    ResultadoImportacion r;
    // Same checks as the program's own opening: number first, Elemento and Tipo as text, every
    // row readable.
    if (AperturaAlmacen a = abriraccess(origen); !a.almacen) {
        r.error = a.error;
        return r;
    }
    TablaAccess::Apertura a = TablaAccess::abrir(origen, QStringLiteral("tabla"));
    if (!a.tabla) {
        r.error = a.error;
        return r;
    }
    TablaAccess &tabla = *a.tabla;
    std::vector<int> fuente;
    std::vector<ColumnaDestino> destinos;
    for (std::size_t i = 0; i < tabla.columnas().size(); ++i) {
        const TablaAccess::Columna &c = tabla.columnas()[i];
        Afinidad af = Afinidad::Texto;
        switch (c.tipo) {
        case TablaAccess::TipoColumna::Entero: af = Afinidad::Entero; break;
        case TablaAccess::TipoColumna::Real: af = Afinidad::Real; break;
        case TablaAccess::TipoColumna::Texto:
            af = Afinidad::Texto;
            tabla.leertexto(static_cast<int>(i));
            break;
        case TablaAccess::TipoColumna::Otro:
            r.avisos.append(QStringLiteral("column `%1` (%2) is not copied").arg(c.nombre, c.nombretipo));
            continue;
        }
        fuente.push_back(static_cast<int>(i));
        destinos.push_back({c.nombre, i == 0 ? Afinidad::Real : af});
    }

    EscritorSqlite escritor(destino);
    r.error = escritor.empezar(destinos);
    std::vector<Valor> valores(destinos.size());
    while (r.error.isEmpty() && tabla.siguiente()) {
        for (std::size_t k = 0; k < fuente.size(); ++k) {
            const int i = fuente[k];
            if (tabla.vacio(i)) {
                valores[k] = std::monostate();
            } else if (destinos[k].afinidad == Afinidad::Texto) {
                const QByteArrayView t = tabla.textoutf8(i);
                valores[k] = QString::fromUtf8(t.data(), t.size());
            } else {
                const std::optional<double> n = tabla.numero(i);
                if (!n)
                    valores[k] = std::monostate();
                else if (destinos[k].afinidad == Afinidad::Entero)
                    valores[k] = static_cast<qint64>(*n);
                else
                    valores[k] = *n;
            }
        }
        if (!tabla.error().isEmpty())
            break;
        r.error = escritor.fila(valores);
    }
    if (r.error.isEmpty())
        r.error = tabla.error();
    return terminarcon(escritor, std::move(r));
}

ResultadoImportacion importarcsv(const QString &origen, const QString &destino)
{
    ResultadoImportacion r;
    QFile f(origen);
    if (!f.open(QIODevice::ReadOnly)) {
        r.error = QStringLiteral("%1: cannot be read (%2)").arg(origen, f.errorString());
        return r;
    }
    QByteArray cabecera = f.readLine();
    if (cabecera.startsWith("\xEF\xBB\xBF"))
        cabecera.remove(0, 3);
    const QList<QByteArrayView> nombres = partir(sinfinal(cabecera));

    // Source column for each destination column; the wavelength goes first.
    std::vector<int> fuente;
    std::vector<ColumnaDestino> destinos;
    std::vector<int> posiciones(std::size(columnascsv), -1);
    for (qsizetype i = 0; i < nombres.size(); ++i) {
        for (std::size_t k = 0; k < std::size(columnascsv); ++k) {
            if (nombres[i] == QByteArrayView(columnascsv[k].cabecera))
                posiciones[k] = static_cast<int>(i);
        }
    }
    for (std::size_t k = 0; k < 3; ++k) {
        if (posiciones[k] < 0) {
            r.error = QStringLiteral("%1: the header has no column `%2` (expected %3)")
                          .arg(origen, QLatin1String(columnascsv[k].cabecera),
                               QStringLiteral("wavelength_nm,element,stage,intensity,aki,source"));
            return r;
        }
    }
    fuente.push_back(posiciones[0]);
    destinos.push_back({QStringLiteral("Longitud"), Afinidad::Real});
    for (qsizetype i = 0; i < nombres.size(); ++i) {
        if (i == posiciones[0])
            continue;
        ColumnaDestino c{QString::fromUtf8(nombres[i].data(), nombres[i].size()), Afinidad::Texto};
        for (std::size_t k = 1; k < std::size(columnascsv); ++k) {
            if (posiciones[k] == i)
                c = {QLatin1String(columnascsv[k].nombre), columnascsv[k].afinidad};
        }
        for (const ColumnaDestino &otra : destinos) {
            if (c.nombre.isEmpty() || otra.nombre.compare(c.nombre, Qt::CaseInsensitive) == 0) {
                r.error = QStringLiteral("%1: the header has an empty or repeated column `%2`")
                              .arg(origen, c.nombre);
                return r;
            }
        }
        fuente.push_back(static_cast<int>(i));
        destinos.push_back(c);
    }

    EscritorSqlite escritor(destino);
    r.error = escritor.empezar(destinos);
    std::vector<Valor> valores(destinos.size());
    qint64 numerolinea = 1;
    while (r.error.isEmpty() && !f.atEnd()) {
        const QByteArray bruta = f.readLine();
        ++numerolinea;
        const QByteArrayView linea = sinfinal(bruta);
        if (linea.isEmpty())
            continue;
        const QList<QByteArrayView> campos = partir(linea);
        if (campos.size() != nombres.size()) {
            r.error = QStringLiteral("%1: line %2 has %3 fields, the header %4")
                          .arg(origen)
                          .arg(numerolinea)
                          .arg(campos.size())
                          .arg(nombres.size());
            break;
        }
        for (std::size_t k = 0; k < fuente.size() && r.error.isEmpty(); ++k) {
            const QByteArrayView campo = campos[fuente[k]];
            if (campo.isEmpty()) {
                if (k == 0)
                    r.error = QStringLiteral("%1: line %2 has no wavelength").arg(origen).arg(numerolinea);
                valores[k] = std::monostate();
            } else if (destinos[k].afinidad == Afinidad::Real) {
                const std::optional<double> v = leerdecimal(campo);
                if (!v)
                    r.error = QStringLiteral("%1: line %2: `%3` is not a number")
                                  .arg(origen)
                                  .arg(numerolinea)
                                  .arg(QString::fromUtf8(campo.data(), campo.size()));
                else
                    valores[k] = *v;
            } else {
                valores[k] = QString::fromUtf8(campo.data(), campo.size());
            }
        }
        if (r.error.isEmpty())
            r.error = escritor.fila(valores);
    }
    if (r.error.isEmpty() && f.error() != QFileDevice::NoError)
        r.error = QStringLiteral("%1: read error (%2)").arg(origen, f.errorString());
    return terminarcon(escritor, std::move(r));
}

ResultadoImportacion importar(const QString &origen, const QString &destino)
{
    const QString extension = QFileInfo(origen).suffix();
    if (extension.compare(QLatin1String("mdb"), Qt::CaseInsensitive) == 0 ||
        extension.compare(QLatin1String("accdb"), Qt::CaseInsensitive) == 0)
        return importaraccess(origen, destino);
    return importarcsv(origen, destino);
}

} // namespace importador
