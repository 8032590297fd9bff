// The main window under test, with its messages captured and its controls found by design name.
#pragma once

#include "frmspectro.h"

#include <QStringList>

#include <memory>

class VentanaPrueba final
{
public:
    // Sets up the shipped language file (Español) and shows a main window on the line store in `directorio`.
    explicit VentanaPrueba(const QString &directorio);

    frmspectro &ventana() const { return *m_ventana; }
    const QStringList &avisos() const { return m_avisos; }

    template<typename T>
    T *control(const char *nombre) const
    {
        T *c = m_ventana->findChild<T *>(QString::fromLatin1(nombre));
        if (!c)
            qFatal("control %s missing", nombre);
        return c;
    }

    // Puts the texts into the combos and chooses an entry, which runs the species query.
    void elegir(const QString &elemento, const QString &tipo) const;
    // Types a text into a box and presses Enter.
    void teclear(const char *caja, const QString &texto) const;
    void pulsar(const char *boton) const;

private:
    QStringList m_avisos;
    std::unique_ptr<frmspectro> m_ventana;
};
