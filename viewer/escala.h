// One scale of the line picture: its ticks and its array of value labels.
#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

class Lienzo;
class QLabel;

class Escala final
{
    Q_DISABLE_COPY_MOVE(Escala)

public:
    enum class Borde {
        inferior, // ticks up from the bottom edge, labels above them (wavelength)
        superior, // ticks down from the top edge, labels below them (frequency)
    };
    using Rotulo = std::function<QString(qint32 longitud)>;

    // Element 1 of the label array exists from the start, hidden and empty.
    Escala(Lienzo &lienzo, Borde borde, Rotulo rotulo);
    ~Escala();

    // Draws a tick every `intervalo` nm from vmin up to vmax and places one label per tick.
    void dibujar(qint32 vmin, qint32 vmax, qint32 intervalo);
    void setEtiquetasvisibles(bool visibles);

    // The label array, element 1 first.
    const std::vector<QLabel *> &etiquetas() const { return m_etiquetas; }
    // Labels placed by the last call (nlong / nfreq).
    int numero() const { return m_numero; }

private:
    QLabel *etiqueta(int indice);
    void quitarsobrantes(int conservar);

    Lienzo &m_lienzo;
    Borde m_borde;
    Rotulo m_rotulo;
    std::vector<QLabel *> m_etiquetas;
    int m_numero = 0;
    qint32 m_ultmin = 0;
    qint32 m_ultmax = 0;
    qint32 m_ultint = 0;
};
