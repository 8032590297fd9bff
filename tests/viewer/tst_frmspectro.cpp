#include "almacenprueba.h"
#include "escala.h"
#include "frmspectro.h"
#include "idiomas.h"
#include "irisdal.h"
#include "lienzo.h"
#include "rutasprueba.h"
#include "tablalineas.h"
#include "ventanaprueba.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <memory>

namespace {

// Neutral hydrogen as the test store holds it, plus a few lines of other species for the
// Lorentz cases. Wavelengths in nm.
const std::vector<double> lineasH{121.567, 370.39, 397.0075, 410.1734, 434.0472, 486.135, 656.279, 1875.1};

std::vector<almacenprueba::Fila> filasprueba()
{
    std::vector<almacenprueba::Fila> filas;
    for (const double l : lineasH)
        filas.push_back({l, QStringLiteral("H"), QStringLiteral("I")});
    // Two lines 0.1 THz apart: 599.580 and 599.680 THz as the table shows them.
    filas.push_back({500.0, QStringLiteral("He"), QStringLiteral("I")});
    filas.push_back({499.91662, QStringLiteral("He"), QStringLiteral("I")});
    // Lines exactly on the bounds of 380..780 and one inside.
    for (const double l : {380.0, 600.0, 780.0})
        filas.push_back({l, QStringLiteral("Li"), QStringLiteral("I")});
    // More lines than a 16-bit count holds.
    for (int i = 0; i < 40000; ++i)
        filas.push_back({400.0 + i * 0.01, QStringLiteral("Be"), QStringLiteral("I")});
    return filas;
}

QRgb pixel(const Lienzo &lienzo, int x)
{
    return lienzo.imagen().pixel(x, lienzo.imagen().height() / 2);
}

QString rgbtexto(QRgb c)
{
    return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

} // namespace

class tst_Frmspectro : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void arranque();
    void cargasindibujo();
    void bandavisible();
    void ventanafueradelvisible();
    void sinabsorcion();
    void escalasalarrancar();
    void escalasnocrecen();
    void lecturapuntero();
    void cambiodeespecie();
    void lorentzvacio();
    void lorentzunalinea();
    void lorentzdoslineas();
    void lorentzlimites();
    void lorentzanchura();
    void lorentzmuchaslineas();
    void cambiodevista();
    void repintadosindibujo();
    void ventanatecleada_data();
    void ventanatecleada();
    void ventanatecleadarechazada_data();
    void ventanatecleadarechazada();
    void almacenausente();
    void anchuracero();

private:
    int columna(double londa) const;
    template<typename T>
    T *control(const char *nombre) const
    {
        return m_prueba->control<T>(nombre);
    }
    void elegir(const QString &elemento, const QString &tipo) const { m_prueba->elegir(elemento, tipo); }
    void teclear(const char *caja, const QString &texto) const { m_prueba->teclear(caja, texto); }

    QTemporaryDir m_dir;
    std::unique_ptr<VentanaPrueba> m_prueba;
    frmspectro *m_ventana = nullptr;
};

void tst_Frmspectro::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QVERIFY(m_dir.isValid());
    const QString error = almacenprueba::crear(m_dir.filePath(QStringLiteral("lineasNist.sqlite")), filasprueba());
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QString lng = rutasprueba::runtime() + QStringLiteral("/idioma.lng");
    QVERIFY2(idiomas::comprobarfichero(lng).isEmpty(), qPrintable(lng));
}

void tst_Frmspectro::init()
{
    m_prueba = std::make_unique<VentanaPrueba>(m_dir.path());
    m_ventana = &m_prueba->ventana();
}

void tst_Frmspectro::cleanup()
{
    m_ventana = nullptr;
    m_prueba.reset();
}

int tst_Frmspectro::columna(double londa) const
{
    const double w = m_ventana->espectro().escalaancho();
    return int(std::nearbyint((londa - 380) * w / 400));
}

