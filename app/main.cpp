#include "frmspectro.h"
#include "idiomas.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString directorio = QCoreApplication::applicationDirPath();

    // The language path and the current language come before any window fetches a caption.
    idiomas::rutaidioma = QDir(directorio).filePath(QStringLiteral("idioma.lng"));
    const QString problema = idiomas::comprobarfichero(idiomas::rutaidioma);
    if (problema.isEmpty())
        idiomas::idiomaactual = idiomas::leervalor(idiomas::rutaidioma, QStringLiteral("idioma"), QStringLiteral("idioma"));

    frmspectro ventana(directorio);
    const QRect pantalla = ventana.screen()->availableGeometry();
    ventana.move(pantalla.center() - ventana.rect().center());
    ventana.show();
    if (!problema.isEmpty())
        QMessageBox::warning(&ventana, QStringLiteral("Tesmira"), problema);
    return app.exec();
}
