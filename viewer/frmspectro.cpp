#include "frmspectro.h"

#include "almacenlineas.h"
#include "escala.h"
#include "formatonumero.h"
#include "idiomas.h"
#include "irisdal.h"
#include "lecturalenient.h"
#include "lienzo.h"
#include "listas.h"
#include "lorentzrapido.h"
#include "selectorrangos.h"
#include "tablalineas.h"
#include "unidades.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using unidades::twips;

namespace {

constexpr auto titulo = "Tesmira";
constexpr qint32 longitudminima = 1;
constexpr qint32 longitudmaxima = 50000;
constexpr double gammamaximo = 10;
constexpr double gammaminimo = 1;

// The grid shows the carriage return of the column titles as a line break.
class CabecerasMultilinea final : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        QVariant v = QIdentityProxyModel::headerData(section, orientation, role);
        if (role == Qt::DisplayRole && v.typeId() == QMetaType::QString)
            return v.toString().replace(QLatin1Char('\r'), QLatin1Char('\n'));
        return v;
    }
};

template<typename T>
T *crear(QWidget *padre, const char *nombre, QRect geometria)
{
    auto *w = new T(padre);
    w->setObjectName(QString::fromLatin1(nombre));
    w->setGeometry(geometria);
    return w;
}

QLabel *crearetiqueta(QWidget *padre, const char *nombre, int izquierda, int arriba, const QString &texto)
{
    auto *l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->move(twips(izquierda), twips(arriba));
    l->adjustSize();
    return l;
}

QPushButton *crearflecha(QWidget *padre, const char *nombre, int izquierda, int arriba, bool sube)
{
    auto *b = crear<QPushButton>(padre, nombre, twips(izquierda, arriba, 240, 142));
    b->setText(sube ? QStringLiteral("▲") : QStringLiteral("▼"));
    QFont f = b->font();
    f.setPixelSize(7);
    b->setFont(f);
    b->setStyleSheet(QStringLiteral("padding: 0px;"));
    return b;
}

QRgb rgb(irisdal::ColorRgb c)
{
    return qRgb(c.r, c.g, c.b);
}

} // namespace

frmspectro::frmspectro(const QString &directorio, QWidget *parent, Avisador avisador)
    : QWidget(parent)
    , m_avisador(std::move(avisador))
    , m_tabla(new TablaLineas(this))
{
    setObjectName(QStringLiteral("frmspectro"));
    setWindowTitle(QString::fromLatin1(titulo));
    crearcontroles();
    ponercaptiones();

    // Step 2: pixel scales with the origin at the bottom-left corner.
    m_pctspectrum->setEscalapixelesabajo();
    m_pctspectrumLorentz->setEscalapixelesabajo();
    m_escalalonda = std::make_unique<Escala>(*m_pctspectrum, Escala::Borde::inferior,
                                             [](qint32 k) { return QString::number(k); });
    m_escalafreq = std::make_unique<Escala>(*m_pctspectrum, Escala::Borde::superior, [](qint32 k) {
        return QString::number(formatonumero::redondearentero(irisdal::londafreq(k)));
    });

    // Steps 3 and 4: boxes and the sixteen variables (their start values are the struct's defaults).
    m_txtmax->setText(QStringLiteral("780"));
    m_txtmin->setText(QStringLiteral("380"));
    m_ultimotextomin = m_txtmin->text();
    m_ultimotextomax = m_txtmax->text();
    m_txtintlonda->setText(QStringLiteral("50"));
    m_txtintfreq->setText(QStringLiteral("50"));

    // Step 5: the overview bar, 1 to 50000 nm left to right, y 0 to its height top down.
    m_pctspctotal->setEscala(longitudminima, 0, longitudmaxima - longitudminima, m_pctspctotal->altopixeles());
    marcarventana(380, 780);

    llenarlistas();
    abriralmacen(directorio);
    consultar();
    conectar();
}

frmspectro::~frmspectro()
{
    // Children still emit while QWidget tears them down (a box losing focus finishes its editing);
    // by then this window's handlers must no longer run.
    for (QObject *hijo : findChildren<QObject *>())
        hijo->disconnect(this);
}

