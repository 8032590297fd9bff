#include "navegacion.h"

namespace navegacion {

TextosPreset aplicarpreset(int indice, VariablesPaso &v)
{
    const RangoPreset r = presets.at(static_cast<std::size_t>(indice));
    v.mininf = r.minimo;
    v.minact = r.minimo;
    v.maxsup = r.maximo;
    v.maxact = r.maximo;
    v.maxpaso = 10;
    v.minpaso = 10;
    v.maxinf = r.minimo + 10;
    v.minsup = r.maximo - 10;

    const qint32 span = r.maximo - r.minimo; // positive, so integer division is floor
    const qint32 intervalo = span / 10;
    v.longact = v.freqact = intervalo;
    v.longinf = v.freqinf = span / 20;
    v.longsup = v.freqsup = span / 2;
    v.longpaso = v.freqpaso = span / 40;
    return {r.minimo, r.maximo, intervalo};
}

std::optional<PasoLimite> pasolimite(BotonLimite boton, qint32 valorcaja, VariablesPaso &v)
{
    const bool esmaximo = boton == BotonLimite::maxup || boton == BotonLimite::maxdown;
    const bool sube = boton == BotonLimite::maxup || boton == BotonLimite::minup;
    qint32 &actual = esmaximo ? v.maxact : v.minact;
    const qint32 paso = esmaximo ? v.maxpaso : v.minpaso;
    const qint32 candidato = sube ? valorcaja + paso : valorcaja - paso;
    actual = candidato;

    bool rechazado = false;
    switch (boton) {
    case BotonLimite::maxup:
        rechazado = v.maxact > v.maxsup;
        break;
    case BotonLimite::maxdown:
        rechazado = v.maxact < v.maxinf;
        break;
    case BotonLimite::minup:
        rechazado = v.minact > v.minsup;
        break;
    case BotonLimite::mindown:
        rechazado = v.minact < v.mininf;
        break;
    }
    if (rechazado) {
        actual = valorcaja;
        return std::nullopt;
    }

    // The gap test keeps the bounds at least 10 nm apart; only raising the maximum asks for more.
    const qint32 hueco = v.maxact - v.minact;
    const bool escribir = boton == BotonLimite::maxup ? hueco > 10 : hueco >= 10;
    PasoLimite paso_dado;
    if (escribir)
        paso_dado.texto = candidato;
    return paso_dado;
}

std::optional<qint32> pasointervalo(BotonIntervalo boton, qint32 valorcaja, VariablesPaso &v)
{
    const bool eslonda = boton == BotonIntervalo::longup || boton == BotonIntervalo::longdown;
    const bool sube = boton == BotonIntervalo::longup || boton == BotonIntervalo::frequp;
    qint32 &actual = eslonda ? v.longact : v.freqact;
    const qint32 paso = eslonda ? v.longpaso : v.freqpaso;
    const qint32 limite = sube ? (eslonda ? v.longsup : v.freqsup) : (eslonda ? v.longinf : v.freqinf);

    actual = sube ? valorcaja + paso : valorcaja - paso;
    const bool rechazado = sube ? actual > limite : actual < limite;
    if (rechazado) {
        actual = valorcaja;
        return std::nullopt;
    }
    return actual;
}

} // namespace navegacion
