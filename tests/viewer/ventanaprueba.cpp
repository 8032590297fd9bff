#include "ventanaprueba.h"

#include "idiomas.h"
#include "rutasprueba.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

VentanaPrueba::VentanaPrueba(const QString &directorio)
{
    idiomas::rutaidioma = rutasprueba::runtime() + QStringLiteral("/idioma.lng");
    idiomas::idiomaactual = QStringLiteral("Español");
    m_ventana = std::make_unique<frmspectro>(directorio, nullptr,
                                             [this](const QString &, const QString &texto) { m_avisos << texto; });
    m_ventana->show();
}

void VentanaPrueba::elegir(const QString &elemento, const QString &tipo) const
{
    auto *cmbirisdal = control<QComboBox>("cmbirisdal");
    control<QComboBox>("cmbtipo")->setEditText(tipo);
    cmbirisdal->setEditText(elemento);
    emit cmbirisdal->activated(0);
}

void VentanaPrueba::teclear(const char *caja, const QString &texto) const
{
    auto *t = control<QLineEdit>(caja);
    t->setFocus();
    t->setText(texto);
    QTest::keyClick(t, Qt::Key_Return);
}

void VentanaPrueba::pulsar(const char *boton) const
{
    control<QAbstractButton>(boton)->click();
}