void frmspectro::crearcontroles()
{
    setFixedSize(twips(10095), twips(7065));
    // The layout was designed for a narrow 8 pt sans serif; Arial's metrics come closest.
    QFont fuente = font();
    fuente.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                        QStringLiteral("Helvetica")});
    fuente.setPointSizeF(8);
    setFont(fuente);

    m_firisdal = crear<QGroupBox>(this, "firisdal", twips(120, 120, 9855, 2115));
    m_pctspectrum = crear<Lienzo>(m_firisdal, "pctspectrum", twips(240, 600, 9375, 975));
    m_pctspectrum->setCursor(Qt::CrossCursor);
    m_pctspectrumLorentz = crear<Lienzo>(m_firisdal, "pctspectrumLorentz", twips(240, 600, 9375, 975));
    m_pctspectrumLorentz->setCursor(Qt::CrossCursor);
    m_pctspectrumLorentz->setColorfondo(palette().color(QPalette::Base).rgb());
    m_pctspectrumLorentz->limpiar();
    m_pctspectrumLorentz->hide();
    m_pctspectrum->ajustarimagen();
    m_pctspectrumLorentz->ajustarimagen();
    m_txtmin = crear<QLineEdit>(m_firisdal, "txtmin", twips(240, 1680, 615, 285));
    m_txtmax = crear<QLineEdit>(m_firisdal, "txtmax", twips(8760, 1680, 615, 285));
    m_btminup = crearflecha(m_firisdal, "btminup", 840, 1680, true);
    m_btmindown = crearflecha(m_firisdal, "btmindown", 840, 1830, false);
    m_btmaxup = crearflecha(m_firisdal, "btmaxup", 9360, 1680, true);
    m_btmaxdown = crearflecha(m_firisdal, "btmaxdown", 9360, 1830, false);
    m_Label1 = crearetiqueta(m_firisdal, "Label1", 4440, 1680, QStringLiteral("λ"));
    m_Label3 = crearetiqueta(m_firisdal, "Label3", 4680, 1680, QStringLiteral("[nm]"));
    m_Label2 = crearetiqueta(m_firisdal, "Label2", 4440, 120, QStringLiteral("ν"));
    m_Label4 = crearetiqueta(m_firisdal, "Label4", 4680, 120, QStringLiteral("[THz]"));

    m_Frame5 = new SelectorRangos(this);
    m_Frame5->setGeometry(twips(120, 2280, 9855, 1755));
    m_pctspctotal = &m_Frame5->pctspctotal();
    m_pctspctotal->ajustarimagen();

    m_frmabsorcion = crear<QGroupBox>(this, "frmabsorcion", twips(4560, 4200, 5415, 2775));
    m_chkabsorcion = crear<QCheckBox>(m_frmabsorcion, "chkabsorcion", twips(480, 360, 1935, 195));
    m_chkabsorcion->setChecked(true);
    m_grupoirisdal = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto *b = crear<QRadioButton>(m_frmabsorcion, i == 0 ? "optirisdal_0" : "optirisdal_1",
                                      twips(2700, 240 + 240 * i, 1080, 255));
        m_grupoirisdal->addButton(b, i);
        m_optirisdal[static_cast<std::size_t>(i)] = b;
    }
    m_optirisdal[0]->setChecked(true);
    m_lblgamma = crearetiqueta(m_frmabsorcion, "lblgamma", 3780, 180, QString());
    m_txtgamma = crear<QLineEdit>(m_frmabsorcion, "txtgamma", twips(4080, 420, 495, 285));
    m_txtgamma->setText(QStringLiteral("1"));
    m_updgamma = crear<QWidget>(m_frmabsorcion, "updgamma", twips(4575, 420, 240, 285));
    {
        auto *columna = new QVBoxLayout(m_updgamma);
        columna->setContentsMargins(0, 0, 0, 0);
        columna->setSpacing(0);
        for (const int sentido : {1, -1}) {
            auto *b = new QToolButton(m_updgamma);
            b->setObjectName(sentido > 0 ? QStringLiteral("updgamma_arriba") : QStringLiteral("updgamma_abajo"));
            b->setArrowType(sentido > 0 ? Qt::UpArrow : Qt::DownArrow);
            b->setAutoRepeat(true);
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            columna->addWidget(b);
            connect(b, &QToolButton::clicked, this, [this, sentido] { updgamma_Change(sentido); });
        }
    }
    for (QWidget *w : std::initializer_list<QWidget *>{m_lblgamma, m_txtgamma, m_updgamma})
        w->hide();
    m_lblelement = crearetiqueta(m_frmabsorcion, "lblelement", 360, 780, QString());
    m_cmbirisdal = crear<QComboBox>(m_frmabsorcion, "cmbirisdal", twips(1200, 780, 1455, 315));
    m_lbltipo = crearetiqueta(m_frmabsorcion, "lbltipo", 3120, 780, QString());
    m_cmbtipo = crear<QComboBox>(m_frmabsorcion, "cmbtipo", twips(3600, 780, 1455, 315));
    for (QComboBox *c : {m_cmbirisdal, m_cmbtipo}) {
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setMaxVisibleItems(20);
    }
    m_MSFGrid = crear<QTableView>(m_frmabsorcion, "MSFGrid", twips(240, 1200, 4935, 1455));
    auto *proxy = new CabecerasMultilinea(m_MSFGrid);
    proxy->setSourceModel(m_tabla);
    m_MSFGrid->setModel(proxy);
    m_MSFGrid->verticalHeader()->hide();
    m_MSFGrid->verticalHeader()->setDefaultSectionSize(twips(240));
    m_MSFGrid->horizontalHeader()->setFixedHeight(twips(500));
    m_MSFGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_MSFGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_MSFGrid->setWordWrap(false);

    m_frmintervalos = crear<QGroupBox>(this, "frmintervalos", twips(120, 4200, 2895, 1095));
    m_chkfreq = crear<QCheckBox>(m_frmintervalos, "chkfreq", twips(120, 360, 1680, 195));
    m_txtintfreq = crear<QLineEdit>(m_frmintervalos, "txtintfreq", twips(1800, 360, 660, 285));
    m_btfrequp = crearflecha(m_frmintervalos, "btfrequp", 2520, 360, true);
    m_btfreqdown = crearflecha(m_frmintervalos, "btfreqdown", 2520, 510, false);
    m_chklong = crear<QCheckBox>(m_frmintervalos, "chklong", twips(120, 720, 1680, 195));
    m_txtintlonda = crear<QLineEdit>(m_frmintervalos, "txtintlonda", twips(1800, 720, 660, 285));
    m_btlongup = crearflecha(m_frmintervalos, "btlongup", 2520, 720, true);
    m_btlongdown = crearflecha(m_frmintervalos, "btlongdown", 2520, 870, false);
    for (QCheckBox *c : {m_chkfreq, m_chklong})
        c->setChecked(true);
    // The intervals change only through their buttons and the presets.
    for (QLineEdit *t : {m_txtintfreq, m_txtintlonda})
        t->setReadOnly(true);

    m_Frame1 = crear<QGroupBox>(this, "Frame1", twips(120, 5340, 1515, 1635));
    m_pctlonda = crear<QWidget>(m_Frame1, "pctlonda", twips(120, 240, 1215, 615));
    m_pctlonda->setAutoFillBackground(true);
    m_pctlonda->setBackgroundRole(QPalette::Base);
    m_lbfreq = crear<QLabel>(m_Frame1, "lbfreq", twips(120, 960, 855, 255));
    m_lbthz = crearetiqueta(m_Frame1, "lbthz", 1080, 960, QStringLiteral("THz"));
    m_lblonda = crear<QLabel>(m_Frame1, "lblonda", twips(120, 1320, 855, 255));
    m_lbnm = crearetiqueta(m_Frame1, "lbnm", 1080, 1320, QStringLiteral("nm"));
    for (QLabel *l : {m_lbfreq, m_lblonda})
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_Frame3 = crear<QGroupBox>(this, "Frame3", twips(1980, 5340, 2415, 1635));
    m_btcopy = crear<QPushButton>(m_Frame3, "btcopy", twips(120, 180, 1035, 555));
    m_btprint = crear<QPushButton>(m_Frame3, "btprint", twips(1260, 180, 1035, 555));
    m_btidioma = crear<QPushButton>(m_Frame3, "btidioma", twips(120, 900, 1035, 555));
    m_btacercade = crear<QPushButton>(m_Frame3, "btacercade", twips(1260, 900, 1035, 555));
}

