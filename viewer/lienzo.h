// A picture surface: a persistent image with a user coordinate scale and drawing calls in user units.
#pragma once

#include <QFrame>
#include <QImage>
#include <QPainter>

#include <memory>

class Lienzo final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Lienzo)

public:
    explicit Lienzo(QWidget *parent = nullptr);
    ~Lienzo() override;

    // The scale maps user x from `izquierda` to `izquierda + ancho` onto the pixel columns 0..anchopixeles()
    // and user y from `arriba` to `arriba + alto` onto the pixel rows 0..altopixeles(); a negative
    // `alto` puts the origin at the bottom.
    void setEscala(double izquierda, double arriba, double ancho, double alto);
    // Pixel scale with the origin at the bottom-left corner: x 0..W, y 0..H upward.
    void setEscalapixelesabajo();
    double escalaizquierda() const { return m_izquierda; }
    double escalaarriba() const { return m_arriba; }
    double escalaancho() const { return m_ancho; }
    double escalaalto() const { return m_alto; }
    // Highest pixel column and row of the image (W and H of the bottom-left pixel scale).
    int anchopixeles() const;
    int altopixeles() const;

    QPoint apixel(double x, double y) const;
    double usuariox(double columna) const;
    double usuarioy(double fila) const;

    void setColorfondo(QRgb color);
    QRgb colorfondo() const { return m_fondo; }
    // Fills the image with the background colour.
    void limpiar();
    void linea(double x1, double y1, double x2, double y2, QRgb color);
    // Fills the rectangle between two corners, both pixel columns and rows included.
    void rectangulo(double x1, double y1, double x2, double y2, QRgb color);

    const QImage &imagen() const { return m_imagen; }
    // Counts the drawing calls made on the image; it tells a redraw from an untouched picture.
    quint64 dibujos() const { return m_dibujos; }
    // Sizes the image to the picture's inner area at once, also while the picture is hidden.
    void ajustarimagen();

    // Keeps one painter open on the image while a whole view is drawn.
    class Dibujo final
    {
        Q_DISABLE_COPY_MOVE(Dibujo)
    public:
        explicit Dibujo(Lienzo &lienzo);
        ~Dibujo();

    private:
        Lienzo &m_lienzo;
    };

signals:
    // Pointer position in user units.
    void ratonmovido(double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // Runs a drawing on the open painter of a Dibujo, or on a painter of its own.
    template<typename Funcion>
    void pintar(Funcion &&funcion);
    // Runs a direct change of the image's pixels.
    template<typename Funcion>
    void escribir(Funcion &&funcion);
    void rellenar(const QRect &zona, QRgb color);

    QImage m_imagen;
    std::unique_ptr<QPainter> m_pintor;
    quint64 m_dibujos = 0;
    int m_endibujo = 0;
    QRgb m_fondo = qRgb(255, 255, 255);
    double m_izquierda = 0;
    double m_arriba = 0;
    double m_ancho = 1;
    double m_alto = 1;
};
