#include "tablaaccess.h"

#include <QFile>
#include <QFileInfo>

#include <glib.h>
extern "C" {
#include <mdbtools.h>
}

#include <cstring>

namespace {

// A Jet file starts with 00 01 00 00 and "Standard Jet DB" (Access 97/2000/2003) or
// "Standard ACE DB" (2007 and later); the byte at 0x14 is the version. Jet 3 pages are 2048
// bytes, all later versions 4096.
constexpr qint64 longitudcabecera = 0x15;
constexpr int paginasminimas = 3;

QString comprobarcabecera(const QString &fichero, QFile &f, qint64 &tamanopagina)
{
    const QFileInfo info(fichero);
    if (!info.exists())
        return QStringLiteral("%1: the file does not exist").arg(fichero);
    if (!info.isFile())
        return QStringLiteral("%1: not a file").arg(fichero);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: cannot be read (%2)").arg(fichero, f.errorString());
    const QByteArray cabecera = f.read(longitudcabecera);
    if (cabecera.size() < longitudcabecera)
        return QStringLiteral("%1: not an Access database (the file is too short)").arg(fichero);
    static constexpr char marca[] = {0x00, 0x01, 0x00, 0x00};
    const bool jet = cabecera.mid(4, 15) == QByteArrayLiteral("Standard Jet DB") ||
                     cabecera.mid(4, 15) == QByteArrayLiteral("Standard ACE DB");
    if (std::memcmp(cabecera.constData(), marca, sizeof marca) != 0 || !jet)
        return QStringLiteral("%1: not an Access database (unknown file header)").arg(fichero);
    tamanopagina = cabecera.at(0x14) == 0 ? 2048 : 4096;
    const qint64 tamano = f.size();
    if (tamano % tamanopagina != 0 || tamano < paginasminimas * tamanopagina)
        return QStringLiteral("%1: the database is truncated (%2 bytes is not a whole number of "
                              "%3-byte pages)")
            .arg(fichero)
            .arg(tamano)
            .arg(tamanopagina);
    return {};
}

TablaAccess::TipoColumna clasificar(int tipo)
{
    switch (tipo) {
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return TablaAccess::TipoColumna::Entero;
    case MDB_FLOAT:
    case MDB_DOUBLE:
        return TablaAccess::TipoColumna::Real;
    case MDB_TEXT:
    case MDB_MEMO:
        return TablaAccess::TipoColumna::Texto;
    default:
        return TablaAccess::TipoColumna::Otro;
    }
}

QString nombretipo(int tipo)
{
    switch (tipo) {
    case MDB_BOOL: return QStringLiteral("Yes/No");
    case MDB_BYTE: return QStringLiteral("Byte");
    case MDB_INT: return QStringLiteral("Integer");
    case MDB_LONGINT: return QStringLiteral("Long Integer");
    case MDB_MONEY: return QStringLiteral("Currency");
    case MDB_FLOAT: return QStringLiteral("Single");
    case MDB_DOUBLE: return QStringLiteral("Double");
    case MDB_DATETIME: return QStringLiteral("Date/Time");
    case MDB_BINARY: return QStringLiteral("Binary");
    case MDB_TEXT: return QStringLiteral("Text");
    case MDB_OLE: return QStringLiteral("OLE Object");
    case MDB_MEMO: return QStringLiteral("Memo");
    case MDB_REPID: return QStringLiteral("Replication ID");
    case MDB_NUMERIC: return QStringLiteral("Decimal");
    default: return QStringLiteral("type %1").arg(tipo);
    }
}

// Bytes a number of this type takes in a row.
int tamanonumero(int tipo)
{
    switch (tipo) {
    case MDB_BYTE: return 1;
    case MDB_INT: return 2;
    case MDB_LONGINT:
    case MDB_FLOAT: return 4;
    case MDB_DOUBLE: return 8;
    default: return 0;
    }
}

} // namespace

struct TablaAccess::Privado {
    QString fichero;
    QFile archivo; // outlives the handle, which reads from its mapping
    MdbHandle *mdb = nullptr;
    MdbTableDef *tabla = nullptr;
    std::vector<MdbColumn *> mdbcolumnas;
    std::vector<Columna> columnas;
    // One bound buffer per column asked for; libmdb writes up to mdb->bind_size bytes.
    std::vector<std::vector<char>> buffers;
    std::vector<int> longitudes;
    std::vector<std::vector<char16_t>> directos;
    quint64 filasleidas = 0;
    QString error;
    bool terminado = false;