void frmspectro::ponercaptiones()
{
    using idiomas::cadena;
    const std::pair<int, int> opciones[] = {{6, 1}, {8, 2}, {9, 3}, {2, 4}, {1, 5}, {7, 6}, {0, 7}};
    for (const auto &[indice, numero] : opciones)
        m_Frame5->optspect(indice)->setText(cadena(numero));
    m_frmintervalos->setTitle(cadena(8));
    m_chkfreq->setText(cadena(9));
    m_chklong->setText(cadena(10));
    m_frmabsorcion->setTitle(cadena(11));
    m_chkabsorcion->setText(cadena(11));
    m_optirisdal[0]->setText(cadena(12));
    m_optirisdal[1]->setText(cadena(13));
    m_lblgamma->setText(cadena(14) + QLatin1Char(':'));
    m_lblgamma->adjustSize();
    m_lblelement->setText(cadena(16));
    m_lblelement->adjustSize();
    m_lbltipo->setText(cadena(17));
    m_lbltipo->adjustSize();
    m_btcopy->setText(cadena(18));
    m_btidioma->setText(cadena(19));
    m_btprint->setText(cadena(20));
    m_btacercade->setText(cadena(27) + QStringLiteral("..."));
}

void frmspectro::conectar()
{
    connect(m_cmbirisdal, &QComboBox::activated, this, &frmspectro::consultar);
    connect(m_cmbtipo, &QComboBox::activated, this, &frmspectro::consultar);
    connect(m_grupoirisdal, &QButtonGroup::idClicked, this, &frmspectro::optirisdal_Click);
    connect(m_chkabsorcion, &QCheckBox::clicked, this, &frmspectro::redibujar);
    connect(m_Frame5, &SelectorRangos::presetelegido, this, &frmspectro::optspect_Click);

    using navegacion::BotonIntervalo;
    using navegacion::BotonLimite;
    const std::pair<QPushButton *, BotonLimite> limites[] = {{m_btmaxup, BotonLimite::maxup},
                                                             {m_btmaxdown, BotonLimite::maxdown},
                                                             {m_btminup, BotonLimite::minup},
                                                             {m_btmindown, BotonLimite::mindown}};
    for (const auto &[boton, cual] : limites)
        connect(boton, &QPushButton::clicked, this, [this, cual] { botonlimite(cual); });
    const std::pair<QPushButton *, BotonIntervalo> intervalos[] = {{m_btlongup, BotonIntervalo::longup},
                                                                   {m_btlongdown, BotonIntervalo::longdown},
                                                                   {m_btfrequp, BotonIntervalo::frequp},
                                                                   {m_btfreqdown, BotonIntervalo::freqdown}};
    for (const auto &[boton, cual] : intervalos)
        connect(boton, &QPushButton::clicked, this, [this, cual] { botonintervalo(cual); });
    connect(m_chklong, &QCheckBox::clicked, this, [this] { chkescala_Click(*m_escalalonda, m_chklong); });
    connect(m_chkfreq, &QCheckBox::clicked, this, [this] { chkescala_Click(*m_escalafreq, m_chkfreq); });

    for (QLineEdit *caja : {m_txtmin, m_txtmax}) {
        connect(caja, &QLineEdit::returnPressed, this, [this, caja] { aplicarlimitetecleado(caja); });
        connect(caja, &QLineEdit::editingFinished, this, [this, caja] {
            // Leaving the box without Enter does not apply what was typed.
            const QString &bueno = caja == m_txtmin ? m_ultimotextomin : m_ultimotextomax;
            if (caja->text() != bueno)
                rechazarlimitetecleado(caja);
        });
    }
    connect(m_txtgamma, &QLineEdit::returnPressed, this, &frmspectro::dibujarvistalorentz);

    connect(m_pctspectrum, &Lienzo::ratonmovido, this, &frmspectro::lecturapuntero);
    connect(m_pctspectrumLorentz, &Lienzo::ratonmovido, this, &frmspectro::lecturapuntero);
    connect(m_pctspctotal, &Lienzo::ratonmovido, this, &frmspectro::lecturatotal);
}

