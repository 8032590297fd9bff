// Read-only cursor over one table of an Access (Jet 3/4) file, through libmdb.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

class TablaAccess final {
public:
    enum class TipoColumna {
        Entero,
        Real,
        Texto,
        Otro
    };
    struct Columna {
        QString nombre;
        TipoColumna tipo = TipoColumna::Otro;
        QString nombretipo; // the Access type, for messages
    };
    struct Apertura {
        std::unique_ptr<TablaAccess> tabla;
        QString error;
    };

    // Checks the file (header, whole pages) before libmdb reads it, then finds the table,
    // whose name compares without regard to letter case.
    static Apertura abrir(const QString &fichero, const QString &nombretabla);
    ~TablaAccess();
    Q_DISABLE_COPY_MOVE(TablaAccess)

    QString fichero() const;
    const std::vector<Columna> &columnas() const;
    // Index of the column of that name, any letter case; -1 when absent.
    int indice(const QString &nombre) const;
    // Asks libmdb for the text of a Texto column (any file version, Memo too); call before the
    // first siguiente().
    void leertexto(int columna);
    // Whether textodirecto() can read this column: a Text column of a Jet 4 or later file.
    bool admitedirecto(int columna) const;

    // Moves to the next row; false at the end or when the file turns out damaged (see error()).
    bool siguiente();
    // After siguiente() returned false: empty when every row the table declares was read, else
    // the cause (a truncated or damaged file).
    QString error() const;
    // NULL, or empty text: libmdb does not tell them apart.
    bool vacio(int columna) const;
    // Value of an Entero or Real column read from the row's bytes; nullopt when empty. A value
    // whose size does not fit its type marks the file damaged.
    std::optional<double> numero(int columna);
    // UTF-8 text of a column passed to leertexto().
    QByteArrayView textoutf8(int columna) const;
    // Text decoded straight from the row's bytes, without libmdb's conversion (which costs
    // most of a scan); only for columns where admitedirecto() holds. Valid until the next row.
    QStringView textodirecto(int columna);

private:
    struct Privado;
    explicit TablaAccess(std::unique_ptr<Privado> privado);

    std::unique_ptr<Privado> d;
};
