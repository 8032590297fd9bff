#include "listas.h"

#include <array>

namespace listas {

namespace {

constexpr std::array<const char *, 103> simbolos = {
    "H",  "He", "Li", "Be", "B",  "C",  "N",  "O",  "F",  "Ne", "Na", "Mg", "Al", "Si", "P",
    "S",  "Cl", "Ar", "K",  "Ca", "Sc", "Ti", "V",  "Cr", "Mn", "Fe", "Co", "Ni", "Cu", "Zn",
    "Ga", "Ge", "As", "Se", "Br", "Kr", "Rb", "Sr", "Y",  "Zr", "Nb", "Mo", "Tc", "Ru", "Rh",
    "Pd", "Ag", "Cd", "In", "Sn", "Sb", "Te", "I",  "Xe", "Cs", "Ba", "La", "Ce", "Pr", "Nd",
    "Pm", "Sm", "Eu", "Gd", "Tb", "Dy", "Ho", "Er", "Tm", "Yb", "Lu", "Hf", "Ta", "W",  "Re",
    "Os", "Ir", "Pt", "Au", "Hg", "Tl", "Pb", "Bi", "Po", "At", "Rn", "Fr", "Ra", "Ac", "Th",
    "Pa", "U",  "Np", "Pu", "Am", "Cm", "Bk", "Cf", "Es", "Fm", "Md", "No", "Lr"};

struct Cifra {
    int valor;
    const char *letras;
};

constexpr std::array<Cifra, 13> cifras = {{{1000, "M"},
                                           {900, "CM"},
                                           {500, "D"},
                                           {400, "CD"},
                                           {100, "C"},
                                           {90, "XC"},
                                           {50, "L"},
                                           {40, "XL"},
                                           {10, "X"},
                                           {9, "IX"},
                                           {5, "V"},
                                           {4, "IV"},
                                           {1, "I"}}};

int valorletra(QChar c)
{
    switch (c.toUpper().unicode()) {
    case 'I': return 1;
    case 'V': return 5;
    case 'X': return 10;
    case 'L': return 50;
    case 'C': return 100;
    case 'D': return 500;
    case 'M': return 1000;
    default: return 0;
    }
}

} // namespace

QStringList elementos()
{
    QStringList lista;
    lista.reserve(static_cast<qsizetype>(simbolos.size()));
    for (const char *s : simbolos)
        lista.append(QString::fromLatin1(s));
    return lista;
}

QString numeroromano(int n)
{
    QString texto;
    for (const Cifra &c : cifras) {
        while (n >= c.valor) {
            texto += QLatin1String(c.letras);
            n -= c.valor;
        }
    }
    return texto;
}

QStringList etapas(int hasta)
{
    QStringList lista;
    const int ultima = hasta > 25 ? hasta : 25;
    lista.reserve(ultima);
    for (int n = 1; n <= ultima; ++n)
        lista.append(numeroromano(n));
    return lista;
}

int valorromano(const QString &texto)
{
    if (texto.isEmpty() || texto.size() > 20)
        return 0;
    int total = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const int v = valorletra(texto.at(i));
        if (v == 0)
            return 0;
        const int siguiente = i + 1 < texto.size() ? valorletra(texto.at(i + 1)) : 0;
        total += v < siguiente ? -v : v;
    }
    // Only the canonical spelling counts ("IIII" or "IC" are not stages).
    return numeroromano(total).compare(texto, Qt::CaseInsensitive) == 0 ? total : 0;
}

} // namespace listas