void tst_Frmspectro::arranque()
{
    QVERIFY(m_prueba->avisos().isEmpty());
    QVERIFY(control<QRadioButton>("optirisdal_0")->isChecked());
    QVERIFY(control<QCheckBox>("chkabsorcion")->isChecked());
    QVERIFY(control<QCheckBox>("chklong")->isChecked());
    QVERIFY(control<QCheckBox>("chkfreq")->isChecked());
    QVERIFY(control<QRadioButton>("optspect_1")->isChecked());
    QVERIFY(m_ventana->espectro().isVisible());
    QVERIFY(!m_ventana->espectrolorentz().isVisible());
    for (const char *oculto : {"lblgamma", "txtgamma", "updgamma"})
        QVERIFY2(!control<QWidget>(oculto)->isVisible(), oculto);
    QCOMPARE(control<QLineEdit>("txtmin")->text(), QStringLiteral("380"));
    QCOMPARE(control<QLineEdit>("txtmax")->text(), QStringLiteral("780"));
    QCOMPARE(m_ventana->tabla().numerolineas(), int(lineasH.size()));
    QCOMPARE(m_ventana->variables(), VariablesPaso{});

    // Captions come from the language file.
    QCOMPARE(control<QRadioButton>("optspect_1")->text(), idiomas::cadena(5));
    QCOMPARE(control<QLabel>("lblgamma")->text(), idiomas::cadena(14) + QLatin1Char(':'));
    QCOMPARE(control<QPushButton>("btacercade")->text(), idiomas::cadena(27) + QStringLiteral("..."));
    QCOMPARE(control<QRadioButton>("optspect_3")->text(), QStringLiteral("UVA"));
    QVERIFY(!idiomas::cadena(5).isEmpty());

    // Pictures: 15 twips a pixel, the bottom-left pixel scale.
    const Lienzo &e = m_ventana->espectro();
    QCOMPARE(e.escalaancho(), double(e.imagen().width() - 1));
    QCOMPARE(e.escalaalto(), -double(e.imagen().height() - 1));
    QCOMPARE(m_ventana->width(), 673);
}

void tst_Frmspectro::cargasindibujo()
{
    frmspectro oculta(m_dir.path(), nullptr, [](const QString &, const QString &) {});
    const QImage &img = oculta.espectro().imagen();
    QVERIFY(!img.isNull());
    QCOMPARE(img.pixel(img.width() / 2, img.height() / 2), qRgb(255, 255, 255));
    QCOMPARE(oculta.escalalonda().numero(), 0);
    // The overview bar is marked at load: 380..780 red, the rest black.
    const Lienzo &barra = oculta.total();
    QCOMPARE(barra.imagen().pixel(barra.apixel(580, 0)), qRgb(255, 0, 0));
    QCOMPARE(barra.imagen().pixel(barra.apixel(20000, 0)), qRgb(0, 0, 0));
}

void tst_Frmspectro::bandavisible()
{
    const Lienzo &e = m_ventana->espectro();
    const int w = int(e.escalaancho());
    QCOMPARE(rgbtexto(pixel(e, 0)), QStringLiteral("(97, 0, 97)"));
    QCOMPARE(rgbtexto(pixel(e, w)), QStringLiteral("(97, 0, 0)"));
    const irisdal::ColorRgb c = irisdal::colorlonda(380 + 400.0 * 100 / w);
    QCOMPARE(pixel(e, 100), qRgb(c.r, c.g, c.b));
    // The H-alpha stroke, black on the band, over the whole height.
    const int x = columna(656.279);
    QCOMPARE(pixel(e, x), qRgb(0, 0, 0));
    QCOMPARE(e.imagen().pixel(x, 0), qRgb(0, 0, 0));
    QCOMPARE(e.imagen().pixel(x, e.imagen().height() - 1), qRgb(0, 0, 0));
    QVERIFY(pixel(e, x + 3) != qRgb(0, 0, 0));
}

void tst_Frmspectro::ventanafueradelvisible()
{
    teclear("txtmax", QStringLiteral("500"));
    teclear("txtmin", QStringLiteral("300"));
    QCOMPARE(control<QLineEdit>("txtmin")->text(), QStringLiteral("300"));
    const Lienzo &e = m_ventana->espectro();
    const double w = e.escalaancho();
    const int x370 = int(std::nearbyint((370.39 - 300) * w / 200));
    const int x434 = int(std::nearbyint((434.0472 - 300) * w / 200));
    QCOMPARE(pixel(e, x370), qRgb(255, 255, 255));
    QCOMPARE(pixel(e, x434), qRgb(0, 0, 0));
    QCOMPARE(pixel(e, x434 + 4), qRgb(0, 0, 0));

    // Back to the visible range: the band again, no trace of the black field.
    teclear("txtmin", QStringLiteral("380"));
    teclear("txtmax", QStringLiteral("780"));
    QCOMPARE(rgbtexto(pixel(e, 0)), QStringLiteral("(97, 0, 97)"));
}

