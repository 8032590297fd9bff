#include "almacenlineas.h"
#include "basesqlite.h"
#include "importador.h"
#include "rutasprueba.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool escribir(const QString &fichero, const QByteArray &contenido)
{
    QFile f(fichero);
    return f.open(QIODevice::WriteOnly) && f.write(contenido) == contenido.size();
}

// All rows of tabla as text, one line each, in rowid order.
QStringList filas(const QString &fichero)
{
    BaseSqlite base;
    QStringList todas;
    if (!base.abrir(fichero, BaseSqlite::Modo::Lectura))
        return todas;
    SentenciaSqlite s = base.preparar("SELECT * FROM tabla ORDER BY rowid");
    while (s.valida() && s.paso() == SentenciaSqlite::Paso::Fila) {
        QStringList celdas;
        for (int c = 0; c < s.columnas(); ++c) {
            switch (s.tipo(c)) {
            case SentenciaSqlite::TipoValor::Nulo: celdas.append(QStringLiteral("NULL")); break;
            case SentenciaSqlite::TipoValor::Real: celdas.append(QString::number(s.real(c), 'g', QLocale::FloatingPointShortest)); break;
            default: celdas.append(s.texto(c)); break;
            }
        }
        todas.append(celdas.join(QLatin1Char('|')));
    }
    return todas;
}

QString primerresultado(const QString &fichero, const char *sql)
{
    BaseSqlite base;
    if (!base.abrir(fichero, BaseSqlite::Modo::Lectura))
        return {};
    SentenciaSqlite s = base.preparar(sql);
    QStringList lineas;
    while (s.valida() && s.paso() == SentenciaSqlite::Paso::Fila)
        lineas.append(s.texto(s.columnas() - 1));
    return lineas.join(QLatin1Char('\n'));
}

const QByteArray csvpequeno = "wavelength_nm,element,stage,intensity,aki,source\n"
                              "589.5924,Na,I,5000,6.16e7,ASD-2023:L1\n"
                              "300.15,Na,II,,,ASD-2019\n"
                              "588.9951,Na,I,9000,,\n"
                              "656.279,H,I,,4.41e7,ASD-2018\r\n";

} // namespace

class tst_Importador : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void csv();
    void csvdefectuoso_data();
    void csvdefectuoso();
    void destinointactoantefallo();
    void usaelindice();
    void desdeaccess();
    void catalogocompletoigualenambos();

private:
    QTemporaryDir m_dir;
};

void tst_Importador::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void tst_Importador::csv()
{
    const QString origen = m_dir.filePath(QStringLiteral("pequeno.csv"));
    const QString destino = m_dir.filePath(QStringLiteral("pequeno.sqlite"));
    QVERIFY(escribir(origen, csvpequeno));
    const importador::ResultadoImportacion r = importador::importar(origen, destino);
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.filas, 4);
    QCOMPARE(filas(destino), (QStringList{QStringLiteral("589.5924|Na|I|5000|61600000|ASD-2023:L1"),
                                          QStringLiteral("300.15|Na|II|NULL|NULL|ASD-2019"),
                                          QStringLiteral("588.9951|Na|I|9000|NULL|NULL"),
                                          QStringLiteral("656.279|H|I|NULL|44100000|ASD-2018")}));
    QCOMPARE(primerresultado(destino, "SELECT group_concat(name) FROM pragma_table_info('tabla')"),
             QStringLiteral("Longitud,Elemento,Tipo,Intensidad,Aki,Fuente"));
    const AperturaAlmacen a = abrirsqlite(destino);
    QVERIFY2(a.almacen, qPrintable(a.error));
    const ResultadoConsulta na = a.almacen->consultar(QStringLiteral("na"), QStringLiteral("I"));
    QCOMPARE(na.longitudes, (std::vector<double>{589.5924, 588.9951}));
    // No temporary file is left beside the store.
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral(".pequeno*")}, QDir::Hidden | QDir::Files),
             QStringList());
}

