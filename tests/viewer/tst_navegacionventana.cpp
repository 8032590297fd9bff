#include "almacenprueba.h"
#include "escala.h"
#include "lienzo.h"
#include "ventanaprueba.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class tst_NavegacionVentana : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void presetuva();
    void presettotal();
    void maxdownhastaellimite();
    void minuphastaellimite();
    void huecofallido();
    void intervalos();
    void chklong();
    void chkfreq();
    void ventanatecleadaybotones();
    void flechas();

private:
    QLineEdit *caja(const char *nombre) const { return m_prueba->control<QLineEdit>(nombre); }
    void pulsar(const char *boton) const { m_prueba->pulsar(boton); }
    quint64 dibujos() const { return m_prueba->ventana().espectro().dibujos(); }

    QTemporaryDir m_dir;
    std::unique_ptr<VentanaPrueba> m_prueba;
};

void tst_NavegacionVentana::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    const QString error = almacenprueba::crear(m_dir.filePath(QStringLiteral("lineasNist.sqlite")),
                                               {{656.279, QStringLiteral("H"), QStringLiteral("I")},
                                                {486.135, QStringLiteral("H"), QStringLiteral("I")}});
    QVERIFY2(error.isEmpty(), qPrintable(error));
}

void tst_NavegacionVentana::init()
{
    m_prueba = std::make_unique<VentanaPrueba>(m_dir.path());
}

void tst_NavegacionVentana::cleanup()
{
    m_prueba.reset();
}

void tst_NavegacionVentana::presetuva()
{
    pulsar("optspect_3");
    QCOMPARE(caja("txtmin")->text(), QStringLiteral("320"));
    QCOMPARE(caja("txtmax")->text(), QStringLiteral("380"));
    QCOMPARE(caja("txtintlonda")->text(), QStringLiteral("6"));
    QCOMPARE(caja("txtintfreq")->text(), QStringLiteral("6"));
    const VariablesPaso &v = m_prueba->ventana().variables();
    QCOMPARE(v.longinf, 3);
    QCOMPARE(v.longsup, 30);
    QCOMPARE(v.longpaso, 1);
    for (int i = 0; i < 24; ++i)
        pulsar("btlongup");
    QCOMPARE(caja("txtintlonda")->text(), QStringLiteral("30"));
    const quint64 antes = dibujos();
    pulsar("btlongup");
    QCOMPARE(caja("txtintlonda")->text(), QStringLiteral("30"));
    QCOMPARE(dibujos(), antes);
    // The UV window lies outside the visible range: a black field.
    const QImage &img = m_prueba->ventana().espectro().imagen();
    QCOMPARE(img.pixel(img.width() / 3, img.height() / 2), qRgb(0, 0, 0));
}

void tst_NavegacionVentana::presettotal()
{
    pulsar("optspect_0");
    QCOMPARE(caja("txtintlonda")->text(), QStringLiteral("4999"));
    const QImage &barra = m_prueba->ventana().total().imagen();
    for (int x = 0; x < barra.width(); ++x)
        QCOMPARE(barra.pixel(x, barra.height() / 2), qRgb(255, 0, 0));
    pulsar("btmaxdown");
    QCOMPARE(caja("txtmax")->text(), QStringLiteral("49990"));
    pulsar("btminup");
    QCOMPARE(caja("txtmin")->text(), QStringLiteral("11"));

    // Back to Visible: the mark shrinks to 380..780 again.
    pulsar("optspect_1");
    const Lienzo &total = m_prueba->ventana().total();
    QCOMPARE(total.imagen().pixel(total.apixel(30000, 0)), qRgb(0, 0, 0));
    QCOMPARE(total.imagen().pixel(total.apixel(580, 0)), qRgb(255, 0, 0));
    QCOMPARE(caja("txtintlonda")->text(), QStringLiteral("40"));
}

void tst_NavegacionVentana::maxdownhastaellimite()
{
    pulsar("optspect_1");
    for (int i = 1; i <= 39; ++i) {
        pulsar("btmaxdown");
        QCOMPARE(caja("txtmax")->text(), QString::number(780 - 10 * i));
    }
    const quint64 antes = dibujos();
    const QImage imagen = m_prueba->ventana().espectro().imagen().copy();
    pulsar("btmaxdown");
    QCOMPARE(caja("txtmax")->text(), QStringLiteral("390"));
    QCOMPARE(dibujos(), antes);
    QCOMPARE(m_prueba->ventana().espectro().imagen(), imagen);
}

void tst_NavegacionVentana::minuphastaellimite()
{
    pulsar("optspect_1");
    for (int i = 0; i < 60; ++i)
        pulsar("btminup");
    QCOMPARE(caja("txtmin")->text(), QStringLiteral("770"));
    QCOMPARE(m_prueba->ventana().variables().minact, 770);
}

