// Frame5: the overview bar over the band diagram of the ten range presets.
#pragma once

#include "navegacion.h"

#include <QGroupBox>

#include <array>

class Lienzo;
class QButtonGroup;
class QRadioButton;

class SelectorRangos final : public QGroupBox
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SelectorRangos)

public:
    explicit SelectorRangos(QWidget *parent = nullptr);

    Lienzo &pctspctotal() const { return *m_pctspctotal; }
    QRadioButton *optspect(int indice) const { return m_optspect.at(static_cast<std::size_t>(indice)); }

signals:
    // optspect_Click(Index)
    void presetelegido(int indice);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Lienzo *m_pctspctotal = nullptr;
    std::array<QRadioButton *, navegacion::numeropresets> m_optspect{};
    QButtonGroup *m_grupo = nullptr;
};
