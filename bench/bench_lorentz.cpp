// The Lorentz view's computation (top of the scale plus 625 columns), literal and fast.
#include "irisdal.h"
#include "lorentzrapido.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int ancho = 624;
constexpr double anchura = 1.0; // gamma, THz

struct Caso {
    const char *elemento;
    const char *estado;
    int vmin;
    int vmax;
};

// args: 0 = Th I over 1..50000 nm (13,270 lines), 1 = Fe II over 380..780 nm
constexpr Caso casos[] = {{"Th", "I", 1, 50000}, {"Fe", "II", 380, 780}};

// Centres as the view reads them from the line table: the wavelength with five
// decimals strictly inside the window, its frequency with three. Empty if the
// catalogue cannot be read.
std::vector<double> leercentros(const Caso &caso)
{
    std::ifstream archivo(TESMIRA_DATA_DIR "/nist-lines.csv");
    std::vector<double> centros;
    std::string linea;
    if (!archivo || !std::getline(archivo, linea))
        return centros;
    while (std::getline(archivo, linea)) {
        std::istringstream campos(linea);
        std::string londa, elemento, estado;
        std::getline(campos, londa, ',');
        std::getline(campos, elemento, ',');
        std::getline(campos, estado, ',');
        if (elemento != caso.elemento || estado != caso.estado)
            continue;
        char *fin = nullptr;
        const double leida = std::strtod(londa.c_str(), &fin);
        if (fin == londa.c_str())
            continue; // a row without a wavelength is not shown in the view
        const double l = std::round(leida * 1e5) / 1e5;
        if (caso.vmin < l && l < caso.vmax)
            centros.push_back(std::round(irisdal::londafreq(l) * 1e3) / 1e3);
    }
    return centros;
}

const std::vector<double> &centros(std::size_t indice)
{
    static const std::vector<double> leidos[] = {leercentros(casos[0]), leercentros(casos[1])};
    return leidos[indice];
}

std::vector<double> columnas(const Caso &caso)
{
    std::vector<double> x;
    for (int h = 0; h <= ancho; ++h)
        x.push_back(irisdal::londafreq(caso.vmin + double(h * (caso.vmax - caso.vmin)) / ancho));
    return x;
}

bool preparar(benchmark::State &state, const std::vector<double> &c)
{
    if (c.empty()) {
        state.SkipWithError("nist-lines.csv is absent from the shared data folder");
        return false;
    }
    state.counters["lineas"] = double(c.size());
    return true;
}

void BM_LorentzLiteral(benchmark::State &state)
{
    const std::size_t indice = std::size_t(state.range(0));
    const std::vector<double> &c = centros(indice);
    const std::vector<double> x = columnas(casos[indice]);
    if (!preparar(state, c))
        return;
    for (auto _ : state) {
        benchmark::DoNotOptimize(techolorentzliteral(c, anchura));
        for (const double f : x)
            benchmark::DoNotOptimize(irisdal::sumalorentz(f, c, anchura));
    }
}

void BM_LorentzRapida(benchmark::State &state)
{
    const std::size_t indice = std::size_t(state.range(0));
    const std::vector<double> &c = centros(indice);
    const std::vector<double> x = columnas(casos[indice]);
    if (!preparar(state, c))
        return;
    for (auto _ : state) {
        const SumaLorentzRapida suma(c, anchura);
        benchmark::DoNotOptimize(techolorentz(c, suma));
        for (const double f : x)
            benchmark::DoNotOptimize(suma(f));
    }
}

// The parts of the fast computation on their own.
void BM_LorentzRapidaConstruir(benchmark::State &state)
{
    const std::vector<double> &c = centros(std::size_t(state.range(0)));
    if (!preparar(state, c))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(SumaLorentzRapida(c, anchura));
}

void BM_LorentzRapidaTecho(benchmark::State &state)
{
    const std::vector<double> &c = centros(std::size_t(state.range(0)));
    if (!preparar(state, c))
        return;
    const SumaLorentzRapida suma(c, anchura);
    for (auto _ : state)
        benchmark::DoNotOptimize(techolorentz(c, suma));
}

void BM_LorentzRapidaColumnas(benchmark::State &state)
{
    const std::size_t indice = std::size_t(state.range(0));
    const std::vector<double> &c = centros(indice);
    const std::vector<double> x = columnas(casos[indice]);
    if (!preparar(state, c))
        return;
    const SumaLorentzRapida suma(c, anchura);
    for (auto _ : state) {
        for (const double f : x)
            benchmark::DoNotOptimize(suma(f));
    }
}

} // namespace

BENCHMARK(BM_LorentzLiteral)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LorentzRapida)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LorentzRapidaConstruir)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LorentzRapidaTecho)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LorentzRapidaColumnas)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