void tst_Importador::csvdefectuoso_data()
{
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QString>("causa");
    QTest::newRow("wrong header") << QByteArray("lambda,element,stage\n500,H,I\n")
                                  << QStringLiteral("no column `wavelength_nm`");
    QTest::newRow("empty file") << QByteArray() << QStringLiteral("no column `wavelength_nm`");
    QTest::newRow("short row") << QByteArray("wavelength_nm,element,stage\n500,H,I\n501,H\n")
                               << QStringLiteral("line 3 has 2 fields");
    QTest::newRow("text wavelength") << QByteArray("wavelength_nm,element,stage\n5OO,H,I\n")
                                     << QStringLiteral("line 2: `5OO` is not a number");
    QTest::newRow("regional decimals") << QByteArray("wavelength_nm,element,stage,intensity\n500,H,I,1;5\n")
                                       << QStringLiteral("`1;5` is not a number");
    QTest::newRow("no wavelength") << QByteArray("wavelength_nm,element,stage\n,H,I\n")
                                   << QStringLiteral("line 2 has no wavelength");
}

void tst_Importador::csvdefectuoso()
{
    QFETCH(QByteArray, contenido);
    QFETCH(QString, causa);
    const QString origen = m_dir.filePath(QStringLiteral("malo.csv"));
    const QString destino = m_dir.filePath(QStringLiteral("malo.sqlite"));
    QVERIFY(escribir(origen, contenido));
    const importador::ResultadoImportacion r = importador::importarcsv(origen, destino);
    QVERIFY2(r.error.contains(causa), qPrintable(r.error));
    QVERIFY2(r.error.contains(origen), qPrintable(r.error));
    QCOMPARE(r.filas, 0);
    QVERIFY(!QFile::exists(destino));
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral(".malo*")}, QDir::Hidden | QDir::Files),
             QStringList());
}

// A failed import leaves the previous store as it was; a missing source is reported as such.
void tst_Importador::destinointactoantefallo()
{
    const QString destino = m_dir.filePath(QStringLiteral("intacto.sqlite"));
    const QString bueno = m_dir.filePath(QStringLiteral("bueno.csv"));
    QVERIFY(escribir(bueno, csvpequeno));
    QVERIFY(importador::importarcsv(bueno, destino).error.isEmpty());
    const QStringList antes = filas(destino);
    QCOMPARE(antes.size(), 4);

    const QString malo = m_dir.filePath(QStringLiteral("cortado.csv"));
    QVERIFY(escribir(malo, csvpequeno + "700,Fe\n"));
    QVERIFY(!importador::importarcsv(malo, destino).error.isEmpty());
    QCOMPARE(filas(destino), antes);

    const importador::ResultadoImportacion falta =
        importador::importar(m_dir.filePath(QStringLiteral("nohay.mdb")), destino);
    QVERIFY2(falta.error.contains(QStringLiteral("does not exist")), qPrintable(falta.error));
    QCOMPARE(filas(destino), antes);

    const importador::ResultadoImportacion sincarpeta =
        importador::importarcsv(bueno, m_dir.filePath(QStringLiteral("no/hay/carpeta.sqlite")));
    QVERIFY2(sincarpeta.error.contains(QStringLiteral("carpeta.sqlite")), qPrintable(sincarpeta.error));
}

void tst_Importador::usaelindice()
{
    const QString origen = m_dir.filePath(QStringLiteral("indice.csv"));
    const QString destino = m_dir.filePath(QStringLiteral("indice.sqlite"));
    QVERIFY(escribir(origen, csvpequeno));
    QVERIFY(importador::importarcsv(origen, destino).error.isEmpty());
    const QString plan = primerresultado(
        destino, "EXPLAIN QUERY PLAN SELECT * FROM tabla WHERE Elemento = 'na' COLLATE NOCASE "
                 "AND Tipo = 'i' COLLATE NOCASE ORDER BY rowid");
    QVERIFY2(plan.contains(QStringLiteral("USING INDEX especie")), qPrintable(plan));
    QVERIFY2(!plan.contains(QStringLiteral("TEMP B-TREE")), qPrintable(plan));
}

