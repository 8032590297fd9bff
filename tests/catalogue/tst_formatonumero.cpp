#include "formatonumero.h"

#include <QRandomGenerator>
#include <QTest>

#include <charconv>
#include <cmath>
#include <string>

namespace {

// What reading back the "C" text of `valor` with `decimales` decimals gives: the reference
// that valormostrado must equal exactly.
double textoyvuelta(double valor, int decimales)
{
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::fixed, decimales);
    double v = 0;
    std::from_chars(buf, r.ptr, v);
    return v;
}

} // namespace

class tst_FormatoNumero : public QObject
{
    Q_OBJECT

private slots:
    void formatodecimal_data();
    void formatodecimal();
    void redondearentero_data();
    void redondearentero();
    void leernumero_data();
    void leernumero();
    void valormostradoigualtexto_data();
    void valormostradoigualtexto();
    void valormostradocoincideconloquesemuestra();
};

void tst_FormatoNumero::formatodecimal_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("decimales");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("texto");
    const QLocale c = QLocale::c();
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("five decimals") << 500.0 << 5 << c << QStringLiteral("500.00000");
    QTest::newRow("three decimals es") << 599.58 << 3 << es << QStringLiteral("599,580");
    QTest::newRow("no thousands separator es") << 20000.0 << 3 << es << QStringLiteral("20000,000");
    QTest::newRow("no thousands separator en") << 1234567.0 << 2 << en << QStringLiteral("1234567.00");
    QTest::newRow("leading zero") << 0.25 << 3 << c << QStringLiteral("0.250");
    QTest::newRow("rounds up") << 656.279996 << 5 << c << QStringLiteral("656.28000");
    QTest::newRow("whole number") << 401.6 << 0 << es << QStringLiteral("402");
    QTest::newRow("negative") << -12.5 << 2 << es << QStringLiteral("-12,50");
    QTest::newRow("negative rounding to zero") << -0.0001 << 3 << c << QStringLiteral("0.000");
}

void tst_FormatoNumero::formatodecimal()
{
    QFETCH(double, valor);
    QFETCH(int, decimales);
    QFETCH(QLocale, locale);
    QFETCH(QString, texto);
    QCOMPARE(formatonumero::formatodecimal(valor, decimales, locale), texto);
}

void tst_FormatoNumero::redondearentero_data()
{
    QTest::addColumn<double>("valor");
    QTest::addColumn<int>("entero");
    QTest::newRow("400.5 to even") << 400.5 << 400;
    QTest::newRow("401.5 to even") << 401.5 << 402;
    QTest::newRow("400.6") << 400.6 << 401;
    QTest::newRow("400.4") << 400.4 << 400;
    QTest::newRow("-2.5 to even") << -2.5 << -2;
    QTest::newRow("-3.5 to even") << -3.5 << -4;
    QTest::newRow("above range") << 1e12 << std::numeric_limits<qint32>::max();
    QTest::newRow("below range") << -1e12 << std::numeric_limits<qint32>::min();
    QTest::newRow("nan") << std::nan("") << 0;
}

void tst_FormatoNumero::redondearentero()
{
    QFETCH(double, valor);
    QFETCH(int, entero);
    QCOMPARE(formatonumero::redondearentero(valor), entero);
}

void tst_FormatoNumero::leernumero_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("valido");
    QTest::addColumn<double>("valor");
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("comma in es") << QStringLiteral("400,5") << es << true << 400.5;
    QTest::newRow("plain digits in es") << QStringLiteral("780") << es << true << 780.0;
    QTest::newRow("point in es is a decimal point, not a group mark")
        << QStringLiteral("400.5") << es << true << 400.5;
    QTest::newRow("point in en") << QStringLiteral("400.5") << en << true << 400.5;
    QTest::newRow("spaces around") << QStringLiteral("  380 ") << en << true << 380.0;
    QTest::newRow("negative") << QStringLiteral("-1,25") << es << true << -1.25;
    QTest::newRow("comma in en is no number") << QStringLiteral("400,5") << en << false << 0.0;
    QTest::newRow("empty") << QString() << es << false << 0.0;
    QTest::newRow("letters") << QStringLiteral("abc") << es << false << 0.0;
    QTest::newRow("trailing letters") << QStringLiteral("12nm") << en << false << 0.0;
    QTest::newRow("infinity") << QStringLiteral("inf") << en << false << 0.0;
}

void tst_FormatoNumero::leernumero()
{
    QFETCH(QString, texto);
    QFETCH(QLocale, locale);
    QFETCH(bool, valido);
    QFETCH(double, valor);
    const std::optional<double> v = formatonumero::leernumero(texto, locale);
    QCOMPARE(v.has_value(), valido);
    if (valido)
        QCOMPARE(*v, valor);
}

void tst_FormatoNumero::valormostradoigualtexto_data()
{
    QTest::addColumn<int>("decimales");
    QTest::newRow("3") << 3;
    QTest::newRow("5") << 5;
    QTest::newRow("0") << 0;
}

// The fast rounding must give exactly the double that formatting and reading back gives, also
// on decimal ties and on values one ulp either side of them.
void tst_FormatoNumero::valormostradoigualtexto()
{
    QFETCH(int, decimales);
    QRandomGenerator azar(20240607u + static_cast<quint32>(decimales));
    const double escala = std::pow(10.0, decimales);
    int comprobados = 0;
    for (int i = 0; i < 200000; ++i) {
        // Wavelengths from 1e-3 to 1e6 nm, spread over the decades.
        const double x = std::pow(10.0, -3 + 9 * azar.generateDouble());
        const double candidatos[] = {x, (std::floor(x * escala) + 0.5) / escala};
        for (double c : candidatos) {
            for (double v : {std::nextafter(c, 0.0), c, std::nextafter(c, 1e300), -c}) {
                QCOMPARE(formatonumero::valormostrado(v, decimales), textoyvuelta(v, decimales) + 0.0);
                ++comprobados;
            }
        }
    }
    // Exact binary ties (k + 1/2^n) are where the text rounds half to even.
    for (int k = 0; k < 4000; ++k) {
        const double v = (k + 0.5) / escala;
        QCOMPARE(formatonumero::valormostrado(v, decimales), textoyvuelta(v, decimales) + 0.0);
        const double w = k + 0.125;
        QCOMPARE(formatonumero::valormostrado(w, decimales), textoyvuelta(w, decimales) + 0.0);
    }
    QVERIFY(comprobados > 1000000);
}

void tst_FormatoNumero::valormostradocoincideconloquesemuestra()
{
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    for (double v : {656.279996, 588.995095, 0.000004, 13270.123455, 1e-9}) {
        const double mostrado = formatonumero::valormostrado(v, 5);
        const QString texto = formatonumero::formatodecimal(v, 5, es);
        QCOMPARE(formatonumero::leernumero(texto, es).value(), mostrado);
        QCOMPARE(formatonumero::formatodecimal(mostrado, 5, es), texto);
    }
}

QTEST_APPLESS_MAIN(tst_FormatoNumero)
#include "tst_formatonumero.moc"
