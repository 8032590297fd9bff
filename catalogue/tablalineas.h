// The line table: the grid's model and the one in-memory copy of the current result.
#pragma once

#include <QAbstractTableModel>
#include <QLocale>
#include <QString>

#include <array>
#include <vector>

class TablaLineas final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TablaLineas(QObject *parent = nullptr);

    // Replaces the contents with these wavelengths; column headers from strings 21, 22, 23.
    void formatearrejilla(const std::vector<double> &longitudes, const QString &cadena21,
                          const QString &cadena22, const QString &cadena23,
                          const QLocale &locale = QLocale());
    int numerolineas() const;
    // fila 1..n: exactly the number column 1 shows (five decimals); 0 outside 1..n.
    double longitud(int fila) const;
    // fila 1..n: exactly the number column 2 shows (three decimals); 0 outside 1..n.
    double frecuencia(int fila) const;

    // Four columns, rows 1..n as model rows 0..n-1 (the grid's header row is the horizontal
    // header); text centred; formatted in the locale of the last formatearrejilla.
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Linea {
        double longitud = 0;   // as shown: five decimals
        double frecuencia = 0; // as shown: three decimals
        double numeroonda = 0; // as shown: three decimals
    };

    QString texto(int fila, int columna) const;

    std::vector<Linea> m_lineas;
    std::array<QString, 4> m_cabeceras;
    QLocale m_locale;
};
