#include "almacenlineas.h"
#include "basesqlite.h"
#include "rutasprueba.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

bool contiene(const std::vector<double> &longitudes, double valor, int decimales)
{
    const double escala = std::pow(10.0, decimales);
    return std::any_of(longitudes.begin(), longitudes.end(), [=](double l) {
        return std::round(l * escala) / escala == valor;
    });
}

bool escribir(const QString &fichero, const QByteArray &contenido)
{
    QFile f(fichero);
    return f.open(QIODevice::WriteOnly) && f.write(contenido) == contenido.size();
}

QByteArray leer(const QString &fichero)
{
    QFile f(fichero);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool crearsqlite(const QString &fichero, const char *sql)
{
    BaseSqlite base;
    return base.abrir(fichero, BaseSqlite::Modo::Escritura) && base.ejecutar("BEGIN") &&
           base.ejecutar(sql) && base.ejecutar("COMMIT");
}

} // namespace

class tst_AlmacenLineas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void consultaaccess_data();
    void consultaaccess();
    void ordenaccess();
    void etapamaximaaccess();
    void catalogocompleto();
    void accessdefectuoso_data();
    void accessdefectuoso();
    void accesstruncadoenpaginas();
    void consultasqlite_data();
    void consultasqlite();
    void sqlitedefectuoso_data();
    void sqlitedefectuoso();
    void sqlitedanadotrasabrir();
    void eleccionenlacarpeta();

private:
    QString m_muestra;
    QTemporaryDir m_dir;
};

void tst_AlmacenLineas::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_muestra = rutasprueba::fixture(QStringLiteral("lineas-sample.mdb"));
}

void tst_AlmacenLineas::consultaaccess_data()
{
    QTest::addColumn<QString>("elemento");
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<int>("lineas");
    QTest::addColumn<double>("unalinea");
    QTest::newRow("H I") << QStringLiteral("H") << QStringLiteral("I") << 210 << 656.4696;
    QTest::newRow("He II") << QStringLiteral("He") << QStringLiteral("II") << 210 << 164.0506;
    QTest::newRow("lower case he ii") << QStringLiteral("he") << QStringLiteral("ii") << 210 << 164.0506;
    QTest::newRow("Na I absent") << QStringLiteral("Na") << QStringLiteral("I") << 0 << 0.0;
    QTest::newRow("quote typed") << QStringLiteral("H' OR '1'='1") << QStringLiteral("I") << 0 << 0.0;
    QTest::newRow("lone quote") << QStringLiteral("'") << QStringLiteral("'") << 0 << 0.0;
    QTest::newRow("no trimming") << QStringLiteral(" H") << QStringLiteral("I") << 0 << 0.0;
    QTest::newRow("empty stage") << QStringLiteral("H") << QString() << 0 << 0.0;
}

void tst_AlmacenLineas::consultaaccess()
{
    if (m_muestra.isEmpty())
        QSKIP("lineas-sample.mdb is not in the fixtures folder");
    QFETCH(QString, elemento);
    QFETCH(QString, tipo);
    QFETCH(int, lineas);
    QFETCH(double, unalinea);
    const AperturaAlmacen a = abriraccess(m_muestra);
    QVERIFY2(a.almacen, qPrintable(a.error));
    QCOMPARE(a.almacen->fichero(), m_muestra);
    const ResultadoConsulta r = a.almacen->consultar(elemento, tipo);
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(int(r.longitudes.size()), lineas);
    if (lineas > 0) {
        // Four decimals: the fixture's Rydberg values carry more digits.
        QVERIFY(contiene(r.longitudes, unalinea, 4));
        for (double l : r.longitudes)
            QVERIFY(l > 0 && l < 1e5);
    }
}

// Rows come in the file's order (the fixture stores them by wavelength), values exact to the
// last digit, not cut by a text round trip.
void tst_AlmacenLineas::ordenaccess()
{
    if (m_muestra.isEmpty())
        QSKIP("lineas-sample.mdb is not in the fixtures folder");
    const AperturaAlmacen a = abriraccess(m_muestra);
    QVERIFY2(a.almacen, qPrintable(a.error));
    const ResultadoConsulta r = a.almacen->consultar(QStringLiteral("He"), QStringLiteral("II"));
    QCOMPARE(int(r.longitudes.size()), 210);
    QCOMPARE(r.longitudes.front(), 22.80239610014698);
    QCOMPARE(r.longitudes[1], 22.80341669274658);
    int crecientes = 0;
    for (std::size_t i = 1; i < r.longitudes.size(); ++i)
        crecientes += r.longitudes[i] > r.longitudes[i - 1];
    QVERIFY(crecientes > 150);
}