void tst_Frmspectro::sinabsorcion()
{
    control<QCheckBox>("chkabsorcion")->click();
    const Lienzo &e = m_ventana->espectro();
    const int x = columna(656.279);
    const irisdal::ColorRgb c = irisdal::colorlonda(380 + 400.0 * x / e.escalaancho());
    QCOMPARE(pixel(e, x), qRgb(c.r, c.g, c.b));
    QCOMPARE(m_ventana->escalalonda().numero(), 9);
}

void tst_Frmspectro::escalasalarrancar()
{
    const QStringList longitudes{QStringLiteral("380"), QStringLiteral("430"), QStringLiteral("480"),
                                 QStringLiteral("530"), QStringLiteral("580"), QStringLiteral("630"),
                                 QStringLiteral("680"), QStringLiteral("730"), QStringLiteral("780")};
    const QStringList frecuencias{QStringLiteral("789"), QStringLiteral("697"), QStringLiteral("625"),
                                  QStringLiteral("566"), QStringLiteral("517"), QStringLiteral("476"),
                                  QStringLiteral("441"), QStringLiteral("411"), QStringLiteral("384")};
    const Escala *escalas[] = {&m_ventana->escalalonda(), &m_ventana->escalafreq()};
    const QStringList *textos[] = {&longitudes, &frecuencias};
    const Lienzo &e = m_ventana->espectro();
    for (int s = 0; s < 2; ++s) {
        const auto &etiquetas = escalas[s]->etiquetas();
        QCOMPARE(int(etiquetas.size()), 9);
        for (int i = 0; i < 9; ++i) {
            QLabel *l = etiquetas[std::size_t(i)];
            QVERIFY(l->isVisible());
            QCOMPARE(l->text(), textos[s]->at(i));
            const bool negro = i == 2 || i == 3 || i == 4; // 480, 530, 580 nm
            QCOMPARE(l->palette().color(QPalette::WindowText), negro ? QColor(Qt::black) : QColor(Qt::white));
        }
    }
    // The 530 nm tick: black, from the bottom edge up a fifth of the height.
    const int x = columna(530);
    const QImage &img = e.imagen();
    QCOMPARE(img.pixel(x, img.height() - 1), qRgb(0, 0, 0));
    QCOMPARE(img.pixel(x, 0), qRgb(0, 0, 0)); // the frequency tick at the top
    const irisdal::ColorRgb c = irisdal::colorlonda(380 + 400.0 * x / e.escalaancho());
    QCOMPARE(img.pixel(x, img.height() / 2), qRgb(c.r, c.g, c.b));
    // The last tick stands on the right edge with its label centred there.
    QLabel *ultima = m_ventana->escalalonda().etiquetas().back();
    QVERIFY(std::abs(ultima->geometry().center().x() - (e.contentsRect().left() + int(e.escalaancho()))) <= 1);
}

void tst_Frmspectro::escalasnocrecen()
{
    for (int i = 0; i < 5; ++i)
        m_ventana->redibujar();
    QCOMPARE(int(m_ventana->escalalonda().etiquetas().size()), 9);
    teclear("txtmin", QStringLiteral("400"));
    QCOMPARE(m_ventana->escalalonda().numero(), 8); // 400, 450, ..., 750
    QCOMPARE(int(m_ventana->escalalonda().etiquetas().size()), 8);
    teclear("txtmin", QStringLiteral("380"));
    QCOMPARE(int(m_ventana->escalalonda().etiquetas().size()), 9);
    int visibles = 0;
    for (QLabel *l : m_ventana->escalalonda().etiquetas())
        visibles += l->isVisible();
    QCOMPARE(visibles, 9);
}

void tst_Frmspectro::lecturapuntero()
{
    Lienzo &e = m_ventana->espectro();
    const QPointF local = QPointF(e.contentsRect().topLeft()) + QPointF(e.escalaancho() / 2, 10);
    QMouseEvent mover(QEvent::MouseMove, local, e.mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&e, &mover);
    QCOMPARE(control<QLabel>("lblonda")->text(), QStringLiteral("580.00"));
    QCOMPARE(control<QLabel>("lbfreq")->text(), QStringLiteral("516.88"));
    const irisdal::ColorRgb c = irisdal::colorlonda(580);
    QCOMPARE(control<QWidget>("pctlonda")->palette().color(QPalette::Base), QColor(c.r, c.g, c.b));

    // The overview bar names the whole nm under the pointer.
    Lienzo &barra = m_ventana->total();
    const QPointF enbarra(barra.contentsRect().left() + barra.anchopixeles() / 2.0, 2);
    QMouseEvent sobrebarra(QEvent::MouseMove, enbarra, barra.mapToGlobal(enbarra), Qt::NoButton, Qt::NoButton,
                           Qt::NoModifier);
    QCoreApplication::sendEvent(&barra, &sobrebarra);
    const double bajopuntero = barra.usuariox(barra.anchopixeles() / 2.0);
    QVERIFY2(std::abs(barra.toolTip().toDouble() - bajopuntero) <= 0.5, qPrintable(barra.toolTip()));
    QVERIFY(std::abs(bajopuntero - 25000) < 100);
}