    ~Privado()
    {
        if (tabla)
            mdb_free_tabledef(tabla);
        if (mdb)
            mdb_close(mdb);
    }

    void danado(const QString &causa)
    {
        if (error.isEmpty())
            error = QStringLiteral("%1: the database is damaged (%2)").arg(fichero, causa);
        terminado = true;
    }
};

TablaAccess::TablaAccess(std::unique_ptr<Privado> privado)
    : d(std::move(privado))
{
}

TablaAccess::~TablaAccess() = default;

TablaAccess::Apertura TablaAccess::abrir(const QString &fichero, const QString &nombretabla)
{
    auto p = std::make_unique<Privado>();
    p->fichero = fichero;
    p->archivo.setFileName(fichero);
    qint64 tamanopagina = 0;
    if (QString error = comprobarcabecera(fichero, p->archivo, tamanopagina); !error.isEmpty())
        return {nullptr, error};

    // Reading pages from a mapping of the file spares libmdb four system calls per page, a
    // fifth of a full scan.
    const qint64 tamano = p->archivo.size();
    uchar *mapa = p->archivo.map(0, tamano);
    p->mdb = mapa ? mdb_open_buffer(mapa, static_cast<size_t>(tamano), MDB_NOFLAGS)
                  : mdb_open(QFile::encodeName(fichero).constData(), MDB_NOFLAGS);
    if (!p->mdb)
        return {nullptr, QStringLiteral("%1: the Access reader cannot open the database").arg(fichero)};
    if (p->mdb->fmt->pg_size != tamanopagina)
        return {nullptr, QStringLiteral("%1: unexpected page size").arg(fichero)};
    if (!mdb_read_catalog(p->mdb, MDB_TABLE) || !p->mdb->catalog)
        return {nullptr,
                QStringLiteral("%1: the list of tables cannot be read (damaged or truncated file)")
                    .arg(fichero)};

    const QByteArray buscado = nombretabla.toUtf8();
    MdbCatalogEntry *entrada = nullptr;
    for (guint i = 0; i < p->mdb->catalog->len && !entrada; ++i) {
        auto *e = static_cast<MdbCatalogEntry *>(g_ptr_array_index(p->mdb->catalog, i));
        if (e && e->object_type == MDB_TABLE &&
            g_ascii_strcasecmp(e->object_name, buscado.constData()) == 0)
            entrada = e;
    }
    if (!entrada)
        return {nullptr, QStringLiteral("%1: the database has no table `%2`").arg(fichero, nombretabla)};

    p->tabla = mdb_read_table(entrada);
    if (!p->tabla || !mdb_read_columns(p->tabla) || !p->tabla->columns)
        return {nullptr, QStringLiteral("%1: the definition of table `%2` cannot be read (damaged or "
                                        "truncated file)")
                             .arg(fichero, nombretabla)};
    if (p->tabla->num_cols == 0 || p->tabla->columns->len != p->tabla->num_cols)
        return {nullptr,
                QStringLiteral("%1: table `%2` has no readable columns").arg(fichero, nombretabla)};
    for (guint i = 0; i < p->tabla->columns->len; ++i) {
        auto *c = static_cast<MdbColumn *>(g_ptr_array_index(p->tabla->columns, i));
        p->mdbcolumnas.push_back(c);
        p->columnas.push_back({QString::fromUtf8(c->name), clasificar(c->col_type),
                               nombretipo(c->col_type)});
    }
    p->buffers.resize(p->mdbcolumnas.size());
    p->longitudes.resize(p->mdbcolumnas.size(), 0);
    p->directos.resize(p->mdbcolumnas.size());
    mdb_rewind_table(p->tabla);
    return {std::unique_ptr<TablaAccess>(new TablaAccess(std::move(p))), QString()};
}

QString TablaAccess::fichero() const
{
    return d->fichero;
}

const std::vector<TablaAccess::Columna> &TablaAccess::columnas() const
{
    return d->columnas;
}