void tst_AlmacenLineas::etapamaximaaccess()
{
    if (m_muestra.isEmpty())
        QSKIP("lineas-sample.mdb is not in the fixtures folder");
    const AperturaAlmacen a = abriraccess(m_muestra);
    QVERIFY2(a.almacen, qPrintable(a.error));
    QCOMPARE(a.almacen->etapamaxima(), 2);
}

void tst_AlmacenLineas::catalogocompleto()
{
    const QString mdb = rutasprueba::datos(QStringLiteral("lineasNist.mdb"));
    if (mdb.isEmpty())
        QSKIP("lineasNist.mdb is not in the shared data folder");
    const AperturaAlmacen a = abriraccess(mdb);
    QVERIFY2(a.almacen, qPrintable(a.error));
    QCOMPARE(a.almacen->etapamaxima(), 70);
    const ResultadoConsulta na = a.almacen->consultar(QStringLiteral("Na"), QStringLiteral("I"));
    QVERIFY2(na.error.isEmpty(), qPrintable(na.error));
    QCOMPARE(int(na.longitudes.size()), 437);
    // The D lines: 588.9951 and 589.5924 nm to four decimals, stored as 588.99509 and 589.59242.
    QVERIFY(contiene(na.longitudes, 588.9951, 4));
    QVERIFY(contiene(na.longitudes, 589.5924, 4));
    QVERIFY(contiene(na.longitudes, 588.99509, 5));
    QVERIFY(contiene(na.longitudes, 589.59242, 5));
    const ResultadoConsulta th = a.almacen->consultar(QStringLiteral("TH"), QStringLiteral("i"));
    QCOMPARE(int(th.longitudes.size()), 13270);
}

void tst_AlmacenLineas::accessdefectuoso_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QString>("causa");
    const QByteArray muestra = m_muestra.isEmpty() ? QByteArray() : leer(m_muestra);
    QTest::newRow("missing") << QStringLiteral("noexiste.mdb") << QByteArray() << QStringLiteral("does not exist");
    QTest::newRow("text file") << QStringLiteral("texto.mdb")
                               << QByteArray("Longitud;Elemento;Tipo\n500;H;I\n").repeated(300)
                               << QStringLiteral("not an Access database");
    QTest::newRow("empty file") << QStringLiteral("vacio.mdb") << QByteArray("") << QStringLiteral("too short");
    if (!muestra.isEmpty()) {
        QTest::newRow("cut mid-page") << QStringLiteral("cortado.mdb") << muestra.left(muestra.size() / 2 + 100)
                                      << QStringLiteral("truncated");
        QTest::newRow("cut at a page") << QStringLiteral("paginas.mdb") << muestra.left(muestra.size() - 4096 * 8)
                                       << QStringLiteral("truncated");
        QByteArray basura = muestra.left(4096);
        QRandomGenerator azar(7);
        while (basura.size() < muestra.size())
            basura.append(char(azar.bounded(256)));
        QTest::newRow("garbage after the header") << QStringLiteral("basura.mdb") << basura << QString();
    }
}

void tst_AlmacenLineas::accessdefectuoso()
{
    QFETCH(QString, nombre);
    QFETCH(QByteArray, contenido);
    QFETCH(QString, causa);
    const QString fichero = m_dir.filePath(nombre);
    if (!nombre.startsWith(QLatin1String("noexiste")))
        QVERIFY(escribir(fichero, contenido));
    const AperturaAlmacen a = abriraccess(fichero);
    QVERIFY(!a.almacen);
    QVERIFY2(a.error.contains(fichero), qPrintable(a.error));
    QVERIFY2(a.error.contains(causa), qPrintable(a.error));
}

// Every page-aligned cut of the fixture must fail cleanly: at opening or, at the latest, as the
// error of a query, never as a short result or a crash.
void tst_AlmacenLineas::accesstruncadoenpaginas()
{
    if (m_muestra.isEmpty())
        QSKIP("lineas-sample.mdb is not in the fixtures folder");
    const QByteArray muestra = leer(m_muestra);
    QVERIFY(muestra.size() % 4096 == 0);
    const QString fichero = m_dir.filePath(QStringLiteral("cortes.mdb"));
    for (qsizetype paginas = 1; paginas < muestra.size() / 4096; ++paginas) {
        QVERIFY(escribir(fichero, muestra.left(paginas * 4096)));
        const AperturaAlmacen a = abriraccess(fichero);
        if (!a.almacen) {
            QVERIFY2(a.error.contains(fichero), qPrintable(a.error));
            continue;
        }
        // Pages past the last row may be missing without harm; then both species are whole.
        for (const auto &[e, t] : {std::pair{"H", "I"}, std::pair{"He", "II"}}) {
            const ResultadoConsulta r = a.almacen->consultar(QLatin1String(e), QLatin1String(t));
            QVERIFY2(!r.error.isEmpty() || r.longitudes.size() == 210,
                     qPrintable(QStringLiteral("%1 pages: %2 rows").arg(paginas).arg(r.longitudes.size())));
        }
    }
}

