// The bookkeeping of the range presets and of the bound and interval step buttons.
#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

// The main window's sixteen step variables: upper limit, lower limit, current value and step
// of the window maximum, the window minimum and the two scale intervals.
struct VariablesPaso {
    qint32 maxsup = 780;
    qint32 maxinf = 390;
    qint32 maxact = 780;
    qint32 maxpaso = 10;
    qint32 minsup = 770;
    qint32 mininf = 380;
    qint32 minact = 380;
    qint32 minpaso = 10;
    qint32 longsup = 200;
    qint32 longinf = 20;
    qint32 longact = 50;
    qint32 longpaso = 10;
    qint32 freqsup = 200;
    qint32 freqinf = 20;
    qint32 freqact = 50;
    qint32 freqpaso = 10;

    bool operator==(const VariablesPaso &) const = default;
};

struct RangoPreset {
    qint32 minimo;
    qint32 maximo;
};

namespace navegacion {

inline constexpr int numeropresets = 10;
// Preset index 0..9: Irisdal Total, Visible, Ultravioleta, UVA, UVB, UVC, Vacio, Infrarrojo, Cercano, Medio.
inline constexpr std::array<RangoPreset, numeropresets> presets{{{1, 50000},
                                                                 {380, 780},
                                                                 {1, 380},
                                                                 {320, 380},
                                                                 {260, 320},
                                                                 {200, 260},
                                                                 {1, 200},
                                                                 {780, 50000},
                                                                 {780, 2000},
                                                                 {2000, 50000}}};

// What a preset writes into the boxes: the window and the common scale interval.
struct TextosPreset {
    qint32 minimo;
    qint32 maximo;
    qint32 intervalo;
};

// Sets all sixteen variables for preset `indice` (0..9) and returns the box contents.
TextosPreset aplicarpreset(int indice, VariablesPaso &v);

enum class BotonLimite {
    maxup,
    maxdown,
    minup,
    mindown,
};

struct PasoLimite {
    // The new text of the box when the gap test held; empty when the box keeps its text.
    std::optional<qint32> texto;
};

// One click of a bound button, given the number in its box. Returns nothing when the click is
// refused (the variable then returns to the box's value); otherwise the view is to be redrawn.
std::optional<PasoLimite> pasolimite(BotonLimite boton, qint32 valorcaja, VariablesPaso &v);

enum class BotonIntervalo {
    longup,
    longdown,
    frequp,
    freqdown,
};

// One click of an interval button, given the number in its box. Returns the new box value, or
// nothing when the click is refused.
std::optional<qint32> pasointervalo(BotonIntervalo boton, qint32 valorcaja, VariablesPaso &v);

} // namespace navegacion
