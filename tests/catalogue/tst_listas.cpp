#include "listas.h"

#include <QTest>

class tst_Listas : public QObject
{
    Q_OBJECT

private slots:
    void elementos();
    void numeroromano_data();
    void numeroromano();
    void etapas();
    void etapasampliadas();
    void valorromano_data();
    void valorromano();
};

void tst_Listas::elementos()
{
    const QStringList e = listas::elementos();
    QCOMPARE(e.size(), 103);
    QCOMPARE(e.first(), QStringLiteral("H"));
    QCOMPARE(e.at(10), QStringLiteral("Na"));
    QCOMPARE(e.at(25), QStringLiteral("Fe"));
    QCOMPARE(e.at(89), QStringLiteral("Th"));
    QCOMPARE(e.last(), QStringLiteral("Lr"));
    QCOMPARE(QSet<QString>(e.begin(), e.end()).size(), 103);
}

void tst_Listas::numeroromano_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("romano");
    QTest::newRow("1") << 1 << QStringLiteral("I");
    QTest::newRow("4") << 4 << QStringLiteral("IV");
    QTest::newRow("9") << 9 << QStringLiteral("IX");
    QTest::newRow("14") << 14 << QStringLiteral("XIV");
    QTest::newRow("19") << 19 << QStringLiteral("XIX");
    QTest::newRow("25") << 25 << QStringLiteral("XXV");
    QTest::newRow("40") << 40 << QStringLiteral("XL");
    QTest::newRow("49") << 49 << QStringLiteral("XLIX");
    QTest::newRow("70") << 70 << QStringLiteral("LXX");
    QTest::newRow("94") << 94 << QStringLiteral("XCIV");
    QTest::newRow("0 has none") << 0 << QString();
}

void tst_Listas::numeroromano()
{
    QFETCH(int, n);
    QFETCH(QString, romano);
    QCOMPARE(listas::numeroromano(n), romano);
}

void tst_Listas::etapas()
{
    const QStringList e = listas::etapas();
    QCOMPARE(e.size(), 25);
    QCOMPARE(e.first(), QStringLiteral("I"));
    QCOMPARE(e.last(), QStringLiteral("XXV"));
    const qsizetype xiv = e.indexOf(QStringLiteral("XIV"));
    QCOMPARE(xiv, 13);
    QCOMPARE(e.at(xiv - 1), QStringLiteral("XIII"));
    QCOMPARE(e.at(xiv + 1), QStringLiteral("XV"));
    // Fewer than 25 is never offered.
    QCOMPARE(listas::etapas(3).size(), 25);
}

void tst_Listas::etapasampliadas()
{
    const QStringList e = listas::etapas(70);
    QCOMPARE(e.size(), 70);
    QCOMPARE(e.last(), QStringLiteral("LXX"));
    for (int n = 1; n <= 70; ++n)
        QCOMPARE(listas::valorromano(e.at(n - 1)), n);
}

void tst_Listas::valorromano_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("valor");
    QTest::newRow("I") << QStringLiteral("I") << 1;
    QTest::newRow("XIV") << QStringLiteral("XIV") << 14;
    QTest::newRow("lower case") << QStringLiteral("xiv") << 14;
    QTest::newRow("LXX") << QStringLiteral("LXX") << 70;
    QTest::newRow("not canonical") << QStringLiteral("IIII") << 0;
    QTest::newRow("wrong order") << QStringLiteral("IC") << 0;
    QTest::newRow("other letters") << QStringLiteral("X1") << 0;
    QTest::newRow("empty") << QString() << 0;
}

void tst_Listas::valorromano()
{
    QFETCH(QString, texto);
    QFETCH(int, valor);
    QCOMPARE(listas::valorromano(texto), valor);
}

QTEST_APPLESS_MAIN(tst_Listas)
#include "tst_listas.moc"
