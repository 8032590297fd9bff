#include "selectorrangos.h"

#include "lienzo.h"
#include "unidades.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

using unidades::twips;

namespace {

struct Posicion {
    int izquierda, arriba, ancho, alto;
};

// Design positions of optspect(0..9) in twips, relative to the frame.
constexpr std::array<Posicion, navegacion::numeropresets> posicionesopt{{{4080, 1440, 1695, 255},
                                                                         {3540, 1140, 795, 195},
                                                                         {1380, 1140, 1215, 195},
                                                                         {2760, 780, 675, 255},
                                                                         {1980, 780, 675, 255},
                                                                         {1200, 780, 675, 255},
                                                                         {360, 780, 735, 255},
                                                                         {6480, 1140, 1035, 195},
                                                                         {4680, 780, 915, 255},
                                                                         {7260, 780, 975, 255}}};

constexpr const char *captionesopt[navegacion::numeropresets] = {
    "Irisdal Total", "Visible", "Ultravioleta", "UVA", "UVB", "UVC", "Vacío", "Infrarrojo", "Cercano", "Medio"};

struct Rotulo {
    int izquierda;
    const char *texto;
};
// Boundary labels Label14 .. Label7 under the overview bar.
constexpr std::array<Rotulo, 8> rotulos{{{180, "1"},
                                          {1020, "200"},
                                          {1800, "260"},
                                          {2580, "320"},
                                          {3360, "380"},
                                          {4260, "780"},
                                          {5640, "2000"},
                                          {9360, "50000"}}};

struct Frontera {
    int x;
    int fondo; // lower end of the vertical line, twips
};
// The cell boundaries of the band diagram: 1, 200, 260, 320, 380, 780, 2000, 50000 nm.
constexpr int fondofila3 = 1440 + 255;
constexpr std::array<Frontera, 8> fronteras{{{240, fondofila3},
                                              {1140, 1080},
                                              {1920, 1080},
                                              {2700, 1080},
                                              {3480, 1380},
                                              {4380, 1380},
                                              {5820, 1080},
                                              {9600, fondofila3}}};
constexpr int lineasarriba = 660;
constexpr std::array<int, 3> horizontales{720, 1080, 1380};

} // namespace

SelectorRangos::SelectorRangos(QWidget *parent)
    : QGroupBox(parent)
    , m_pctspctotal(new Lienzo(this))
    , m_grupo(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("Frame5"));
    m_pctspctotal->setObjectName(QStringLiteral("pctspctotal"));
    m_pctspctotal->setFrameStyle(QFrame::NoFrame);
    m_pctspctotal->setGeometry(twips(240, 240, 9375, 135));
    m_pctspctotal->setColorfondo(qRgb(0, 0, 0));

    for (const Rotulo &r : rotulos) {
        auto *l = new QLabel(QString::fromLatin1(r.texto), this);
        l->move(twips(r.izquierda), twips(480));
        l->adjustSize();
    }
    for (int i = 0; i < navegacion::numeropresets; ++i) {
        const Posicion &p = posicionesopt[static_cast<std::size_t>(i)];
        auto *b = new QRadioButton(QString::fromUtf8(captionesopt[i]), this);
        b->setObjectName(QStringLiteral("optspect_%1").arg(i));
        b->setGeometry(twips(p.izquierda, p.arriba, p.ancho, p.alto));
        m_grupo->addButton(b, i);
        m_optspect[static_cast<std::size_t>(i)] = b;
    }
    m_optspect[1]->setChecked(true);
    connect(m_grupo, &QButtonGroup::idClicked, this, &SelectorRangos::presetelegido);
}

void SelectorRangos::paintEvent(QPaintEvent *event)
{
    QGroupBox::paintEvent(event);
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    for (const Frontera &f : fronteras)
        p.drawLine(twips(f.x), twips(lineasarriba), twips(f.x), twips(f.fondo));
    for (const int y : horizontales)
        p.drawLine(twips(240), twips(y), twips(9600), twips(y));
}
