#include "formatonumero.h"
#include "irisdal.h"
#include "tablalineas.h"

#include <QSignalSpy>
#include <QTest>

class tst_TablaLineas : public QObject
{
    Q_OBJECT

private slots:
    void celdas_data();
    void celdas();
    void cabeceras();
    void lectoresdevuelvenlomostrado();
    void numerosdefila();
    void vacia();
    void reemplazacontenido();
};

void tst_TablaLineas::celdas_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("londa");
    QTest::addColumn<QString>("col1");
    QTest::addColumn<QString>("col2");
    QTest::addColumn<QString>("col3");
    QTest::addColumn<double>("longitud");
    QTest::addColumn<double>("frecuencia");
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    const QLocale c = QLocale::c();
    QTest::newRow("500 nm es") << es << 500.0 << QStringLiteral("500,00000") << QStringLiteral("599,580")
                               << QStringLiteral("20000,000") << 500.0 << 599.58;
    QTest::newRow("500 nm C") << c << 500.0 << QStringLiteral("500.00000") << QStringLiteral("599.580")
                              << QStringLiteral("20000.000") << 500.0 << 599.58;
    QTest::newRow("H alpha rounded first") << c << 656.279996 << QStringLiteral("656.28000")
                                           << QStringLiteral("456.802") << QStringLiteral("15237.399")
                                           << 656.28 << 456.802;
    // Frequency and wavenumber come from the five-decimal wavelength 0.01235, not from
    // 0.0123456 (which would give 24283307.7 THz).
    QTest::newRow("short wavelength") << es << 0.0123456 << QStringLiteral("0,01235")
                                      << QStringLiteral("24274493,927") << QStringLiteral("809716599,190")
                                      << 0.01235 << 24274493.927;
}

void tst_TablaLineas::celdas()
{
    QFETCH(QLocale, locale);
    QFETCH(double, londa);
    TablaLineas tabla;
    tabla.formatearrejilla({londa}, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), locale);
    QCOMPARE(tabla.rowCount(), 1);
    QCOMPARE(tabla.columnCount(), 4);
    QTEST(tabla.data(tabla.index(0, 1)).toString(), "col1");
    QTEST(tabla.data(tabla.index(0, 2)).toString(), "col2");
    QTEST(tabla.data(tabla.index(0, 3)).toString(), "col3");
    QTEST(tabla.longitud(1), "longitud");
    QTEST(tabla.frecuencia(1), "frecuencia");
    for (int c = 0; c < 4; ++c)
        QCOMPARE(tabla.data(tabla.index(0, c), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
}

void tst_TablaLineas::cabeceras()
{
    TablaLineas tabla;
    tabla.formatearrejilla({}, QStringLiteral("Longitud de onda"), QStringLiteral("Frecuencia"),
                           QStringLiteral("Número de onda"));
    QCOMPARE(tabla.headerData(0, Qt::Horizontal).toString(), QString());
    QCOMPARE(tabla.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Longitud de onda\r(nm)"));
    QCOMPARE(tabla.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Frecuencia\r(THz)"));
    QCOMPARE(tabla.headerData(3, Qt::Horizontal).toString(),
             QStringLiteral("Número de onda  \r(cm-1)  "));
    QCOMPARE(tabla.headerData(1, Qt::Horizontal).toString().at(16).unicode(), ushort(13));
    QCOMPARE(tabla.headerData(2, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QVERIFY(!tabla.headerData(4, Qt::Horizontal).isValid());
}

// Whatever the wavelength, the readers return what the cells show, read back under the locale.
void tst_TablaLineas::lectoresdevuelvenlomostrado()
{
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    std::vector<double> longitudes;
    for (int i = 0; i < 5000; ++i)
        longitudes.push_back(90.0 + i * 0.7371234567 + 1e-7 * (i % 13));
    TablaLineas tabla;
    tabla.formatearrejilla(longitudes, {}, {}, {}, es);
    QCOMPARE(tabla.numerolineas(), 5000);
    for (int fila = 1; fila <= tabla.numerolineas(); ++fila) {
        const QString col1 = tabla.data(tabla.index(fila - 1, 1)).toString();
        const QString col2 = tabla.data(tabla.index(fila - 1, 2)).toString();
        QCOMPARE(formatonumero::leernumero(col1, es).value(), tabla.longitud(fila));
        QCOMPARE(formatonumero::leernumero(col2, es).value(), tabla.frecuencia(fila));
        const double mostrada = formatonumero::leernumero(col1, es).value();
        QCOMPARE(col2, formatonumero::formatodecimal(irisdal::londafreq(mostrada), 3, es));
    }
    QCOMPARE(tabla.longitud(0), 0.0);
    QCOMPARE(tabla.longitud(5001), 0.0);
}

void tst_TablaLineas::numerosdefila()
{
    TablaLineas tabla;
    tabla.formatearrejilla({400, 500, 600}, {}, {}, {});
    QCOMPARE(tabla.data(tabla.index(0, 0)).toString(), QStringLiteral("1"));
    QCOMPARE(tabla.data(tabla.index(2, 0)).toString(), QStringLiteral("3"));
    QCOMPARE(tabla.longitud(3), 600.0);
    QVERIFY(!tabla.data(tabla.index(3, 0)).isValid());
}

void tst_TablaLineas::vacia()
{
    TablaLineas tabla;
    QCOMPARE(tabla.rowCount(), 0);
    tabla.formatearrejilla({}, QStringLiteral("a"), {}, {});
    QCOMPARE(tabla.numerolineas(), 0);
    QCOMPARE(tabla.rowCount(), 0);
    QCOMPARE(tabla.columnCount(), 4);
}

void tst_TablaLineas::reemplazacontenido()
{
    TablaLineas tabla;
    tabla.formatearrejilla({1, 2, 3, 4}, {}, {}, {});
    QSignalSpy reinicio(&tabla, &QAbstractItemModel::modelReset);
    tabla.formatearrejilla({700}, {}, {}, {});
    QCOMPARE(reinicio.count(), 1);
    QCOMPARE(tabla.rowCount(), 1);
    QCOMPARE(tabla.longitud(1), 700.0);
}

QTEST_APPLESS_MAIN(tst_TablaLineas)
#include "tst_tablalineas.moc"