void frmspectro::llenarlistas()
{
    m_cmbirisdal->addItems(listas::elementos());
    m_cmbirisdal->setCurrentIndex(0);
}

void frmspectro::abriralmacen(const QString &directorio)
{
    AperturaAlmacen apertura = ::abriralmacen(directorio);
    m_almacen = std::move(apertura.almacen);
    if (!apertura.error.isEmpty())
        avisar(apertura.error);
    const int etapas = m_almacen ? m_almacen->etapamaxima() : 0;
    m_cmbtipo->clear();
    m_cmbtipo->addItems(listas::etapas(std::max(25, etapas)));
    m_cmbtipo->setCurrentIndex(0);
}

void frmspectro::consultar()
{
    ResultadoConsulta resultado;
    if (m_almacen) {
        resultado = m_almacen->consultar(m_cmbirisdal->currentText(), m_cmbtipo->currentText());
        if (!resultado.error.isEmpty()) {
            avisar(resultado.error);
            resultado.longitudes.clear();
        }
    }
    formatearrejilla(resultado.longitudes);
    if (isVisible())
        redibujar();
}

void frmspectro::formatearrejilla(const std::vector<double> &longitudes)
{
    using idiomas::cadena;
    m_tabla->formatearrejilla(longitudes, cadena(21), cadena(22), cadena(23), m_locale);
    const int col0 = 600;
    const int resto = static_cast<int>(std::lround((4935.0 - col0) / 3));
    m_MSFGrid->setColumnWidth(0, twips(col0));
    for (int c = 1; c < 4; ++c)
        m_MSFGrid->setColumnWidth(c, twips(resto));
}

