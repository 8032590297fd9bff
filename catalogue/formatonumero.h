// Number patterns "####0.00000", "####0.000", "####0.00", "####0" in the user's
// regional format, and the reading of typed numbers.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace formatonumero {

// At least one integer digit, no thousands separator, `decimales` decimals (rounded to the
// nearest representation), the locale's decimal separator and minus sign.
QString formatodecimal(double valor, int decimales, const QLocale &locale);
// Nearest whole number, ties to even (400.5 -> 400, 401.5 -> 402); saturates at the qint32 range,
// NaN gives 0.
qint32 redondearentero(double valor);
// Reads a number typed in the regional format; plain "." decimals and plain digits are accepted
// too. Empty text or text that is not a number gives nullopt.
std::optional<double> leernumero(const QString &texto, const QLocale &locale);
// The value `formatodecimal(valor, decimales, ...)` shows, read back as a double.
double valormostrado(double valor, int decimales);

} // namespace formatonumero