void tst_Frmspectro::cambiodeespecie()
{
    elegir(QStringLiteral("He"), QStringLiteral("I"));
    QCOMPARE(m_ventana->tabla().numerolineas(), 2);
    elegir(QStringLiteral("he"), QStringLiteral("i"));
    QCOMPARE(m_ventana->tabla().numerolineas(), 2);
    elegir(QStringLiteral("H'"), QStringLiteral("I"));
    QCOMPARE(m_ventana->tabla().numerolineas(), 0);
    QVERIFY(m_prueba->avisos().isEmpty());
    // An empty result draws the band alone.
    const Lienzo &e = m_ventana->espectro();
    const int x = columna(656.279);
    QVERIFY(pixel(e, x) != qRgb(0, 0, 0));
}

void tst_Frmspectro::lorentzvacio()
{
    teclear("txtmin", QStringLiteral("700"));
    control<QRadioButton>("optirisdal_1")->click();
    QVERIFY(m_ventana->espectrolorentz().isVisible());
    QVERIFY(!m_ventana->espectro().isVisible());
    QVERIFY(control<QWidget>("txtgamma")->isVisible());
    QVERIFY(!control<QWidget>("frmintervalos")->isEnabled());
    const Lienzo &l = m_ventana->espectrolorentz();
    QCOMPARE(m_ventana->lineaslorentz(), 0);
    QCOMPARE(l.escalaarriba(), 1.0);
    const QImage &img = l.imagen();
    const int fondo = img.height() - 1;
    for (const int x : {0, img.width() / 2, img.width() - 1})
        QCOMPARE(img.pixel(x, fondo), qRgb(255, 0, 0));
    QVERIFY(img.pixel(img.width() / 2, fondo - 3) != qRgb(255, 0, 0));
}

void tst_Frmspectro::lorentzunalinea()
{
    teclear("txtmin", QStringLiteral("650"));
    teclear("txtmax", QStringLiteral("660"));
    control<QRadioButton>("optirisdal_1")->click();
    QCOMPARE(m_ventana->lineaslorentz(), 1);
    QCOMPARE(m_ventana->espectrolorentz().escalaarriba(), 5.0);
    // The peak reaches four fifths of the height.
    const QImage &img = m_ventana->espectrolorentz().imagen();
    int alto = img.height();
    for (int y = 0; y < img.height(); ++y) {
        bool rojo = false;
        for (int x = 0; x < img.width() && !rojo; ++x)
            rojo = img.pixel(x, y) == qRgb(255, 0, 0);
        if (rojo) {
            alto = y;
            break;
        }
    }
    const double esperado = (img.height() - 1) * (1 - 4.0 / 5);
    QVERIFY2(std::abs(alto - esperado) <= 2, qPrintable(QString::number(alto)));
}

void tst_Frmspectro::lorentzdoslineas()
{
    elegir(QStringLiteral("He"), QStringLiteral("I"));
    teclear("txtmin", QStringLiteral("450"));
    teclear("txtmax", QStringLiteral("550"));
    QCOMPARE(m_ventana->tabla().frecuencia(2), 599.68);
    control<QRadioButton>("optirisdal_1")->click();
    QCOMPARE(m_ventana->lineaslorentz(), 2);
    QVERIFY(std::abs(m_ventana->espectrolorentz().escalaarriba() - (5 + 1 / 0.26)) < 1e-6);
    // The width box does not change the curve when absorption is toggled.
    const QImage antes = m_ventana->espectrolorentz().imagen().copy();
    control<QCheckBox>("chkabsorcion")->click();
    QCOMPARE(m_ventana->espectrolorentz().imagen(), antes);
}

