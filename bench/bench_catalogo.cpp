// Species query plus table fill, from the Access file and from the SQLite store.
#include "almacenlineas.h"
#include "tablaaccess.h"
#include "tablalineas.h"

#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

QString access()
{
    return QStringLiteral(TESMIRA_DATA_DIR "/lineasNist.mdb");
}

QString sqlite()
{
    return QStringLiteral(TESMIRA_RUNTIME_DIR "/lineasNist.sqlite");
}

// args: 0 = Th I (13,270 lines), 1 = Na I (437 lines)
QString elemento(const benchmark::State &state)
{
    return state.range(0) == 0 ? QStringLiteral("Th") : QStringLiteral("Na");
}

void consultayrejilla(benchmark::State &state, const QString &fichero,
                      AperturaAlmacen (*abrir)(const QString &))
{
    if (!QFileInfo::exists(fichero)) {
        state.SkipWithError(qPrintable(fichero + QStringLiteral(" is absent")));
        return;
    }
    const AperturaAlmacen a = abrir(fichero);
    if (!a.almacen) {
        state.SkipWithError(qPrintable(a.error));
        return;
    }
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    TablaLineas tabla;
    const QString e = elemento(state);
    for (auto _ : state) {
        const ResultadoConsulta r = a.almacen->consultar(e, QStringLiteral("I"));
        tabla.formatearrejilla(r.longitudes, QStringLiteral("Longitud"), QStringLiteral("Frecuencia"),
                               QStringLiteral("Número de onda"), es);
        benchmark::DoNotOptimize(tabla.frecuencia(tabla.numerolineas()));
    }
    state.counters["lineas"] = tabla.numerolineas();
}

void BM_ConsultaAccess(benchmark::State &state)
{
    consultayrejilla(state, access(), abriraccess);
}

void BM_ConsultaSqlite(benchmark::State &state)
{
    consultayrejilla(state, sqlite(), abrirsqlite);
}

// The part of each Access query spent opening the file and reading the table definition.
void BM_AperturaAccessPorConsulta(benchmark::State &state)
{
    if (!QFileInfo::exists(access())) {
        state.SkipWithError("lineasNist.mdb is absent");
        return;
    }
    for (auto _ : state) {
        TablaAccess::Apertura a = TablaAccess::abrir(access(), QStringLiteral("tabla"));
        benchmark::DoNotOptimize(a.tabla.get());
    }
}

// Opening at start-up: the validating scan that also finds the highest stage.
void BM_AbrirAlmacen(benchmark::State &state)
{
    const QString fichero = state.range(0) == 0 ? access() : sqlite();
    if (!QFileInfo::exists(fichero)) {
        state.SkipWithError(qPrintable(fichero + QStringLiteral(" is absent")));
        return;
    }
    for (auto _ : state) {
        AperturaAlmacen a = state.range(0) == 0 ? abriraccess(fichero) : abrirsqlite(fichero);
        benchmark::DoNotOptimize(a.almacen.get());
    }
}

// The table fill alone, and the formatting of the cells a view shows first (30 rows).
void BM_FormatearRejilla(benchmark::State &state)
{
    std::vector<double> longitudes;
    for (int i = 0; i < 13270; ++i)
        longitudes.push_back(200.0 + i * 0.0912345678);
    const QLocale es(QLocale::Spanish, QLocale::Spain);
    TablaLineas tabla;
    for (auto _ : state) {
        tabla.formatearrejilla(longitudes, {}, {}, {}, es);
        for (int fila = 0; fila < 30; ++fila) {
            for (int c = 0; c < 4; ++c)
                benchmark::DoNotOptimize(tabla.data(tabla.index(fila, c)));
        }
    }
}

} // namespace

BENCHMARK(BM_ConsultaAccess)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConsultaSqlite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AperturaAccessPorConsulta)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AbrirAlmacen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatearRejilla)->Unit(benchmark::kMillisecond);