void tst_NavegacionVentana::huecofallido()
{
    pulsar("optspect_1");
    for (int i = 0; i < 39; ++i)
        pulsar("btminup");
    QCOMPARE(caja("txtmin")->text(), QStringLiteral("770"));
    const quint64 antes = dibujos();
    pulsar("btmaxdown");
    QCOMPARE(caja("txtmax")->text(), QStringLiteral("780"));
    QCOMPARE(m_prueba->ventana().variables().maxact, 770);
    QVERIFY(dibujos() > antes); // redrawn, unchanged
}

void tst_NavegacionVentana::intervalos()
{
    for (int i = 0; i < 3; ++i)
        pulsar("btlongdown");
    QCOMPARE(caja("txtintlonda")->text(), QStringLiteral("20"));
    const quint64 antes = dibujos();
    pulsar("btlongdown");
    QCOMPARE(caja("txtintlonda")->text(), QStringLiteral("20"));
    QCOMPARE(dibujos(), antes);
    QCOMPARE(m_prueba->ventana().escalalonda().numero(), 21); // 380, 400, ..., 780
    QCOMPARE(m_prueba->ventana().escalafreq().numero(), 9);

    pulsar("btfrequp");
    QCOMPARE(caja("txtintfreq")->text(), QStringLiteral("60"));
    QCOMPARE(m_prueba->ventana().escalafreq().numero(), 7); // 380, 440, ..., 740

    // In the Lorentz view the interval buttons are out of reach.
    pulsar("optirisdal_1");
    QVERIFY(!m_prueba->control<QPushButton>("btfrequp")->isEnabled());
}

void tst_NavegacionVentana::chklong()
{
    const Escala &escala = m_prueba->ventana().escalalonda();
    const QImage &img = m_prueba->ventana().espectro().imagen();
    const int x530 = int(std::nearbyint((530 - 380) * m_prueba->ventana().espectro().escalaancho() / 400));
    QCOMPARE(img.pixel(x530, img.height() - 1), qRgb(0, 0, 0));

    pulsar("chklong");
    for (QLabel *l : escala.etiquetas())
        QVERIFY(!l->isVisible());
    QVERIFY(img.pixel(x530, img.height() - 1) != qRgb(0, 0, 0)); // the band, no tick
    QCOMPARE(img.pixel(x530, 0), qRgb(0, 0, 0));                 // the frequency tick stays

    pulsar("chklong");
    int visibles = 0;
    for (QLabel *l : escala.etiquetas())
        visibles += l->isVisible();
    QCOMPARE(visibles, 9);
    QCOMPARE(img.pixel(x530, img.height() - 1), qRgb(0, 0, 0));
}

void tst_NavegacionVentana::chkfreq()
{
    pulsar("chkfreq");
    for (QLabel *l : m_prueba->ventana().escalafreq().etiquetas())
        QVERIFY(!l->isVisible());
    // While hidden, a window change leaves the frequency labels alone.
    pulsar("optspect_8");
    for (QLabel *l : m_prueba->ventana().escalafreq().etiquetas())
        QVERIFY(!l->isVisible());
    pulsar("chkfreq");
    QCOMPARE(m_prueba->ventana().escalafreq().numero(), 11); // 780 + k * 122 up to 2000
    QCOMPARE(m_prueba->ventana().escalafreq().etiquetas().front()->text(), QStringLiteral("384"));
}

void tst_NavegacionVentana::ventanatecleadaybotones()
{
    m_prueba->teclear("txtmin", QStringLiteral("500"));
    QCOMPARE(caja("txtmin")->text(), QStringLiteral("500"));
    pulsar("btmindown");
    QCOMPARE(caja("txtmin")->text(), QStringLiteral("490"));
    m_prueba->teclear("txtmax", QStringLiteral("505"));
    // The gap test uses the variables: 505 - 10 = 495 against the minimum 490 leaves 5 nm.
    pulsar("btmaxdown");
    QCOMPARE(caja("txtmax")->text(), QStringLiteral("505"));
    QCOMPARE(m_prueba->ventana().variables().maxact, 495);
}

void tst_NavegacionVentana::flechas()
{
    QCOMPARE(m_prueba->control<QPushButton>("btmaxup")->text(), QStringLiteral("▲"));
    QCOMPARE(m_prueba->control<QPushButton>("btmaxdown")->text(), QStringLiteral("▼"));
    // Space on a focused arrow button clicks it, as anywhere in Qt.
    auto *b = m_prueba->control<QPushButton>("btmaxdown");
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Space);
    QCOMPARE(caja("txtmax")->text(), QStringLiteral("770"));
}

QTEST_MAIN(tst_NavegacionVentana)
#include "tst_navegacionventana.moc"