void tst_Frmspectro::lorentzlimites()
{
    elegir(QStringLiteral("Li"), QStringLiteral("I"));
    control<QRadioButton>("optirisdal_1")->click();
    QCOMPARE(m_ventana->lineaslorentz(), 1); // 380 and 780 lie on the bounds
    QCOMPARE(m_ventana->espectrolorentz().escalaarriba(), 5.0);
}

void tst_Frmspectro::lorentzanchura()
{
    teclear("txtmin", QStringLiteral("650"));
    teclear("txtmax", QStringLiteral("660"));
    control<QRadioButton>("optirisdal_1")->click();
    auto *txtgamma = control<QLineEdit>("txtgamma");
    auto *arriba = control<QToolButton>("updgamma_arriba");
    auto *abajo = control<QToolButton>("updgamma_abajo");

    arriba->click();
    QCOMPARE(txtgamma->text(), QStringLiteral("2"));
    QCOMPARE(m_ventana->espectrolorentz().escalaarriba(), 3.0); // 4/2 + 1
    for (int i = 0; i < 12; ++i)
        arriba->click();
    QCOMPARE(txtgamma->text(), QStringLiteral("10"));
    for (int i = 0; i < 12; ++i)
        abajo->click();
    QCOMPARE(txtgamma->text(), QStringLiteral("1"));

    // Typed widths are read leniently with "."; zero or below shows the flat baseline.
    teclear("txtgamma", QStringLiteral("0.5 THz"));
    QCOMPARE(m_ventana->espectrolorentz().escalaarriba(), 9.0);
    for (const char *ancho : {"0", "-3", "abc"}) {
        teclear("txtgamma", QString::fromLatin1(ancho));
        QCOMPARE(m_ventana->espectrolorentz().escalaarriba(), 1.0);
        const QImage &img = m_ventana->espectrolorentz().imagen();
        QCOMPARE(img.pixel(img.width() / 2, img.height() - 1), qRgb(255, 0, 0));
    }
}

void tst_Frmspectro::lorentzmuchaslineas()
{
    elegir(QStringLiteral("Be"), QStringLiteral("I"));
    QCOMPARE(m_ventana->tabla().numerolineas(), 40000);
    control<QRadioButton>("optspect_0")->click();
    control<QRadioButton>("optirisdal_1")->click();
    QCOMPARE(m_ventana->lineaslorentz(), 40000);
    QVERIFY(m_ventana->espectrolorentz().escalaarriba() > 5);
}

void tst_Frmspectro::cambiodevista()
{
    const QImage antes = m_ventana->espectro().imagen().copy();
    control<QRadioButton>("optirisdal_1")->click();
    control<QRadioButton>("optirisdal_0")->click();
    QVERIFY(m_ventana->espectro().isVisible());
    QVERIFY(control<QWidget>("Label2")->isVisible());
    QVERIFY(!control<QWidget>("txtgamma")->isVisible());
    QCOMPARE(m_ventana->espectro().imagen(), antes);
}

void tst_Frmspectro::repintadosindibujo()
{
    // Uncovering the window repaints from the persistent image; nothing is drawn again.
    const quint64 antes = m_ventana->espectro().dibujos();
    const QImage imagen = m_ventana->espectro().imagen().copy();
    m_ventana->repaint();
    m_ventana->espectro().repaint();
    QCOMPARE(m_ventana->espectro().dibujos(), antes);
    const QImage pantalla = m_ventana->espectro().grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint dentro = m_ventana->espectro().contentsRect().topLeft();
    QCOMPARE(pantalla.pixel(dentro + QPoint(0, 10)), imagen.pixel(0, 10));
    QCOMPARE(pantalla.pixel(dentro + QPoint(200, 10)), imagen.pixel(200, 10));
}

void tst_Frmspectro::ventanatecleada_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("queda");
    QTest::newRow("whole") << QStringLiteral("400") << QStringLiteral("400");
    QTest::newRow("half to even down") << QStringLiteral("400.5") << QStringLiteral("400");
    QTest::newRow("half to even up") << QStringLiteral("401.5") << QStringLiteral("402");
    QTest::newRow("fraction") << QStringLiteral("400.6") << QStringLiteral("401");
    QTest::newRow("lowest") << QStringLiteral("1") << QStringLiteral("1");
}