void tst_AlmacenLineas::consultasqlite_data()
{
    QTest::addColumn<QString>("elemento");
    QTest::addColumn<QString>("tipo");
    QTest::addColumn<QList<double>>("longitudes");
    QTest::newRow("Na I in source order") << QStringLiteral("Na") << QStringLiteral("I")
                                          << QList<double>{589.5924, 588.9951, 330.237};
    QTest::newRow("case ignored") << QStringLiteral("nA") << QStringLiteral("i")
                                  << QList<double>{589.5924, 588.9951, 330.237};
    QTest::newRow("other stage") << QStringLiteral("Na") << QStringLiteral("II") << QList<double>{300.15};
    QTest::newRow("quote typed") << QStringLiteral("Na' OR 1=1 --") << QStringLiteral("I") << QList<double>{};
    QTest::newRow("integer wavelength") << QStringLiteral("H") << QStringLiteral("I") << QList<double>{656.0};
}

void tst_AlmacenLineas::consultasqlite()
{
    QFETCH(QString, elemento);
    QFETCH(QString, tipo);
    QFETCH(QList<double>, longitudes);
    const QString fichero = m_dir.filePath(QStringLiteral("pequena.sqlite"));
    if (!QFile::exists(fichero))
        QVERIFY(crearsqlite(fichero,
                            "CREATE TABLE tabla (Longitud REAL, Elemento TEXT, Tipo TEXT, Fuente TEXT);"
                            "INSERT INTO tabla VALUES (589.5924, 'Na', 'I', NULL);"
                            "INSERT INTO tabla VALUES (300.15, 'Na', 'II', 'x');"
                            "INSERT INTO tabla VALUES (588.9951, 'Na', 'I', 'y');"
                            "INSERT INTO tabla VALUES (656, 'H', 'I', 'z');"
                            "INSERT INTO tabla VALUES (330.237, 'NA', 'I', NULL);"
                            "INSERT INTO tabla VALUES (100, 'Na', 'XIV', NULL);"));
    const AperturaAlmacen a = abrirsqlite(fichero);
    QVERIFY2(a.almacen, qPrintable(a.error));
    QCOMPARE(a.almacen->etapamaxima(), 14);
    const ResultadoConsulta r = a.almacen->consultar(elemento, tipo);
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(QList<double>(r.longitudes.begin(), r.longitudes.end()), longitudes);
}

void tst_AlmacenLineas::sqlitedefectuoso_data()
{
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QByteArray>("sql");
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QString>("causa");
    QTest::newRow("missing") << QStringLiteral("noexiste.sqlite") << QByteArray() << QByteArray()
                             << QStringLiteral("does not exist");
    QTest::newRow("text file") << QStringLiteral("texto.sqlite") << QByteArray()
                               << QByteArray("esto no es una base de datos\n").repeated(200)
                               << QStringLiteral("not a readable SQLite database");
    QTest::newRow("no tabla") << QStringLiteral("sintabla.sqlite")
                              << QByteArray("CREATE TABLE otra (Longitud REAL, Elemento TEXT, Tipo TEXT);")
                              << QByteArray() << QStringLiteral("no table `tabla`");
    QTest::newRow("no Tipo") << QStringLiteral("sintipo.sqlite")
                             << QByteArray("CREATE TABLE tabla (Longitud REAL, Elemento TEXT);"
                                           "INSERT INTO tabla VALUES (500, 'H');")
                             << QByteArray() << QStringLiteral("no column `Tipo`");
    QTest::newRow("text wavelength") << QStringLiteral("textoprimera.sqlite")
                                     << QByteArray("CREATE TABLE tabla (Nombre TEXT, Elemento TEXT, Tipo TEXT);"
                                                   "INSERT INTO tabla VALUES ('500', 'H', 'I');"
                                                   "INSERT INTO tabla VALUES ('cinco', 'H', 'I');")
                                     << QByteArray() << QStringLiteral("holds text");
    QTest::newRow("empty wavelength") << QStringLiteral("nulo.sqlite")
                                      << QByteArray("CREATE TABLE tabla (Longitud REAL, Elemento TEXT, Tipo TEXT);"
                                                    "INSERT INTO tabla VALUES (NULL, 'H', 'I');")
                                      << QByteArray() << QStringLiteral("empty cell");
}

