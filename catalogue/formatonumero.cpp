#include "formatonumero.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace formatonumero {

namespace {

constexpr int maximodecimales = 20;
constexpr std::array<double, 10> potencias = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};

int limitardecimales(int decimales)
{
    return decimales < 0 ? 0 : (decimales > maximodecimales ? maximodecimales : decimales);
}

// Plain "C" fixed text of a finite value: correctly rounded, '.' and '-'. Returns the length.
// 320 digits cover the largest double; the buffer leaves room for the decimals.
struct TextoFijo {
    std::array<char, 360> letras{};
    int longitud = 0;
};

TextoFijo textofijo(double valor, int decimales)
{
    TextoFijo t;
    const auto r = std::to_chars(t.letras.data(), t.letras.data() + t.letras.size(), valor,
                                 std::chars_format::fixed, decimales);
    t.longitud = r.ec == std::errc() ? static_cast<int>(r.ptr - t.letras.data()) : 0;
    // A negative value that rounds to zero is shown as zero, without the sign.
    if (t.longitud > 0 && t.letras[0] == '-') {
        bool cero = true;
        for (int i = 1; i < t.longitud && cero; ++i)
            cero = t.letras[static_cast<std::size_t>(i)] == '0' ||
                   t.letras[static_cast<std::size_t>(i)] == '.';
        if (cero) {
            std::copy(t.letras.begin() + 1, t.letras.begin() + t.longitud, t.letras.begin());
            --t.longitud;
        }
    }
    return t;
}

double leertextofijo(const TextoFijo &t)
{
    double v = 0;
    std::from_chars(t.letras.data(), t.letras.data() + t.longitud, v);
    return v;
}

std::optional<double> leercon(const QString &texto, QLocale locale)
{
    // A group separator in a text box is far more likely a mistyped decimal point than a
    // thousands mark: "400.5" must not become 4005 under a "," locale.
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double v = locale.toDouble(texto, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

QString formatodecimal(double valor, int decimales, const QLocale &locale)
{
    if (!std::isfinite(valor))
        return locale.toString(valor);
    const TextoFijo t = textofijo(valor, limitardecimales(decimales));
    const QString coma = locale.decimalPoint();
    const QString menos = locale.negativeSign();
    QString texto;
    texto.reserve(t.longitud + 2);
    for (int i = 0; i < t.longitud; ++i) {
        const char c = t.letras[static_cast<std::size_t>(i)];
        if (c == '.')
            texto += coma;
        else if (c == '-')
            texto += menos;
        else
            texto += QLatin1Char(c);
    }
    return texto;
}

double valormostrado(double valor, int decimales)
{
    if (!std::isfinite(valor))
        return valor;
    decimales = limitardecimales(decimales);
    if (decimales < static_cast<int>(potencias.size())) {
        // Fast exact path. y = valor * 10^d carries a relative error below 2^-53, so its nearest
        // integer is that of the exact product unless y lies within that error of a half; those
        // rare cases (and huge values) take the text path. The integer r and 10^d are exact, so
        // r / 10^d is the double nearest to the decimal shown, as reading the text gives.
        const double escala = potencias[static_cast<std::size_t>(decimales)];
        const double y = valor * escala;
        if (std::fabs(y) < 0x1p52) {
            const double r = std::nearbyint(y);
            const double distancia = std::fabs(std::fabs(y - r) - 0.5);
            if (distancia > std::fabs(y) * 0x1p-50)
                return r / escala + 0.0; // + 0.0 turns -0 into 0, as the text "0.000" reads
        }
    }
    return leertextofijo(textofijo(valor, decimales)) + 0.0;
}

qint32 redondearentero(double valor)
{
    if (std::isnan(valor))
        return 0;
    if (valor >= static_cast<double>(std::numeric_limits<qint32>::max()))
        return std::numeric_limits<qint32>::max();
    if (valor <= static_cast<double>(std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    // The default floating-point mode rounds to nearest, ties to even.
    return static_cast<qint32>(std::nearbyint(valor));
}

std::optional<double> leernumero(const QString &texto, const QLocale &locale)
{
    const QString limpio = texto.trimmed();
    if (limpio.isEmpty())
        return std::nullopt;
    if (const auto v = leercon(limpio, locale))
        return v;
    return leercon(limpio, QLocale::c());
}

} // namespace formatonumero
