#include "rutasprueba.h"

#include <QFileInfo>

namespace rutasprueba {

namespace {

QString siexiste(const QString &carpeta, const QString &nombre)
{
    const QFileInfo info(carpeta + QLatin1Char('/') + nombre);
    return info.isFile() ? info.absoluteFilePath() : QString();
}

} // namespace

QString datos(const QString &nombre)
{
    return siexiste(QStringLiteral(TESMIRA_DATA_DIR), nombre);
}

QString fixture(const QString &nombre)
{
    return siexiste(QStringLiteral(TESMIRA_FIXTURES_DIR), nombre);
}

QString runtime()
{
    return QStringLiteral(TESMIRA_RUNTIME_DIR);
}

} // namespace rutasprueba