void tst_AlmacenLineas::sqlitedefectuoso()
{
    QFETCH(QString, nombre);
    QFETCH(QByteArray, sql);
    QFETCH(QByteArray, contenido);
    QFETCH(QString, causa);
    const QString fichero = m_dir.filePath(nombre);
    if (!sql.isEmpty())
        QVERIFY(crearsqlite(fichero, sql.constData()));
    else if (!contenido.isEmpty())
        QVERIFY(escribir(fichero, contenido));
    const AperturaAlmacen a = abrirsqlite(fichero);
    QVERIFY(!a.almacen);
    QVERIFY2(a.error.contains(fichero), qPrintable(a.error));
    QVERIFY2(a.error.contains(causa), qPrintable(a.error));
}

// A store that opened and then loses its table, or is cut short, answers with an error and no
// lines, not with a partial list.
void tst_AlmacenLineas::sqlitedanadotrasabrir()
{
    const QString fichero = m_dir.filePath(QStringLiteral("cambia.sqlite"));
    QByteArray sql = "CREATE TABLE tabla (Longitud REAL, Elemento TEXT, Tipo TEXT, Relleno TEXT);";
    for (int i = 0; i < 3000; ++i)
        sql += "INSERT INTO tabla VALUES (" + QByteArray::number(100 + i) + ", 'Fe', 'I', '" +
               QByteArray(200, 'x') + "');";
    QVERIFY(crearsqlite(fichero, sql.constData()));
    const AperturaAlmacen a = abrirsqlite(fichero);
    QVERIFY2(a.almacen, qPrintable(a.error));
    QCOMPARE(int(a.almacen->consultar(QStringLiteral("Fe"), QStringLiteral("I")).longitudes.size()), 3000);

    const QByteArray entero = leer(fichero);
    QVERIFY(escribir(fichero, entero.left(entero.size() / 2)));
    const ResultadoConsulta cortado = a.almacen->consultar(QStringLiteral("Fe"), QStringLiteral("I"));
    QVERIFY2(cortado.error.contains(fichero), qPrintable(cortado.error));
    QVERIFY(cortado.longitudes.empty());
    QVERIFY(!abrirsqlite(fichero).almacen);

    QVERIFY(QFile::remove(fichero));
    const ResultadoConsulta borrado = a.almacen->consultar(QStringLiteral("Fe"), QStringLiteral("I"));
    QVERIFY2(borrado.error.contains(QStringLiteral("does not exist")), qPrintable(borrado.error));
}

void tst_AlmacenLineas::eleccionenlacarpeta()
{
    QTemporaryDir carpeta;
    QVERIFY(carpeta.isValid());
    const QString sqlite = carpeta.filePath(QStringLiteral("lineasNist.sqlite"));
    const QString mdb = carpeta.filePath(QStringLiteral("lineasNist.mdb"));

    AperturaAlmacen ninguno = abriralmacen(carpeta.path());
    QVERIFY(!ninguno.almacen);
    QVERIFY2(ninguno.error.contains(QStringLiteral("lineasNist.mdb")) &&
                 ninguno.error.contains(QStringLiteral("lineasNist.sqlite")),
             qPrintable(ninguno.error));

    QVERIFY(crearsqlite(sqlite, "CREATE TABLE tabla (Longitud REAL, Elemento TEXT, Tipo TEXT);"
                                "INSERT INTO tabla VALUES (500, 'H', 'I');"));
    AperturaAlmacen solosqlite = abriralmacen(carpeta.path());
    QVERIFY2(solosqlite.almacen, qPrintable(solosqlite.error));
    QCOMPARE(solosqlite.almacen->fichero(), sqlite);

    // A broken Access file beside a good SQLite store: the store serves, the note names the file.
    QVERIFY(escribir(mdb, QByteArray(8192, 'x')));
    AperturaAlmacen roto = abriralmacen(carpeta.path());
    QVERIFY(roto.almacen);
    QCOMPARE(roto.almacen->fichero(), sqlite);
    QVERIFY2(roto.error.contains(mdb), qPrintable(roto.error));

    if (m_muestra.isEmpty())
        QSKIP("lineas-sample.mdb is not in the fixtures folder");
    QVERIFY(QFile::remove(mdb));
    QVERIFY(QFile::copy(m_muestra, mdb));
    AperturaAlmacen access = abriralmacen(carpeta.path());
    QVERIFY2(access.almacen, qPrintable(access.error));
    QVERIFY(access.error.isEmpty());
    QCOMPARE(access.almacen->fichero(), mdb);
}

QTEST_APPLESS_MAIN(tst_AlmacenLineas)
#include "tst_almacenlineas.moc"
