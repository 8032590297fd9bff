// The line store read from the Access file `tabla`, filtered row by row.
#include "almacenlineas.h"

#include "listas.h"
#include "tablaaccess.h"

namespace {

const QString nombretabla = QStringLiteral("tabla");

struct Indices {
    int elemento = -1;
    int tipo = -1;
};

// The table must have a number first and the two text columns the query compares.
QString validar(const TablaAccess &tabla, Indices &indices)
{
    const auto &columnas = tabla.columnas();
    const TablaAccess::Columna &primera = columnas.front();
    if (primera.tipo != TablaAccess::TipoColumna::Real &&
        primera.tipo != TablaAccess::TipoColumna::Entero)
        return QStringLiteral("%1: the first column `%2` of table `tabla` is %3, not a number")
            .arg(tabla.fichero(), primera.nombre, primera.nombretipo);
    indices.elemento = tabla.indice(QStringLiteral("Elemento"));
    indices.tipo = tabla.indice(QStringLiteral("Tipo"));
    for (const auto &[indice, nombre] : {std::pair{indices.elemento, "Elemento"},
                                         std::pair{indices.tipo, "Tipo"}}) {
        if (indice < 0)
            return QStringLiteral("%1: table `tabla` has no column `%2`")
                .arg(tabla.fichero(), QLatin1String(nombre));
        if (columnas[static_cast<std::size_t>(indice)].tipo != TablaAccess::TipoColumna::Texto)
            return QStringLiteral("%1: column `%2` of table `tabla` is %3, not text")
                .arg(tabla.fichero(), QLatin1String(nombre),
                     columnas[static_cast<std::size_t>(indice)].nombretipo);
    }
    return {};
}

bool esascii(char16_t c)
{
    return c < 0x80;
}

char16_t asciiminuscula(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
}

// One side of the species comparison: the typed text, ready for a fast ASCII compare.
class Clave {
public:
    explicit Clave(const QString &texto)
        : m_texto(texto)
    {
        for (const QChar c : m_texto)
            m_ascii = m_ascii && esascii(c.unicode());
    }

    bool vacia() const { return m_texto.isEmpty(); }

    // Equal without regard to letter case, as the Access engine compares text.
    bool igual(QStringView fila) const
    {
        if (m_ascii) {
            if (fila.size() != m_texto.size())
                return false;
            for (qsizetype i = 0; i < fila.size(); ++i) {
                const char16_t f = fila[i].unicode();
                if (!esascii(f))
                    return completa(fila);
                if (asciiminuscula(f) != asciiminuscula(m_texto[i].unicode()))
                    return false;
            }
            return true;
        }
        return completa(fila);
    }

private:
    // Full Unicode case folding, for the rare text outside ASCII (a folded character may even
    // change the length).
    bool completa(QStringView fila) const
    {
        return fila.compare(m_texto, Qt::CaseInsensitive) == 0;
    }

    QString m_texto;
    bool m_ascii = true;
};

// Reads one text column the fast way where the file allows it, else through libmdb.
class LectorTexto {
public:
    LectorTexto(TablaAccess &tabla, int columna)
        : m_columna(columna)
        , m_directo(tabla.admitedirecto(columna))
    {
        if (!m_directo)
            tabla.leertexto(columna);
    }

    QStringView texto(TablaAccess &tabla)
    {
        if (m_directo)
            return tabla.textodirecto(m_columna);
        const QByteArrayView utf8 = tabla.textoutf8(m_columna);
        m_convertido = QString::fromUtf8(utf8.data(), utf8.size());
        return m_convertido;
    }

private:
    int m_columna;
    bool m_directo;
    QString m_convertido;
};

class AlmacenAccess final : public AlmacenLineas {
public:
    AlmacenAccess(QString fichero, int etapamaxima)
        : AlmacenLineas(std::move(fichero), etapamaxima)
    {
    }

    // The file is opened for each query and closed after it, as every file of the program is.
    // Opening costs about 0.1 ms next to the 45-55 ms full scan (there are no indexes), so
    // keeping the handle open would gain nothing worth a file held open.
    ResultadoConsulta consultar(const QString &elemento, const QString &tipo) const override
    {
        ResultadoConsulta resultado;
        const Clave claveelemento(elemento);
        const Clave clavetipo(tipo);
        TablaAccess::Apertura a = TablaAccess::abrir(fichero(), nombretabla);
        if (!a.tabla) {
            resultado.error = a.error;
            return resultado;
        }
        Indices indices;
        if (QString error = validar(*a.tabla, indices); !error.isEmpty()) {
            resultado.error = error;
            return resultado;
        }
        // NULL and empty text look alike in libmdb; an empty text matches no row, as Access's
        // '' matches no NULL cell.
        if (claveelemento.vacia() || clavetipo.vacia())
            return resultado;
        TablaAccess &tabla = *a.tabla;
        LectorTexto lectorelemento(tabla, indices.elemento);
        LectorTexto lectortipo(tabla, indices.tipo);
        while (tabla.siguiente()) {
            if (!claveelemento.igual(lectorelemento.texto(tabla)) ||
                !clavetipo.igual(lectortipo.texto(tabla)))
                continue;
            const std::optional<double> londa = tabla.numero(0);
            if (!londa) {
                if (tabla.error().isEmpty())
                    resultado.error = QStringLiteral("%1: a line of %2 %3 has no wavelength")
                                          .arg(fichero(), elemento, tipo);
                break;
            }
            resultado.longitudes.push_back(*londa);
        }
        if (resultado.error.isEmpty())
            resultado.error = tabla.error();
        if (!resultado.error.isEmpty())
            resultado.longitudes.clear();
        return resultado;
    }

};

} // namespace

AperturaAlmacen abriraccess(const QString &fichero)
{
    TablaAccess::Apertura a = TablaAccess::abrir(fichero, nombretabla);
    if (!a.tabla)
        return {nullptr, a.error};
    Indices indices;
    if (QString error = validar(*a.tabla, indices); !error.isEmpty())
        return {nullptr, error};

    // One full scan: it proves every row can be read (a truncated file stops early) and finds
    // the highest stage the stage list should offer.
    TablaAccess &tabla = *a.tabla;
    LectorTexto lectortipo(tabla, indices.tipo);
    int maxima = 0;
    QString ultimo;
    while (tabla.siguiente()) {
        tabla.numero(0); // a value of the wrong size marks the file damaged
        const QStringView tipo = lectortipo.texto(tabla);
        if (tipo == ultimo)
            continue; // rows come grouped by species
        ultimo = tipo.toString();
        maxima = std::max(maxima, listas::valorromano(ultimo));
    }
    if (!tabla.error().isEmpty())
        return {nullptr, tabla.error()};
    return {std::make_unique<AlmacenAccess>(fichero, maxima), QString()};
}
