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

template<typename Funcion>
void Lienzo::escribir(Funcion &&funcion)
{
    if (m_imagen.isNull())
        return;
    ++m_dibujos;
    // No painter may stay open while pixels are written directly: a detached image would leave
    // it drawing on the old buffer.
    m_pintor.reset();
    funcion();
    if (!m_endibujo)
        update();
}

template<typename Funcion>
void Lienzo::pintar(Funcion &&funcion)
{
    if (m_imagen.isNull())
        return;
    ++m_dibujos;
    if (!m_endibujo) {
        QPainter p(&m_imagen);
        funcion(p);
        update();
        return;
    }
    // Inside a Dibujo one painter serves all calls; the Dibujo asks for the repaint when it ends.
    if (!m_pintor)
        m_pintor = std::make_unique<QPainter>(&m_imagen);
    funcion(*m_pintor);
}

void Lienzo::limpiar()
{
    escribir([this] { m_imagen.fill(m_fondo); });
}

void Lienzo::linea(double x1, double y1, double x2, double y2, QRgb color)
{
    const QPoint a = apixel(x1, y1);
    const QPoint b = apixel(x2, y2);
    if (a.x() == b.x()) {
        // Vertical strokes (band columns, lines, ticks) are written straight into the image.
        rellenar(QRect(QPoint(a.x(), std::min(a.y(), b.y())), QPoint(a.x(), std::max(a.y(), b.y()))), color);
        return;
    }
    pintar([&](QPainter &p) {
        if (p.pen().color().rgb() != color)
            p.setPen(QColor::fromRgb(color));
        p.drawLine(a, b);
    });
}

void Lienzo::rectangulo(double x1, double y1, double x2, double y2, QRgb color)
{
    rellenar(QRect(apixel(x1, y1), apixel(x2, y2)).normalized(), color);
}

void Lienzo::rellenar(const QRect &zona, QRgb color)
{
    const QRect r = zona & m_imagen.rect();
    if (r.isEmpty())
        return;
    escribir([&] {
        uchar *base = m_imagen.bits(); // detaches once, not once per row
        const qsizetype paso = m_imagen.bytesPerLine();
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto *fila = reinterpret_cast<QRgb *>(base + y * paso);
            std::fill(fila + r.left(), fila + r.right() + 1, color | 0xff000000u);
        }
    });
}

Lienzo::Dibujo::Dibujo(Lienzo &lienzo)
    : m_lienzo(lienzo)
{
    ++m_lienzo.m_endibujo;
}

Lienzo::Dibujo::~Dibujo()
{
    if (--m_lienzo.m_endibujo == 0) {
        m_lienzo.m_pintor.reset();
        m_lienzo.update();
    }
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
