#include "irisdal.h"
#include "lorentzrapido.h"
#include "rutasprueba.h"

#include <QFile>
#include <QList>
#include <QTest>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

double relativa(double valor, double referencia)
{
    if (referencia == 0)
        return valor == 0 ? 0 : std::numeric_limits<double>::infinity();
    return std::abs(valor - referencia) / std::abs(referencia);
}

QList<double> aleatorios(std::size_t n, double desde, double hasta, unsigned semilla)
{
    std::mt19937_64 generador(semilla);
    std::uniform_real_distribution<double> reparto(desde, hasta);
    QList<double> v;
    for (std::size_t i = 0; i < n; ++i)
        v.append(reparto(generador));
    return v;
}

// Centres of a species as the Lorentz view reads them from the line table:
// wavelength with five decimals strictly inside the window, frequency with three.
bool centrosespecie(const QString &ruta, const QByteArray &elemento, const QByteArray &estado, int vmin, int vmax,
                    std::vector<double> &centros)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    archivo.readLine();
    while (!archivo.atEnd()) {
        const QList<QByteArray> campos = archivo.readLine().split(',');
        if (campos.size() < 3 || campos[1] != elemento || campos[2] != estado)
            continue;
        bool bien = false;
        const double londa = std::round(campos[0].toDouble(&bien) * 1e5) / 1e5;
        if (bien && vmin < londa && londa < vmax)
            centros.push_back(std::round(irisdal::londafreq(londa) * 1e3) / 1e3);
    }
    return true;
}

} // namespace

class tst_LorentzRapido : public QObject
{
    Q_OBJECT

    // The centre sets both checks run over; `grande` is the size of the random ones.
    static void conjuntos(std::size_t grande);

private slots:
    void acuerdoliteral_data() { conjuntos(40000); }
    void acuerdoliteral();
    // Smaller random sets: the literal top costs n^2 terms.
    void techo_data() { conjuntos(12000); }
    void techo();
    void reglatecho_data();
    void reglatecho();
    void vacio();
    void entradasnovalidas();
    void especiesreales_data();
    void especiesreales();
};

void tst_LorentzRapido::conjuntos(std::size_t grande)
{
    QTest::addColumn<QList<double>>("centros");
    QTest::addColumn<double>("gamma");
    const QList<double> grandes = aleatorios(grande, 0, 1000, 1);
    QList<double> grumos = aleatorios(3000, 100, 100 + 1e-6, 2);
    grumos.append(aleatorios(3000, 5000, 5000.001, 3));
    QList<double> escalones; // density growing geometrically: nodes of very different widths
    for (int i = 0; i < 3000; ++i)
        escalones.append(300 + std::pow(1.004, i));
    QTest::addRow("%zu aleatorios, gamma 1", grande) << grandes << 1.0;
    QTest::addRow("%zu aleatorios, gamma 1e-3", grande) << grandes << 1e-3;
    QTest::addRow("%zu aleatorios, gamma 10", grande) << grandes << 10.0;
    QTest::newRow("dos grumos lejanos, gamma 1e-3") << grumos << 1e-3;
    QTest::newRow("dos grumos lejanos, gamma 1") << grumos << 1.0;
    QTest::newRow("densidad geometrica") << escalones << 0.01;
    QTest::newRow("iguales") << QList<double>(5000, 700.25) << 1.0;
    QTest::newRow("iguales, gamma 1e-3") << QList<double>(5000, 700.25) << 1e-3;
    QTest::newRow("un centro") << QList<double>{599.58} << 1.0;
    QTest::newRow("dos centros") << QList<double>{599.58, 599.68} << 1e-3;
}

void tst_LorentzRapido::acuerdoliteral()
{
    QFETCH(QList<double>, centros);
    QFETCH(double, gamma);
    const SumaLorentzRapida suma(centros, gamma);
    // A dense grid reaching well beyond the centres, plus centres themselves.
    const auto [menor, mayor] = std::minmax_element(centros.cbegin(), centros.cend());
    const double margen = 20 * gamma + (*mayor - *menor) / 10;
    std::vector<double> xs;
    for (int i = 0; i <= 2000; ++i)
        xs.push_back(*menor - margen + (*mayor - *menor + 2 * margen) * i / 2000);
    for (qsizetype i = 0; i < centros.size(); i += 1 + centros.size() / 1000)
        xs.push_back(centros[i]);
    const std::vector<double> lote = suma.evaluar(xs);
    QCOMPARE(lote.size(), xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const double literal = irisdal::sumalorentz(xs[i], centros, gamma);
        const double uno = suma(xs[i]);
        if (relativa(uno, literal) > 1e-11 || relativa(lote[i], literal) > 1e-11)
            QFAIL(qPrintable(QStringLiteral("x = %1: literal %2, one point %3, many points %4")
                                 .arg(xs[i], 0, 'g', 17).arg(literal, 0, 'g', 17).arg(uno, 0, 'g', 17)
                                 .arg(lote[i], 0, 'g', 17)));
    }
}

void tst_LorentzRapido::techo()
{
    QFETCH(QList<double>, centros);
    QFETCH(double, gamma);
    const SumaLorentzRapida suma(centros, gamma);
    QVERIFY(relativa(techolorentz(centros, suma), techolorentzliteral(centros, gamma)) <= 1e-12);
}