qint32 frmspectro::numerocaja(const QLineEdit *caja) const
{
    const std::optional<double> v = formatonumero::leernumero(caja->text(), m_locale);
    return v ? formatonumero::redondearentero(*v) : 0;
}

frmspectro::Medidas frmspectro::medidas() const
{
    // The size always comes from the line picture; both pictures have the same width.
    return {static_cast<qint16>(formatonumero::redondearentero(m_pctspectrum->escalaancho())),
            static_cast<qint16>(formatonumero::redondearentero(-m_pctspectrum->escalaalto())), numerocaja(m_txtmin),
            numerocaja(m_txtmax)};
}

void frmspectro::redibujar()
{
    if (m_optirisdal[0]->isChecked())
        dibujarvistalineas();
    else
        dibujarvistalorentz();
}

void frmspectro::dibujarvistalineas()
{
    const Medidas m = medidas();
    irisdal(m.ancho, m.alto, m.vmin, m.vmax);
}

void frmspectro::dibujarvistalorentz()
{
    const Medidas m = medidas();
    irisdal_lorentz(m.ancho, m.alto, m.vmin, m.vmax, lecturalenient::valor(m_txtgamma->text()));
}

void frmspectro::irisdal(qint16 ancho, qint16 alto, qint32 vmin, qint32 vmax)
{
    marcarventana(vmin, vmax);
    Lienzo::Dibujo dibujo(*m_pctspectrum);
    const bool valida = ancho > 0 && vmax > vmin;
    if (valida && vmin >= 380 && vmax <= 780) {
        for (int i = 0; i <= ancho; ++i) {
            const double londa = vmin + double(vmax - vmin) * i / ancho;
            m_pctspectrum->linea(i, 0, i, alto + 1, rgb(irisdal::colorlonda(londa)));
        }
    } else {
        m_pctspectrum->setColorfondo(qRgb(0, 0, 0));
        m_pctspectrum->limpiar();
    }
    // A window or picture of zero width has no mapping: it shows the black field alone.
    if (!valida)
        return;
    if (m_chkabsorcion->isChecked()) {
        const int n = m_tabla->numerolineas();
        for (int i = 1; i <= n; ++i)
            lineaabsorcion(m_tabla->longitud(i), ancho, alto, vmin, vmax);
    }
    if (m_chklong->isChecked())
        m_escalalonda->dibujar(vmin, vmax, numerocaja(m_txtintlonda));
    if (m_chkfreq->isChecked())
        m_escalafreq->dibujar(vmin, vmax, numerocaja(m_txtintfreq));
}

