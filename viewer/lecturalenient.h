// Lenient reading of a number: the number at the start of a text, "." as decimal point.
#pragma once

#include <QString>

namespace lecturalenient {

// Leading blanks are skipped; then an optional sign, digits, an optional "." with digits and an
// optional exponent. Text that does not start with a number gives 0.
double valor(const QString &texto);

} // namespace lecturalenient
