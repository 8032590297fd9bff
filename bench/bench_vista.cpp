// Full redraws of the line view and the Lorentz view of the main window on the real catalogue.
#include "frmspectro.h"
#include "idiomas.h"
#include "lienzo.h"
#include "tablalineas.h"

#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

frmspectro *ventana = nullptr;

// Chooses the species and the range preset (0 "Irisdal Total", 1 "Visible"), which also sets the scale intervals.
bool elegir(const char *elemento, const char *tipo, int preset)
{
    auto *cmbirisdal = ventana->findChild<QComboBox *>(QStringLiteral("cmbirisdal"));
    auto *cmbtipo = ventana->findChild<QComboBox *>(QStringLiteral("cmbtipo"));
    cmbirisdal->setEditText(QString::fromLatin1(elemento));
    cmbtipo->setEditText(QString::fromLatin1(tipo));
    emit cmbirisdal->activated(0);
    ventana->findChild<QRadioButton *>(QStringLiteral("optspect_%1").arg(preset))->click();
    return ventana->tabla().numerolineas() > 0;
}

void redibujo(benchmark::State &state, const char *elemento, const char *tipo, int preset, bool lorentz)
{
    if (!elegir(elemento, tipo, preset)) {
        state.SkipWithError("species not in the line store");
        return;
    }
    const qint32 vmin = ventana->findChild<QLineEdit *>(QStringLiteral("txtmin"))->text().toInt();
    const qint32 vmax = ventana->findChild<QLineEdit *>(QStringLiteral("txtmax"))->text().toInt();
    const auto ancho = static_cast<qint16>(ventana->espectro().escalaancho());
    const auto alto = static_cast<qint16>(-ventana->espectro().escalaalto());
    for (auto _ : state) {
        if (lorentz)
            ventana->irisdal_lorentz(ancho, alto, vmin, vmax, 1.0);
        else
            ventana->irisdal(ancho, alto, vmin, vmax);
    }
    state.counters["lines"] = ventana->tabla().numerolineas();
    state.counters["ancho"] = ancho;
}

void BM_lineas_ThI_total(benchmark::State &s) { redibujo(s, "Th", "I", 0, false); }
void BM_lineas_FeII_visible(benchmark::State &s) { redibujo(s, "Fe", "II", 1, false); }
void BM_lorentz_ThI_total(benchmark::State &s) { redibujo(s, "Th", "I", 0, true); }
void BM_lorentz_FeII_visible(benchmark::State &s) { redibujo(s, "Fe", "II", 1, true); }

BENCHMARK(BM_lineas_ThI_total)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_lineas_FeII_visible)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_lorentz_ThI_total)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_lorentz_FeII_visible)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString directorio = QStringLiteral(TESMIRA_RUNTIME_DIR);
    idiomas::rutaidioma = directorio + QStringLiteral("/idioma.lng");
    idiomas::idiomaactual = QStringLiteral("Español");
    auto v = std::make_unique<frmspectro>(directorio, nullptr, [](const QString &, const QString &t) {
        fprintf(stderr, "%s\n", qPrintable(t));
    });
    v->show();
    ventana = v.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
