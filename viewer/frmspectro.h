// The main window: species selection, line table, wavelength window, switches and the spectrum pictures.
#pragma once

#include "navegacion.h"

#include <QLocale>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class AlmacenLineas;
class Escala;
class Lienzo;
class TablaLineas;
class SelectorRangos;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;

class frmspectro final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmspectro)

public:
    // Shows a message to the user: title and text. Tests replace it to answer without a dialog.
    using Avisador = std::function<void(const QString &titulo, const QString &texto)>;

    // Runs the load sequence: captions, picture scales, step variables, lists, line store and
    // query of "H" "I". `directorio` is where the line store lies (the program's directory).
    explicit frmspectro(const QString &directorio, QWidget *parent = nullptr, Avisador avisador = {});
    ~frmspectro() override;

    void irisdal(qint16 ancho, qint16 alto, qint32 vmin, qint32 vmax);
    void irisdal_lorentz(qint16 ancho, qint16 alto, qint32 vmin, qint32 vmax, double gamma);
    void redibujar();

    const VariablesPaso &variables() const { return m_variables; }
    const TablaLineas &tabla() const { return *m_tabla; }
    Lienzo &espectro() const { return *m_pctspectrum; }
    Lienzo &espectrolorentz() const { return *m_pctspectrumLorentz; }
    Lienzo &total() const { return *m_pctspctotal; }
    const Escala &escalalonda() const { return *m_escalalonda; }
    const Escala &escalafreq() const { return *m_escalafreq; }
    // The number of lines in the window of the last Lorentz drawing.
    qsizetype lineaslorentz() const { return m_lineaslorentz; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void crearcontroles();
    void ponercaptiones();
    void conectar();
    void llenarlistas();
    void abriralmacen(const QString &directorio);
    void consultar();
    void formatearrejilla(const std::vector<double> &longitudes);

    void lineaabsorcion(double londa, qint16 ancho, qint16 alto, qint32 vmin, qint32 vmax);
    void marcarventana(qint32 vmin, qint32 vmax);
    void dibujarvistalineas();
    void dibujarvistalorentz();

    void optirisdal_Click(int indice);
    void optspect_Click(int indice);
    void botonlimite(navegacion::BotonLimite boton);
    void botonintervalo(navegacion::BotonIntervalo boton);
    void chkescala_Click(Escala &escala, QCheckBox *caja);
    void updgamma_Change(int sentido);
    void aplicarlimitetecleado(QLineEdit *caja);
    void rechazarlimitetecleado(QLineEdit *caja);
    void lecturapuntero(double x);
    void lecturatotal(double x);

    // Picture size and window bounds as every redraw reads them.
    struct Medidas {
        qint16 ancho;
        qint16 alto;
        qint32 vmin;
        qint32 vmax;
    };
    Medidas medidas() const;
    qint32 numerocaja(const QLineEdit *caja) const;
    void avisar(const QString &texto);

    VariablesPaso m_variables;
    QLocale m_locale;
    Avisador m_avisador;
    std::unique_ptr<AlmacenLineas> m_almacen;
    TablaLineas *m_tabla = nullptr;
    std::unique_ptr<Escala> m_escalalonda;
    std::unique_ptr<Escala> m_escalafreq;
    qsizetype m_lineaslorentz = 0;
    QString m_ultimotextomin;
    QString m_ultimotextomax;

    // Controls, by their design names.
    QGroupBox *m_firisdal = nullptr;
    Lienzo *m_pctspectrum = nullptr;
    Lienzo *m_pctspectrumLorentz = nullptr;
    QLineEdit *m_txtmin = nullptr;
    QLineEdit *m_txtmax = nullptr;
    QPushButton *m_btminup = nullptr;
    QPushButton *m_btmindown = nullptr;
    QPushButton *m_btmaxup = nullptr;
    QPushButton *m_btmaxdown = nullptr;
    QLabel *m_Label1 = nullptr;
    QLabel *m_Label2 = nullptr;
    QLabel *m_Label3 = nullptr;
    QLabel *m_Label4 = nullptr;
    SelectorRangos *m_Frame5 = nullptr;
    Lienzo *m_pctspctotal = nullptr;
    QGroupBox *m_frmabsorcion = nullptr;
    QCheckBox *m_chkabsorcion = nullptr;
    std::array<QRadioButton *, 2> m_optirisdal{};
    QButtonGroup *m_grupoirisdal = nullptr;
    QLabel *m_lblgamma = nullptr;
    QLineEdit *m_txtgamma = nullptr;
    QWidget *m_updgamma = nullptr;
    QLabel *m_lblelement = nullptr;
    QComboBox *m_cmbirisdal = nullptr;
    QLabel *m_lbltipo = nullptr;
    QComboBox *m_cmbtipo = nullptr;
    QTableView *m_MSFGrid = nullptr;
    QGroupBox *m_frmintervalos = nullptr;
    QCheckBox *m_chkfreq = nullptr;
    QLineEdit *m_txtintfreq = nullptr;
    QPushButton *m_btfrequp = nullptr;
    QPushButton *m_btfreqdown = nullptr;
    QCheckBox *m_chklong = nullptr;
    QLineEdit *m_txtintlonda = nullptr;
    QPushButton *m_btlongup = nullptr;
    QPushButton *m_btlongdown = nullptr;
    QGroupBox *m_Frame1 = nullptr;
    QWidget *m_pctlonda = nullptr;
    QLabel *m_lblonda = nullptr;
    QLabel *m_lbnm = nullptr;
    QLabel *m_lbfreq = nullptr;
    QLabel *m_lbthz = nullptr;
    QGroupBox *m_Frame3 = nullptr;
    QPushButton *m_btcopy = nullptr;
    QPushButton *m_btprint = nullptr;
    QPushButton *m_btidioma = nullptr;
    QPushButton *m_btacercade = nullptr;
};