void frmspectro::lineaabsorcion(double londa, qint16 ancho, qint16 alto, qint32 vmin, qint32 vmax)
{
    const QRgb color = (londa <= 380 || londa >= 780) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    const auto x = static_cast<float>((londa - vmin) * ancho / (vmax - vmin));
    // Strokes more than a pixel outside the picture leave no mark; skipping them changes nothing.
    if (x < -1 || x > ancho + 1)
        return;
    m_pctspectrum->linea(x, 0, x, alto + 1, color);
}

void frmspectro::irisdal_lorentz(qint16 ancho, qint16 /*alto*/, qint32 vmin, qint32 vmax, double gamma)
{
    marcarventana(vmin, vmax);
    std::vector<double> centros;
    const int n = m_tabla->numerolineas();
    for (int i = 1; i <= n; ++i) {
        const double londa = m_tabla->longitud(i);
        if (vmin < londa && londa < vmax)
            centros.push_back(m_tabla->frecuencia(i));
    }
    m_lineaslorentz = static_cast<qsizetype>(centros.size());

    // A width of zero or below has no profile: the view then shows the flat baseline.
    const bool conperfil = gamma > 0 && std::isfinite(gamma) && !centros.empty();
    std::optional<SumaLorentzRapida> suma;
    double techo = 1;
    if (conperfil) {
        suma.emplace(centros, gamma);
        techo = techolorentz(centros, *suma);
    }

    Lienzo &lienzo = *m_pctspectrumLorentz;
    const double anchoescala = lienzo.anchopixeles();
    lienzo.setEscala(0, techo, anchoescala, -techo);
    Lienzo::Dibujo dibujo(lienzo);
    lienzo.limpiar();
    if (ancho <= 0 || vmax <= vmin)
        return;
    double xprevio = 0;
    double yprevio = 0;
    const QRgb rojo = qRgb(255, 0, 0);
    for (int h = 0; h <= ancho; ++h) {
        const qint64 producto = qint64(h) * (vmax - vmin);
        const double londa = vmin + double(producto) / ancho;
        const double y = suma ? (*suma)(irisdal::londafreq(londa)) : 0.0;
        lienzo.linea(xprevio, yprevio, h, y, rojo);
        xprevio = h;
        yprevio = y;
    }
}

void frmspectro::marcarventana(qint32 vmin, qint32 vmax)
{
    Lienzo &barra = *m_pctspctotal;
    Lienzo::Dibujo dibujo(barra);
    const double alto = barra.escalaalto();
    barra.rectangulo(longitudminima, 0, longitudmaxima, alto, qRgb(0, 0, 0));
    barra.rectangulo(vmin, 0, vmax, alto, qRgb(255, 0, 0));
}

void frmspectro::optirisdal_Click(int indice)
{
    const bool lineas = indice == 0;
    m_Label2->setVisible(lineas);
    m_Label4->setVisible(lineas);
    m_pctspectrum->setVisible(lineas);
    m_pctspectrumLorentz->setVisible(!lineas);
    m_frmintervalos->setEnabled(lineas);
    for (QWidget *w : std::initializer_list<QWidget *>{m_lblgamma, m_txtgamma, m_updgamma})
        w->setVisible(!lineas);
    if (lineas)
        dibujarvistalineas();
    else
        dibujarvistalorentz();
}

void frmspectro::optspect_Click(int indice)
{
    const navegacion::TextosPreset t = navegacion::aplicarpreset(indice, m_variables);
    m_txtmin->setText(QString::number(t.minimo));
    m_txtmax->setText(QString::number(t.maximo));
    m_ultimotextomin = m_txtmin->text();
    m_ultimotextomax = m_txtmax->text();
    m_txtintlonda->setText(QString::number(t.intervalo));
    m_txtintfreq->setText(QString::number(t.intervalo));
    marcarventana(t.minimo, t.maximo);
    redibujar();
}

void frmspectro::botonlimite(navegacion::BotonLimite boton)
{
    using navegacion::BotonLimite;
    const bool esmaximo = boton == BotonLimite::maxup || boton == BotonLimite::maxdown;
    QLineEdit *caja = esmaximo ? m_txtmax : m_txtmin;
    const std::optional<navegacion::PasoLimite> paso = navegacion::pasolimite(boton, numerocaja(caja), m_variables);
    if (!paso)
        return;
    if (paso->texto) {
        caja->setText(QString::number(*paso->texto));
        (esmaximo ? m_ultimotextomax : m_ultimotextomin) = caja->text();
    }
    redibujar();
}