void tst_Importador::desdeaccess()
{
    const QString muestra = rutasprueba::fixture(QStringLiteral("lineas-sample.mdb"));
    if (muestra.isEmpty())
        QSKIP("lineas-sample.mdb is not in the fixtures folder");
    const QString destino = m_dir.filePath(QStringLiteral("muestra.sqlite"));
    const importador::ResultadoImportacion r = importador::importar(muestra, destino);
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.filas, 420);
    QCOMPARE(primerresultado(destino, "SELECT group_concat(name) FROM pragma_table_info('tabla')"),
             QStringLiteral("Longitud,Elemento,Tipo,Intensidad,Notas"));
    // Accented text survives; NULL cells stay NULL.
    QVERIFY(primerresultado(destino, "SELECT Notas FROM tabla WHERE Notas LIKE '%transición%' LIMIT 1")
                .contains(QStringLiteral("transición")));
    QVERIFY(primerresultado(destino, "SELECT count(*) FROM tabla WHERE Notas IS NULL").toInt() > 0);
    QVERIFY(primerresultado(destino, "SELECT count(*) FROM tabla WHERE Intensidad IS NULL").toInt() > 0);

    const AperturaAlmacen access = abriraccess(muestra);
    const AperturaAlmacen sqlite = abrirsqlite(destino);
    QVERIFY(access.almacen && sqlite.almacen);
    for (const auto &[e, t] : {std::pair{"H", "I"}, std::pair{"He", "II"}}) {
        const ResultadoConsulta a = access.almacen->consultar(QLatin1String(e), QLatin1String(t));
        const ResultadoConsulta s = sqlite.almacen->consultar(QLatin1String(e), QLatin1String(t));
        QCOMPARE(s.longitudes.size(), std::size_t(210));
        QCOMPARE(s.longitudes, a.longitudes);
    }
    QCOMPARE(sqlite.almacen->etapamaxima(), access.almacen->etapamaxima());
}

// The store the build makes (or one made here from the CSV) answers as the Access file does:
// the same wavelengths in the same order.
void tst_Importador::catalogocompletoigualenambos()
{
    const QString mdb = rutasprueba::datos(QStringLiteral("lineasNist.mdb"));
    const QString csv = rutasprueba::datos(QStringLiteral("nist-lines.csv"));
    if (mdb.isEmpty() || csv.isEmpty())
        QSKIP("lineasNist.mdb or nist-lines.csv is not in the shared data folder");
    QString store = rutasprueba::runtime() + QStringLiteral("/lineasNist.sqlite");
    if (!QFile::exists(store)) {
        store = m_dir.filePath(QStringLiteral("completo.sqlite"));
        const importador::ResultadoImportacion r = importador::importarcsv(csv, store);
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.filas, 216337);
    }
    const AperturaAlmacen access = abriraccess(mdb);
    const AperturaAlmacen sqlite = abrirsqlite(store);
    QVERIFY2(access.almacen, qPrintable(access.error));
    QVERIFY2(sqlite.almacen, qPrintable(sqlite.error));
    QCOMPARE(sqlite.almacen->etapamaxima(), 70);
    const struct {
        const char *elemento;
        const char *tipo;
        int lineas;
    } especies[] = {{"Na", "I", 437}, {"Fe", "II", 12995}, {"H", "I", -1}, {"Th", "I", 13270},
                    {"Ca", "II", -1}, {"Fe", "XIV", 0}};
    for (const auto &e : especies) {
        const ResultadoConsulta a = access.almacen->consultar(QLatin1String(e.elemento), QLatin1String(e.tipo));
        const ResultadoConsulta s = sqlite.almacen->consultar(QLatin1String(e.elemento), QLatin1String(e.tipo));
        QVERIFY2(a.error.isEmpty() && s.error.isEmpty(), qPrintable(a.error + s.error));
        if (e.lineas >= 0)
            QCOMPARE(int(s.longitudes.size()), e.lineas);
        else
            QVERIFY(!s.longitudes.empty());
        QCOMPARE(s.longitudes, a.longitudes);
    }
}

QTEST_APPLESS_MAIN(tst_Importador)
#include "tst_importador.moc"
