// The element and ionisation-stage lists the species combos offer.
#pragma once

#include <QString>
#include <QStringList>

namespace listas {

// The 103 element symbols in order of atomic number, H to Lr.
QStringList elementos();
// Roman numeral of n (n >= 1); an empty string for n < 1.
QString numeroromano(int n);
// Stages "I" up to the numeral of `hasta`; at least the 25 stages I..XXV.
QStringList etapas(int hasta = 25);
// Value of a roman numeral in its usual spelling, any letter case ("xiv" -> 14); 0 when the
// text is not one.
int valorromano(const QString &texto);

} // namespace listas
