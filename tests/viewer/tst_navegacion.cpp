#include "navegacion.h"

#include <QTest>

using navegacion::BotonIntervalo;
using navegacion::BotonLimite;

class tst_Navegacion : public QObject
{
    Q_OBJECT

private slots:
    void preset_data();
    void preset();
    void maxdownhastaellimite();
    void minuphastaellimite();
    void huecofallido();
    void rechazovuelvealacaja();
    void intervalosuva();
    void intervalobajahastaelinferior();
    void totalmueveporpasosde10();
};

void tst_Navegacion::preset_data()
{
    QTest::addColumn<int>("indice");
    QTest::addColumn<int>("intervalo");
    QTest::addColumn<int>("inf");
    QTest::addColumn<int>("sup");
    QTest::addColumn<int>("paso");
    QTest::addColumn<int>("maxinf");
    QTest::addColumn<int>("minsup");
    QTest::newRow("0 Irisdal Total") << 0 << 4999 << 2499 << 24999 << 1249 << 11 << 49990;
    QTest::newRow("1 Visible") << 1 << 40 << 20 << 200 << 10 << 390 << 770;
    QTest::newRow("2 Ultravioleta") << 2 << 37 << 18 << 189 << 9 << 11 << 370;
    QTest::newRow("3 UVA") << 3 << 6 << 3 << 30 << 1 << 330 << 370;
    QTest::newRow("4 UVB") << 4 << 6 << 3 << 30 << 1 << 270 << 310;
    QTest::newRow("5 UVC") << 5 << 6 << 3 << 30 << 1 << 210 << 250;
    QTest::newRow("6 Vacio") << 6 << 19 << 9 << 99 << 4 << 11 << 190;
    QTest::newRow("7 Infrarrojo") << 7 << 4922 << 2461 << 24610 << 1230 << 790 << 49990;
    QTest::newRow("8 Cercano") << 8 << 122 << 61 << 610 << 30 << 790 << 1990;
    QTest::newRow("9 Medio") << 9 << 4800 << 2400 << 24000 << 1200 << 2010 << 49990;
}

void tst_Navegacion::preset()
{
    QFETCH(int, indice);
    QFETCH(int, intervalo);
    QFETCH(int, inf);
    QFETCH(int, sup);
    QFETCH(int, paso);
    QFETCH(int, maxinf);
    QFETCH(int, minsup);
    VariablesPaso v;
    v.maxact = -1; // every variable is replaced
    const navegacion::TextosPreset t = navegacion::aplicarpreset(indice, v);
    const RangoPreset r = navegacion::presets[std::size_t(indice)];
    QCOMPARE(t.minimo, r.minimo);
    QCOMPARE(t.maximo, r.maximo);
    QCOMPARE(t.intervalo, intervalo);
    QCOMPARE(v.longact, intervalo);
    QCOMPARE(v.freqact, intervalo);
    QCOMPARE(v.longinf, inf);
    QCOMPARE(v.freqinf, inf);
    QCOMPARE(v.longsup, sup);
    QCOMPARE(v.freqsup, sup);
    QCOMPARE(v.longpaso, paso);
    QCOMPARE(v.freqpaso, paso);
    QCOMPARE(v.maxinf, maxinf);
    QCOMPARE(v.minsup, minsup);
    QCOMPARE(v.mininf, r.minimo);
    QCOMPARE(v.minact, r.minimo);
    QCOMPARE(v.maxsup, r.maximo);
    QCOMPARE(v.maxact, r.maximo);
    QCOMPARE(v.maxpaso, 10);
    QCOMPARE(v.minpaso, 10);
}

void tst_Navegacion::maxdownhastaellimite()
{
    VariablesPaso v;
    navegacion::aplicarpreset(1, v);
    qint32 caja = 780;
    for (int i = 1; i <= 39; ++i) {
        const auto paso = navegacion::pasolimite(BotonLimite::maxdown, caja, v);
        QVERIFY(paso && paso->texto);
        caja = *paso->texto;
        QCOMPARE(caja, 780 - 10 * i);
    }
    QCOMPARE(caja, 390);
    const VariablesPaso antes = v;
    QVERIFY(!navegacion::pasolimite(BotonLimite::maxdown, caja, v));
    QCOMPARE(v, antes);
}

