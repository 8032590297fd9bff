#include "rutasprueba.h"
#include "tablaaccess.h"

#include <QTest>

class tst_TablaAccess : public QObject
{
    Q_OBJECT

private slots:
    void columnas();
    void textodirectoigualalibmdb_data();
    void textodirectoigualalibmdb();
    void tablaquenoexiste();
};

void tst_TablaAccess::columnas()
{
    const QString muestra = rutasprueba::fixture(QStringLiteral("lineas-sample.mdb"));
    if (muestra.isEmpty())
        QSKIP("lineas-sample.mdb is not in the fixtures folder");
    // The table name compares without regard to case, as the record source "Tabla" expects.
    TablaAccess::Apertura a = TablaAccess::abrir(muestra, QStringLiteral("Tabla"));
    QVERIFY2(a.tabla, qPrintable(a.error));
    const auto &c = a.tabla->columnas();
    QCOMPARE(int(c.size()), 5);
    QCOMPARE(c[0].nombre, QStringLiteral("Longitud"));
    QCOMPARE(c[0].tipo, TablaAccess::TipoColumna::Real);
    QCOMPARE(c[1].tipo, TablaAccess::TipoColumna::Texto);
    QCOMPARE(c[4].nombre, QStringLiteral("Notas"));
    QCOMPARE(a.tabla->indice(QStringLiteral("tipo")), 2);
    QCOMPARE(a.tabla->indice(QStringLiteral("Fuente")), -1);
    int filas = 0;
    int intensidadvacia = 0;
    while (a.tabla->siguiente()) {
        ++filas;
        intensidadvacia += !a.tabla->numero(3).has_value();
    }
    QVERIFY2(a.tabla->error().isEmpty(), qPrintable(a.tabla->error()));
    QCOMPARE(filas, 420);
    QVERIFY(intensidadvacia > 0 && intensidadvacia < 420);
}

void tst_TablaAccess::textodirectoigualalibmdb_data()
{
    QTest::addColumn<QString>("fichero");
    QTest::addColumn<int>("filas");
    QTest::newRow("fixture") << rutasprueba::fixture(QStringLiteral("lineas-sample.mdb")) << 420;
    QTest::newRow("full catalogue") << rutasprueba::datos(QStringLiteral("lineasNist.mdb")) << 216337;
}

// The fast decoder must read every text cell (compressed and plain UCS-2, accented or not)
// exactly as libmdb's conversion does.
void tst_TablaAccess::textodirectoigualalibmdb()
{
    QFETCH(QString, fichero);
    QFETCH(int, filas);
    if (fichero.isEmpty())
        QSKIP("the Access file is not in the shared folders");
    TablaAccess::Apertura a = TablaAccess::abrir(fichero, QStringLiteral("tabla"));
    QVERIFY2(a.tabla, qPrintable(a.error));
    TablaAccess &t = *a.tabla;
    std::vector<int> textos;
    for (std::size_t i = 0; i < t.columnas().size(); ++i) {
        if (t.columnas()[i].tipo == TablaAccess::TipoColumna::Texto) {
            QVERIFY(t.admitedirecto(int(i)));
            t.leertexto(int(i));
            textos.push_back(int(i));
        }
    }
    QVERIFY(textos.size() >= 2);
    int leidas = 0;
    int noascii = 0;
    while (t.siguiente()) {
        ++leidas;
        for (int c : textos) {
            const QByteArrayView utf8 = t.textoutf8(c);
            const QString libmdb = QString::fromUtf8(utf8.data(), utf8.size());
            const QString directo = t.textodirecto(c).toString();
            if (directo != libmdb)
                QFAIL(qPrintable(QStringLiteral("row %1, column %2: \"%3\" against \"%4\"")
                                     .arg(leidas).arg(c).arg(directo, libmdb)));
            noascii += std::any_of(directo.begin(), directo.end(), [](QChar q) { return q.unicode() > 0x7f; });
        }
    }
    QVERIFY2(t.error().isEmpty(), qPrintable(t.error()));
    QCOMPARE(leidas, filas);
    if (filas == 420)
        QVERIFY(noascii > 0);
}

void tst_TablaAccess::tablaquenoexiste()
{
    const QString muestra = rutasprueba::fixture(QStringLiteral("lineas-sample.mdb"));
    if (muestra.isEmpty())
        QSKIP("lineas-sample.mdb is not in the fixtures folder");
    const TablaAccess::Apertura a = TablaAccess::abrir(muestra, QStringLiteral("lineas"));
    QVERIFY(!a.tabla);
    QVERIFY2(a.error.contains(QStringLiteral("no table `lineas`")) && a.error.contains(muestra),
             qPrintable(a.error));
}

QTEST_APPLESS_MAIN(tst_TablaAccess)
#include "tst_tablaaccess.moc"