int TablaAccess::indice(const QString &nombre) const
{
    for (std::size_t i = 0; i < d->columnas.size(); ++i) {
        if (d->columnas[i].nombre.compare(nombre, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void TablaAccess::leertexto(int columna)
{
    const auto i = static_cast<std::size_t>(columna);
    if (i >= d->buffers.size() || !d->buffers[i].empty())
        return;
    d->buffers[i].assign(d->mdb->bind_size, '\0');
    mdb_bind_column(d->tabla, columna + 1, d->buffers[i].data(), &d->longitudes[i]);
}

bool TablaAccess::siguiente()
{
    if (d->terminado)
        return false;
    if (!mdb_fetch_row(d->tabla)) {
        d->terminado = true;
        // libmdb stops quietly at a page it cannot read; the row count of the table
        // definition tells a complete scan from a cut-off one.
        if (d->filasleidas != d->tabla->num_rows)
            d->danado(QStringLiteral("%1 of %2 rows could be read; the file is probably truncated")
                          .arg(d->filasleidas)
                          .arg(d->tabla->num_rows));
        return false;
    }
    ++d->filasleidas;
    return true;
}

QString TablaAccess::error() const
{
    return d->error;
}

bool TablaAccess::vacio(int columna) const
{
    return d->mdbcolumnas[static_cast<std::size_t>(columna)]->cur_value_len == 0;
}

std::optional<double> TablaAccess::numero(int columna)
{
    const MdbColumn *c = d->mdbcolumnas[static_cast<std::size_t>(columna)];
    if (c->cur_value_len == 0)
        return std::nullopt;
    // Bound numbers come back as text in the process locale and lose the last digit, so the
    // value is read from the row's bytes in the page buffer.
    const int tamano = tamanonumero(c->col_type);
    const int inicio = c->cur_value_start;
    if (tamano == 0 || c->cur_value_len != tamano || inicio < 0 ||
        inicio + tamano > d->mdb->fmt->pg_size) {
        d->danado(QStringLiteral("a value of column `%1` does not fit its type")
                      .arg(QString::fromUtf8(c->name)));
        return std::nullopt;
    }
    void *pagina = d->mdb->pg_buf;
    switch (c->col_type) {
    case MDB_BYTE: return mdb_get_byte(pagina, inicio);
    case MDB_INT: return static_cast<qint16>(mdb_get_int16(pagina, inicio));
    case MDB_LONGINT: return static_cast<qint32>(mdb_get_int32(pagina, inicio));
    case MDB_FLOAT: return mdb_get_single(pagina, inicio);
    default: return mdb_get_double(pagina, inicio);
    }
}

bool TablaAccess::admitedirecto(int columna) const
{
    const auto i = static_cast<std::size_t>(columna);
    return i < d->mdbcolumnas.size() && d->mdbcolumnas[i]->col_type == MDB_TEXT &&
           d->mdb->f->jet_version != MDB_VER_JET3;
}

QStringView TablaAccess::textodirecto(int columna)
{
    const auto i = static_cast<std::size_t>(columna);
    const MdbColumn *c = d->mdbcolumnas[i];
    const int inicio = c->cur_value_start;
    int resto = c->cur_value_len;
    if (resto <= 0 || inicio < 0 || inicio + resto > d->mdb->fmt->pg_size)
        return {};
    const unsigned char *b = d->mdb->pg_buf + inicio;
    std::vector<char16_t> &texto = d->directos[i];
    texto.clear();
    // Jet 4 stores text as UCS-2 LE, or, after the mark FF FE, "compressed": one byte per
    // character, where a 0 byte switches between one and two bytes per character. This is
    // the rule libmdb's own conversion applies.
    if (resto >= 2 && b[0] == 0xFF && b[1] == 0xFE) {
        b += 2;
        resto -= 2;
        bool comprimido = true;
        while (resto > 0) {
            if (*b == 0) {
                comprimido = !comprimido;
                ++b;
                --resto;
            } else if (comprimido) {
                texto.push_back(*b++);
                --resto;
            } else if (resto >= 2) {
                texto.push_back(static_cast<char16_t>(b[0] | (b[1] << 8)));
                b += 2;
                resto -= 2;
            } else {
                break;
            }
        }
    } else {
        for (; resto >= 2; b += 2, resto -= 2)
            texto.push_back(static_cast<char16_t>(b[0] | (b[1] << 8)));
    }
    return QStringView(texto.data(), static_cast<qsizetype>(texto.size()));
}

QByteArrayView TablaAccess::textoutf8(int columna) const
{
    const auto i = static_cast<std::size_t>(columna);
    if (d->buffers[i].empty())
        return {};
    return QByteArrayView(d->buffers[i].data(), d->longitudes[i]);
}