void tst_Navegacion::minuphastaellimite()
{
    VariablesPaso v;
    navegacion::aplicarpreset(1, v);
    qint32 caja = 380;
    while (const auto paso = navegacion::pasolimite(BotonLimite::minup, caja, v)) {
        QVERIFY(paso->texto);
        caja = *paso->texto;
    }
    QCOMPARE(caja, 770);
    QCOMPARE(v.minact, 770);
}

void tst_Navegacion::huecofallido()
{
    // Minimum 770, maximum 780: the candidate 770 fails the gap test.
    VariablesPaso v;
    navegacion::aplicarpreset(1, v);
    v.minact = 770;
    const auto paso = navegacion::pasolimite(BotonLimite::maxdown, 780, v);
    QVERIFY(paso);            // accepted: the view is redrawn
    QVERIFY(!paso->texto);    // but txtmax keeps "780"
    QCOMPARE(v.maxact, 770);

    // Raising the maximum asks for more than 10 nm of gap.
    v.maxact = 780;
    v.minact = 760;
    v.maxsup = 800;
    QVERIFY(navegacion::pasolimite(BotonLimite::maxup, 770, v)->texto);
    v.minact = 770;
    QVERIFY(!navegacion::pasolimite(BotonLimite::maxup, 770, v)->texto);
    QCOMPARE(v.maxact, 780);
}

void tst_Navegacion::rechazovuelvealacaja()
{
    // After a failed gap test the variable differs from the box; a refused click resets it to the box.
    VariablesPaso v;
    navegacion::aplicarpreset(1, v);
    v.maxact = 770;
    QVERIFY(!navegacion::pasolimite(BotonLimite::maxup, 780, v));
    QCOMPARE(v.maxact, 780);
}

void tst_Navegacion::intervalosuva()
{
    VariablesPaso v;
    const navegacion::TextosPreset t = navegacion::aplicarpreset(3, v);
    qint32 caja = t.intervalo;
    for (int i = 0; i < 24; ++i) {
        const auto nuevo = navegacion::pasointervalo(BotonIntervalo::longup, caja, v);
        QVERIFY(nuevo);
        caja = *nuevo;
    }
    QCOMPARE(caja, 30);
    QVERIFY(!navegacion::pasointervalo(BotonIntervalo::longup, caja, v));
    QCOMPARE(v.longact, 30);
    // The frequency interval is independent.
    QCOMPARE(v.freqact, 6);
}

void tst_Navegacion::intervalobajahastaelinferior()
{
    VariablesPaso v; // start-up: 50, bounds 20..200, step 10
    QCOMPARE(navegacion::pasointervalo(BotonIntervalo::freqdown, 30, v), std::optional<qint32>(20));
    QCOMPARE(v.freqact, 20);
    QVERIFY(!navegacion::pasointervalo(BotonIntervalo::freqdown, 20, v));
    QCOMPARE(v.freqact, 20);
    QCOMPARE(navegacion::pasointervalo(BotonIntervalo::frequp, 190, v), std::optional<qint32>(200));
    QVERIFY(!navegacion::pasointervalo(BotonIntervalo::frequp, 200, v));
}

void tst_Navegacion::totalmueveporpasosde10()
{
    VariablesPaso v;
    navegacion::aplicarpreset(0, v);
    const auto paso = navegacion::pasolimite(BotonLimite::maxdown, 50000, v);
    QVERIFY(paso && paso->texto);
    QCOMPARE(*paso->texto, 49990);
    QCOMPARE(*navegacion::pasolimite(BotonLimite::minup, 1, v)->texto, 11);
    QVERIFY(!navegacion::pasolimite(BotonLimite::mindown, 1, v));
}

QTEST_APPLESS_MAIN(tst_Navegacion)
#include "tst_navegacion.moc"
