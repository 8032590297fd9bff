#include "lienzo.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>

namespace {

// Nearest whole pixel, ties to even, clamped far outside the image so that the painter never
// sees coordinates that overflow its integer arithmetic.
int redondear(double v)
{
    if (!std::isfinite(v))
        return v < 0 ? -100000 : 100000;
    return static_cast<int>(std::nearbyint(std::clamp(v, -100000.0, 100000.0)));
}

} // namespace

Lienzo::Lienzo(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ajustarimagen();
}

Lienzo::~Lienzo() = default;

void Lienzo::setEscala(double izquierda, double arriba, double ancho, double alto)
{
    m_izquierda = izquierda;
    m_arriba = arriba;
    m_ancho = ancho;
    m_alto = alto;
}

void Lienzo::setEscalapixelesabajo()
{
    setEscala(0, altopixeles(), anchopixeles(), -altopixeles());
}

int Lienzo::anchopixeles() const
{
    return std::max(0, m_imagen.width() - 1);
}

int Lienzo::altopixeles() const
{
    return std::max(0, m_imagen.height() - 1);
}

QPoint Lienzo::apixel(double x, double y) const
{
    const double px = m_ancho == 0 ? 0 : (x - m_izquierda) * anchopixeles() / m_ancho;
    const double py = m_alto == 0 ? 0 : (y - m_arriba) * altopixeles() / m_alto;
    return {redondear(px), redondear(py)};
}

double Lienzo::usuariox(double columna) const
{
    return anchopixeles() == 0 ? m_izquierda : m_izquierda + columna * m_ancho / anchopixeles();
}

double Lienzo::usuarioy(double fila) const
{
    return altopixeles() == 0 ? m_arriba : m_arriba + fila * m_alto / altopixeles();
}

void Lienzo::setColorfondo(QRgb color)
{
    m_fondo = color;
}

void Lienzo::limpiar()
{
    pintar([this](QPainter &p) { p.fillRect(m_imagen.rect(), QColor::fromRgb(m_fondo)); });
}

void Lienzo::linea(double x1, double y1, double x2, double y2, QRgb color)
{
    pintar([&](QPainter &p) {
        p.setPen(QColor::fromRgb(color));
        p.drawLine(apixel(x1, y1), apixel(x2, y2));
    });
}

void Lienzo::rectangulo(double x1, double y1, double x2, double y2, QRgb color)
{
    const QRect r = QRect(apixel(x1, y1), apixel(x2, y2)).normalized();
    pintar([&](QPainter &p) { p.fillRect(r, QColor::fromRgb(color)); });
}

template<typename Funcion>
void Lienzo::pintar(Funcion &&funcion)
{
    if (m_imagen.isNull())
        return;
    if (m_pintor) {
        funcion(*m_pintor);
    } else {
        QPainter p(&m_imagen);
        funcion(p);
    }
    ++m_dibujos;
    update();
}

Lienzo::Dibujo::Dibujo(Lienzo &lienzo)
    : m_lienzo(lienzo)
{
    if (!m_lienzo.m_pintor && !m_lienzo.m_imagen.isNull()) {
        m_lienzo.m_pintor = std::make_unique<QPainter>(&m_lienzo.m_imagen);
        m_propio = true;
    }
}

Lienzo::Dibujo::~Dibujo()
{
    if (m_propio)
        m_lienzo.m_pintor.reset();
}

void Lienzo::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.drawImage(contentsRect().topLeft(), m_imagen);
    p.end();
    QFrame::paintEvent(event);
}

void Lienzo::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    ajustarimagen();
}

void Lienzo::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = event->position() - contentsRect().topLeft();
    emit ratonmovido(usuariox(p.x()), usuarioy(p.y()));
    QFrame::mouseMoveEvent(event);
}

void Lienzo::ajustarimagen()
{
    const QSize tamano = contentsRect().size().expandedTo(QSize(0, 0));
    if (tamano == m_imagen.size())
        return;
    m_pintor.reset();
    QImage nueva(tamano, QImage::Format_RGB32);
    nueva.fill(m_fondo);
    if (!m_imagen.isNull()) {
        QPainter p(&nueva);
        p.drawImage(0, 0, m_imagen);
    }
    m_imagen = std::move(nueva);
}
