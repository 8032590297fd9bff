// importarlineas <origen.mdb|origen.csv> <destino.sqlite>: writes the SQLite line store.
#include "importador.h"

#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: importarlineas <origen.mdb|origen.csv> <destino.sqlite>\n");
        return 2;
    }
    const QString origen = QString::fromLocal8Bit(argv[1]);
    const QString destino = QString::fromLocal8Bit(argv[2]);
    const importador::ResultadoImportacion r = importador::importar(origen, destino);
    for (const QString &aviso : r.avisos)
        std::fprintf(stderr, "importarlineas: %s\n", qPrintable(aviso));
    if (!r.error.isEmpty()) {
        std::fprintf(stderr, "importarlineas: %s\n", qPrintable(r.error));
        return 1;
    }
    std::printf("importarlineas: %lld rows written to %s\n", static_cast<long long>(r.filas),
                qPrintable(destino));
    return 0;
}