void tst_Frmspectro::ventanatecleada()
{
    QFETCH(QString, texto);
    QFETCH(QString, queda);
    teclear("txtmin", texto);
    QCOMPARE(control<QLineEdit>("txtmin")->text(), queda);
    const bool visible = queda.toInt() >= 380;
    QCOMPARE(pixel(m_ventana->espectro(), 0) == qRgb(0, 0, 0), !visible);
    // The bound buttons read the box.
    control<QPushButton>("btmindown")->click();
    QCOMPARE(control<QLineEdit>("txtmin")->text(), queda.toInt() - 10 >= 380 ? QString::number(queda.toInt() - 10) : queda);
}

void tst_Frmspectro::ventanatecleadarechazada_data()
{
    QTest::addColumn<QByteArray>("caja");
    QTest::addColumn<QString>("texto");
    QTest::newRow("not a number") << QByteArray("txtmin") << QStringLiteral("abc");
    QTest::newRow("empty") << QByteArray("txtmax") << QString();
    QTest::newRow("zero") << QByteArray("txtmin") << QStringLiteral("0");
    QTest::newRow("negative") << QByteArray("txtmin") << QStringLiteral("-5");
    QTest::newRow("beyond 50000") << QByteArray("txtmax") << QStringLiteral("50001");
    QTest::newRow("minimum equals maximum") << QByteArray("txtmin") << QStringLiteral("780");
    QTest::newRow("minimum above maximum") << QByteArray("txtmin") << QStringLiteral("900");
    QTest::newRow("maximum below minimum") << QByteArray("txtmax") << QStringLiteral("379.4");
    QTest::newRow("huge") << QByteArray("txtmax") << QStringLiteral("1e300");
}

void tst_Frmspectro::ventanatecleadarechazada()
{
    QFETCH(QByteArray, caja);
    QFETCH(QString, texto);
    auto *t = control<QLineEdit>(caja.constData());
    const QString antes = t->text();
    const QImage imagen = m_ventana->espectro().imagen().copy();
    teclear(caja.constData(), texto);
    QCOMPARE(t->text(), antes);
    QCOMPARE(m_ventana->espectro().imagen(), imagen);
    QVERIFY(!t->styleSheet().isEmpty()); // the refusal shows on the box
    QTRY_VERIFY_WITH_TIMEOUT(t->styleSheet().isEmpty(), 2000);

    // Leaving the box without Enter does not keep what was typed either.
    t->setFocus();
    t->setText(QStringLiteral("450"));
    emit t->editingFinished();
    QCOMPARE(t->text(), antes);
}

void tst_Frmspectro::almacenausente()
{
    QTemporaryDir vacio;
    QStringList avisos;
    frmspectro ventana(vacio.path(), nullptr, [&avisos](const QString &, const QString &t) { avisos << t; });
    ventana.show();
    QCOMPARE(avisos.size(), 1);
    QVERIFY2(avisos.front().contains(QStringLiteral("lineasNist")), qPrintable(avisos.front()));
    QCOMPARE(ventana.tabla().numerolineas(), 0);
    auto *cmbirisdal = ventana.findChild<QComboBox *>(QStringLiteral("cmbirisdal"));
    QVERIFY(cmbirisdal);
    emit cmbirisdal->activated(3);
    QCOMPARE(ventana.tabla().numerolineas(), 0);
    const QImage &img = ventana.espectro().imagen();
    QCOMPARE(img.pixel(0, img.height() / 2), qRgb(97, 0, 97));
}

void tst_Frmspectro::anchuracero()
{
    // No mapping exists for a window or picture of zero width: the line view shows the black field
    // and the Lorentz view its cleared picture, without dividing by zero.
    const auto alto = qint16(-m_ventana->espectro().escalaalto());
    const auto ancho = qint16(m_ventana->espectro().escalaancho());
    for (const auto &[a, vmin, vmax] : {std::tuple<qint16, qint32, qint32>{0, 380, 780}, {ancho, 500, 500}}) {
        m_ventana->irisdal(a, alto, vmin, vmax);
        QCOMPARE(pixel(m_ventana->espectro(), ancho / 2), qRgb(0, 0, 0));
        m_ventana->irisdal_lorentz(a, alto, vmin, vmax, 1);
        QVERIFY(std::isfinite(m_ventana->espectrolorentz().escalaarriba()));
    }
    m_ventana->redibujar();
    QCOMPARE(rgbtexto(pixel(m_ventana->espectro(), 0)), QStringLiteral("(97, 0, 97)"));
}

QTEST_MAIN(tst_Frmspectro)
#include "tst_frmspectro.moc"