void frmspectro::botonintervalo(navegacion::BotonIntervalo boton)
{
    using navegacion::BotonIntervalo;
    const bool eslonda = boton == BotonIntervalo::longup || boton == BotonIntervalo::longdown;
    QLineEdit *caja = eslonda ? m_txtintlonda : m_txtintfreq;
    const std::optional<qint32> valor = navegacion::pasointervalo(boton, numerocaja(caja), m_variables);
    if (!valor)
        return;
    caja->setText(QString::number(*valor));
    dibujarvistalineas();
}

void frmspectro::chkescala_Click(Escala &escala, QCheckBox *caja)
{
    escala.setEtiquetasvisibles(caja->isChecked());
    dibujarvistalineas();
}

void frmspectro::updgamma_Change(int sentido)
{
    const double actual = lecturalenient::valor(m_txtgamma->text());
    const double nuevo = sentido > 0 ? std::floor(actual) + 1 : std::ceil(actual) - 1;
    if (nuevo > gammamaximo || nuevo < gammaminimo)
        return;
    m_txtgamma->setText(QString::number(nuevo));
    dibujarvistalorentz();
}

void frmspectro::aplicarlimitetecleado(QLineEdit *caja)
{
    const std::optional<double> leido = formatonumero::leernumero(caja->text(), m_locale);
    if (!leido || !std::isfinite(*leido)) {
        rechazarlimitetecleado(caja);
        return;
    }
    const qint32 valor = formatonumero::redondearentero(*leido);
    const qint32 vmin = caja == m_txtmin ? valor : numerocaja(m_txtmin);
    const qint32 vmax = caja == m_txtmax ? valor : numerocaja(m_txtmax);
    if (vmin < longitudminima || vmax > longitudmaxima || vmin >= vmax) {
        rechazarlimitetecleado(caja);
        return;
    }
    caja->setText(QString::number(valor));
    (caja == m_txtmin ? m_ultimotextomin : m_ultimotextomax) = caja->text();
    redibujar();
}

void frmspectro::rechazarlimitetecleado(QLineEdit *caja)
{
    caja->setText(caja == m_txtmin ? m_ultimotextomin : m_ultimotextomax);
    // A short red flash on the box shows that the input was refused.
    caja->setStyleSheet(QStringLiteral("QLineEdit { background: #ffb0b0; }"));
    QTimer::singleShot(600, caja, [caja] { caja->setStyleSheet(QString()); });
    QApplication::beep();
}

void frmspectro::lecturapuntero(double x)
{
    const double ancho = m_pctspectrum->escalaancho();
    if (ancho == 0)
        return;
    const qint32 vmin = numerocaja(m_txtmin);
    const qint32 span = numerocaja(m_txtmax) - vmin;
    const double londa = x * span / ancho + vmin;
    m_lblonda->setText(formatonumero::formatodecimal(londa, 2, m_locale));
    m_lbfreq->setText(formatonumero::formatodecimal(irisdal::londafreq(londa), 2, m_locale));
    QPalette paleta = m_pctlonda->palette();
    paleta.setColor(QPalette::Base, QColor::fromRgb(rgb(irisdal::colorlonda(londa))));
    m_pctlonda->setPalette(paleta);
}

void frmspectro::lecturatotal(double x)
{
    const QString texto = formatonumero::formatodecimal(x, 0, m_locale);
    m_pctspctotal->setToolTip(texto);
    if (QToolTip::isVisible())
        QToolTip::showText(QCursor::pos(), texto, m_pctspctotal);
}

void frmspectro::avisar(const QString &texto)
{
    if (m_avisador) {
        m_avisador(QString::fromLatin1(titulo), texto);
        return;
    }
    // Shown once the window is up, so that start-up is not held by a modal box.
    QTimer::singleShot(0, this, [this, texto] { QMessageBox::warning(this, QString::fromLatin1(titulo), texto); });
}

void frmspectro::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    redibujar();
}

void frmspectro::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Restoring the window after minimising it redraws the current view, as a resize does.
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        redibujar();
}
