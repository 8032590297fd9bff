#include "escala.h"

#include "lienzo.h"

#include <QLabel>

#include <cmath>

namespace {

QLabel *nuevaetiqueta(Lienzo &lienzo)
{
    auto *l = new QLabel(&lienzo);
    l->setAttribute(Qt::WA_TransparentForMouseEvents); // the picture keeps following the pointer
    QFont f = l->font();
    f.setPointSizeF(7);
    l->setFont(f);
    l->setContentsMargins(0, 0, 0, 0);
    l->hide();
    return l;
}

} // namespace

Escala::Escala(Lienzo &lienzo, Borde borde, Rotulo rotulo)
    : m_lienzo(lienzo)
    , m_borde(borde)
    , m_rotulo(std::move(rotulo))
{
    m_etiquetas.push_back(nuevaetiqueta(m_lienzo));
}

Escala::~Escala() = default; // the labels are children of the picture

void Escala::dibujar(qint32 vmin, qint32 vmax, qint32 intervalo)
{
    if (vmin != m_ultmin || vmax != m_ultmax || intervalo != m_ultint) {
        quitarsobrantes(1);
        m_etiquetas.front()->hide();
        m_numero = 0;
    }
    // A repeated call reuses the labels already placed instead of adding new ones.
    m_numero = 0;

    if (intervalo > 0 && vmax > vmin) {
        const double ancho = m_lienzo.anchopixeles();
        const double alto = m_lienzo.altopixeles();
        const QPoint origen = m_lienzo.contentsRect().topLeft();
        for (qint64 k = vmin; k <= vmax; k += intervalo) {
            const bool oscuro = k >= 470 && k <= 620;
            const QRgb color = oscuro ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            const double x = std::nearbyint(double(k - vmin) * ancho / double(vmax - vmin));
            ++m_numero;
            const bool abajo = m_borde == Borde::inferior;
            if (abajo)
                m_lienzo.linea(x, 0, x, 0.2 * alto, color);
            else
                m_lienzo.linea(x, alto, x, 0.8 * alto, color);

            QLabel *l = etiqueta(m_numero);
            QPalette paleta = l->palette();
            paleta.setColor(QPalette::WindowText, QColor::fromRgb(color));
            l->setPalette(paleta);
            l->setText(m_rotulo(static_cast<qint32>(k)));
            l->adjustSize();
            // Lower edge on the tick's upper end, or upper edge on the tick's lower end.
            const double arriba = abajo ? 0.2 * alto + l->height() : 0.8 * alto;
            const QPoint p = m_lienzo.apixel(x, arriba);
            l->move(origen.x() + static_cast<int>(std::lround(x - l->width() / 2.0)), origen.y() + p.y());
            l->show();
        }
    }
    quitarsobrantes(m_numero < 1 ? 1 : m_numero);
    if (m_numero == 0)
        m_etiquetas.front()->hide();
    m_ultmin = vmin;
    m_ultmax = vmax;
    m_ultint = intervalo;
}

void Escala::setEtiquetasvisibles(bool visibles)
{
    for (QLabel *l : m_etiquetas)
        l->setVisible(visibles);
}

QLabel *Escala::etiqueta(int indice)
{
    while (static_cast<int>(m_etiquetas.size()) < indice)
        m_etiquetas.push_back(nuevaetiqueta(m_lienzo));
    return m_etiquetas[static_cast<std::size_t>(indice - 1)];
}

void Escala::quitarsobrantes(int conservar)
{
    while (static_cast<int>(m_etiquetas.size()) > conservar) {
        delete m_etiquetas.back();
        m_etiquetas.pop_back();
    }
}
