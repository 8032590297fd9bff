#include "irisdal.h"

#include <QTest>

#include <cmath>
#include <vector>

class tst_Irisdal : public QObject
{
    Q_OBJECT

private slots:
    void conversiones();
    void longitudcero();
    void colorlonda_data();
    void colorlonda();
    void colorempaquetado();
    void sumalorentz();
    void sumalorentzanchuracero();
};

void tst_Irisdal::conversiones()
{
    QCOMPARE(irisdal::londafreq(500), 599.58);
    QCOMPARE(irisdal::londacm(500), 20000.0);
    QCOMPARE(irisdal::londafreq(299790), 1.0);
}

void tst_Irisdal::longitudcero()
{
    // A row without a wavelength must not put infinities into the table.
    QCOMPARE(irisdal::londafreq(0), 0.0);
    QCOMPARE(irisdal::londacm(0), 0.0);
    const irisdal::ColorRgb c = irisdal::colorlonda(0);
    QCOMPARE(c.r + c.g + c.b, 0);
}

void tst_Irisdal::colorlonda_data()
{
    QTest::addColumn<double>("londa");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    const struct {
        double l;
        int r, g, b;
    } tabla[] = {{379, 0, 0, 0},     {380, 97, 0, 97},   {400, 131, 0, 181}, {420, 106, 0, 255},
                 {440, 0, 0, 255},   {465, 0, 146, 255}, {490, 0, 255, 255}, {500, 0, 255, 146},
                 {510, 0, 255, 0},   {550, 163, 255, 0}, {580, 255, 255, 0}, {600, 255, 190, 0},
                 {645, 255, 0, 0},   {700, 255, 0, 0},   {740, 181, 0, 0},   {780, 97, 0, 0},
                 {781, 0, 0, 0}};
    for (const auto &f : tabla)
        QTest::addRow("%g nm", f.l) << f.l << f.r << f.g << f.b;
}

void tst_Irisdal::colorlonda()
{
    QFETCH(double, londa);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    std::int16_t cr = -1, cg = -1, cb = -1;
    irisdal::colorlonda(londa, cr, cg, cb);
    QCOMPARE(int(cr), r);
    QCOMPARE(int(cg), g);
    QCOMPARE(int(cb), b);
}

void tst_Irisdal::colorempaquetado()
{
    QCOMPARE(irisdal::colorempaquetado({97, 0, 97}), 97 + 65536 * 97);
    QCOMPARE(irisdal::colorempaquetado({255, 190, 0}), 255 + 256 * 190);
}

void tst_Irisdal::sumalorentz()
{
    const std::vector<double> uno{500};
    QCOMPARE(irisdal::sumalorentz(500, uno, 2), 2.0);
    QCOMPARE(irisdal::sumalorentz(499, uno, 2), 1.0);
    QCOMPARE(irisdal::sumalorentz(501, uno, 2), 1.0);
    // Peak 4/gamma, half of it at gamma/2 from the centre.
    QCOMPARE(irisdal::sumalorentz(10, std::vector<double>{10}, 1), 4.0);
    QCOMPARE(irisdal::sumalorentz(10.5, std::vector<double>{10}, 1), 2.0);

    const std::vector<double> dos{100, 100.1};
    QVERIFY(std::abs(irisdal::sumalorentz(100, dos, 1) - (4 + 1 / 0.26)) < 1e-12);

    for (const double x : {-1e6, 0.0, 3.5, 1e9})
        QCOMPARE(irisdal::sumalorentz(x, {}, 1), 0.0);
}

void tst_Irisdal::sumalorentzanchuracero()
{
    // Zero width: the profile degenerates to nothing; no NaN or infinity escapes.
    const std::vector<double> centros{500, 600};
    QCOMPARE(irisdal::sumalorentz(500, centros, 0), 0.0);
    QCOMPARE(irisdal::sumalorentz(550, centros, 0), 0.0);
    QVERIFY(std::isfinite(irisdal::sumalorentz(500, centros, -1)));
}

QTEST_APPLESS_MAIN(tst_Irisdal)
#include "tst_irisdal.moc"
