#include "tablalineas.h"

#include "formatonumero.h"
#include "irisdal.h"

namespace {

constexpr int columnas = 4;
constexpr int decimaleslongitud = 5;
constexpr int decimalesfrecuencia = 3;

} // namespace

TablaLineas::TablaLineas(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void TablaLineas::formatearrejilla(const std::vector<double> &longitudes, const QString &cadena21,
                                   const QString &cadena22, const QString &cadena23,
                                   const QLocale &locale)
{
    using formatonumero::valormostrado;
    beginResetModel();
    m_lineas.clear();
    m_lineas.reserve(longitudes.size());
    for (const double bruta : longitudes) {
        // Frequency and wavenumber come from the wavelength as column 1 shows it.
        const double londa = valormostrado(bruta, decimaleslongitud);
        m_lineas.push_back({londa,
                            valormostrado(irisdal::londafreq(londa), decimalesfrecuencia),
                            valormostrado(irisdal::londacm(londa), decimalesfrecuencia)});
    }
    m_cabeceras[0] = QString();
    m_cabeceras[1] = cadena21 + QStringLiteral("\r(nm)");
    m_cabeceras[2] = cadena22 + QStringLiteral("\r(THz)");
    m_cabeceras[3] = cadena23 + QStringLiteral("  \r(cm-1)  ");
    m_locale = locale;
    endResetModel();
}

int TablaLineas::numerolineas() const
{
    return static_cast<int>(m_lineas.size());
}

double TablaLineas::longitud(int fila) const
{
    return fila >= 1 && fila <= numerolineas() ? m_lineas[static_cast<std::size_t>(fila - 1)].longitud
                                               : 0.0;
}

double TablaLineas::frecuencia(int fila) const
{
    return fila >= 1 && fila <= numerolineas()
               ? m_lineas[static_cast<std::size_t>(fila - 1)].frecuencia
               : 0.0;
}

int TablaLineas::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : numerolineas();
}

int TablaLineas::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columnas;
}

QVariant TablaLineas::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || index.row() >= numerolineas() ||
        index.column() >= columnas)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return texto(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant TablaLineas::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The row numbers live in column 0, so there is no vertical header text.
    if (orientation != Qt::Horizontal || section < 0 || section >= columnas)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_cabeceras[static_cast<std::size_t>(section)];
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

// Formatting happens here, for the cells a view asks for, not for every row on each query.
QString TablaLineas::texto(int fila, int columna) const
{
    const Linea &l = m_lineas[static_cast<std::size_t>(fila)];
    switch (columna) {
    case 0:
        return QString::number(fila + 1);
    case 1:
        return formatonumero::formatodecimal(l.longitud, decimaleslongitud, m_locale);
    case 2:
        return formatonumero::formatodecimal(l.frecuencia, decimalesfrecuencia, m_locale);
    default:
        return formatonumero::formatodecimal(l.numeroonda, decimalesfrecuencia, m_locale);
    }
}
