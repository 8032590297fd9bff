// Where the tests find the shared line catalogue, the fixtures and the built program files.
#pragma once

#include <QString>

namespace rutasprueba {

// Full path of a file in the shared data folder, or an empty string if it is absent.
QString datos(const QString &nombre);
// Full path of a file in the shared fixtures folder, or an empty string if it is absent.
QString fixture(const QString &nombre);
// Folder that holds the built executable, the shipped idioma.lng and the converted store.
QString runtime();

} // namespace rutasprueba