void tst_LorentzRapido::reglatecho_data()
{
    QTest::addColumn<QList<double>>("centros");
    QTest::addColumn<double>("esperado");
    QTest::newRow("una linea") << QList<double>{500} << 5.0;
    // The first line sets the top, the second one's equal value does not exceed it.
    QTest::newRow("dos lineas a 0.1") << QList<double>{500, 500.1} << 4 + 1 / 0.26 + 1;
    // A later, higher value replaces the top: 4 + 1/0.26 + 1/(10^2 + 1/4) + 1.
    QTest::newRow("la segunda sube") << QList<double>{490, 500, 500.1}
                                     << 4 + 1 / 0.26 + 1 / 100.25 + 1;
    QTest::newRow("vacio") << QList<double>{} << 1.0;
}

void tst_LorentzRapido::reglatecho()
{
    QFETCH(QList<double>, centros);
    QFETCH(double, esperado);
    const SumaLorentzRapida suma(centros, 1.0);
    QVERIFY(relativa(techolorentz(centros, suma), esperado) <= 1e-12);
    QVERIFY(relativa(techolorentzliteral(centros, 1.0), esperado) <= 1e-12);
}

void tst_LorentzRapido::vacio()
{
    const SumaLorentzRapida suma({}, 1.0);
    for (const double x : {-1e6, 0.0, 599.58, 1e9})
        QCOMPARE(suma(x), 0.0);
    QCOMPARE(suma.evaluar(std::vector<double>{1.0, 2.0}), (std::vector<double>{0.0, 0.0}));
}

void tst_LorentzRapido::entradasnovalidas()
{
    // Widths and centres the tree cannot take must still give what the literal
    // sum gives (no crash in sorting a NaN, no infinity from a zero width).
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::vector<double> centros;
        double gamma;
    } casos[] = {{{500, 600}, 0.0}, {{500, 600}, -1.0}, {{500, nan, 600}, 1.0}, {{500, inf}, 1.0}, {{500, 600}, nan}};
    for (const auto &caso : casos) {
        const SumaLorentzRapida suma(caso.centros, caso.gamma);
        for (const double x : {500.0, 550.0, inf}) {
            QCOMPARE(suma(x), irisdal::sumalorentz(x, caso.centros, caso.gamma));
            QCOMPARE(suma.evaluar(std::vector<double>{x})[0], irisdal::sumalorentz(x, caso.centros, caso.gamma));
        }
    }
    // Points the tree cannot take, with valid centres; a zero width gives 0 even at a centre.
    const std::vector<double> centros{500, 600};
    QCOMPARE(SumaLorentzRapida(centros, 0.0)(500), 0.0);
    const SumaLorentzRapida suma(centros, 1.0);
    QCOMPARE(suma(inf), 0.0);
    QVERIFY(std::isnan(suma(nan)));
    const std::vector<double> lote = suma.evaluar(std::vector<double>{nan, 500, 1e200});
    QVERIFY(std::isnan(lote[0]));
    QVERIFY(relativa(lote[1], irisdal::sumalorentz(500, centros, 1.0)) <= 1e-11);
    QCOMPARE(lote[2], irisdal::sumalorentz(1e200, centros, 1.0));
}

void tst_LorentzRapido::especiesreales_data()
{
    QTest::addColumn<QByteArray>("elemento");
    QTest::addColumn<QByteArray>("estado");
    QTest::addColumn<int>("vmin");
    QTest::addColumn<int>("vmax");
    for (const char *especie : {"Fe II", "H I", "Th I"}) {
        const QList<QByteArray> partes = QByteArray(especie).split(' ');
        QTest::addRow("%s 1-50000 nm", especie) << partes[0] << partes[1] << 1 << 50000;
        QTest::addRow("%s 380-780 nm", especie) << partes[0] << partes[1] << 380 << 780;
    }
}

void tst_LorentzRapido::especiesreales()
{
    QFETCH(QByteArray, elemento);
    QFETCH(QByteArray, estado);
    QFETCH(int, vmin);
    QFETCH(int, vmax);
    const QString ruta = rutasprueba::datos(QStringLiteral("nist-lines.csv"));
    if (ruta.isEmpty())
        QSKIP("nist-lines.csv is not in the shared data folder");
    std::vector<double> centros;
    QVERIFY2(centrosespecie(ruta, elemento, estado, vmin, vmax, centros), qPrintable(ruta));
    QVERIFY(!centros.empty());
    const SumaLorentzRapida suma(centros, 1.0);
    constexpr int ancho = 624;
    for (int h = 0; h <= ancho; ++h) {
        const double x = irisdal::londafreq(vmin + double(h * (vmax - vmin)) / ancho);
        const double literal = irisdal::sumalorentz(x, centros, 1.0);
        QVERIFY2(relativa(suma(x), literal) <= 1e-11, qPrintable(QString::number(h)));
    }
    QVERIFY(relativa(techolorentz(centros, suma), techolorentzliteral(centros, 1.0)) <= 1e-12);
}

QTEST_APPLESS_MAIN(tst_LorentzRapido)
#include "tst_lorentzrapido.moc"
