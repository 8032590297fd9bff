#include "lorentzrapido.h"

#include "irisdal.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <utility>

// One profile is 2 Im(1/(y - i g)) with y = x - c and g = gamma/2. For the
// centres c = m + d of a group around its midpoint m, and W = (x - m) - i g,
//     1/(W - d) = sum_k d^k / W^(k+1)      (|d| < |W|),
// so the group needs only its moments M_k = sum d^k. Because
// |Im(W^-n)| <= n g / |W|^(n+1), keeping the powers up to K leaves a relative
// error of at most cotatruncamiento(a, K) for a = radius / |W|, and the terms
// of the series add up to at most ((1+a)/(1-a))^2 times the group's value, so
// rounding stays within a few units of the last place. Moments and powers are
// scaled by the radius and |W| so that nothing overflows.
//
// For many points at once the points get a tree of their own and two groups
// far enough apart exchange a local polynomial (the same series in both
// offsets, truncated at the same total order) that is passed down to the
// point groups and evaluated there.

namespace {

// Highest power kept in any expansion.
constexpr std::size_t orden = 28;
// Relative truncation error allowed for one group; the literal sum itself
// carries a rounding error of this size for a few hundred centres.
constexpr double tolerancia = 1e-14;
// Centres per leaf of the centre tree and points per leaf of the point tree.
constexpr std::size_t hojacentros = 32;
constexpr std::size_t hojapuntos = 32;
// Beyond this magnitude a squared distance could overflow: such centres or
// points take the literal sum.
constexpr double magnitudmaxima = 1e150;
// Deepest tree over 2^64 points: a depth-first walk keeps at most this many nodes pending.
constexpr std::size_t pilamaxima = 130;

using Fila = std::array<double, orden + 1>;
using Tabla = std::array<Fila, orden + 1>;

constexpr Tabla calcularbinomios()
{
    Tabla b{};
    for (std::size_t n = 0; n <= orden; ++n) {
        b[n][0] = 1.0;
        for (std::size_t j = 1; j <= n; ++j)
            b[n][j] = b[n - 1][j - 1] + (j < n ? b[n - 1][j] : 0.0);
    }
    return b;
}

// binomios[n][j] = n over j; exact in doubles for n <= 28.
constexpr Tabla binomios = calcularbinomios();

// Bound of the relative error of a group's series cut after the power K,
// for a = radius / |W| < 1.
constexpr double cotatruncamiento(double a, std::size_t k)
{
    double potencia = a;
    for (std::size_t i = 0; i < k; ++i)
        potencia *= a;
    const double cola = potencia * (double(k + 2) - double(k + 1) * a) / ((1 - a) * (1 - a));
    return cola * (1 + a) * (1 + a);
}

// umbrales[K] = the square of the largest a for which the series cut after
// the power K stays within the tolerance (found by bisection at compile time).
constexpr Fila calcularumbrales()
{
    Fila u{};
    for (std::size_t k = 0; k <= orden; ++k) {
        double bajo = 0.0;
        double alto = 0.99;
        for (int i = 0; i < 200; ++i) {
            const double medio = (bajo + alto) / 2;
            if (cotatruncamiento(medio, k) <= tolerancia)
                bajo = medio;
            else
                alto = medio;
        }
        u[k] = bajo * bajo;
    }
    return u;
}

constexpr Fila umbrales = calcularumbrales();
// A group is summed from its moments when (radius / |W|)^2 is at most this.
constexpr double aceptacion = umbrales[orden];

// The lowest order whose truncation stays within the tolerance for a^2 = a2
// (which must not exceed `aceptacion`).
std::size_t ordenpara(double a2)
{
    const auto it = std::lower_bound(umbrales.begin(), umbrales.end(), a2);
    return it == umbrales.end() ? orden : std::size_t(it - umbrales.begin());
}

// Value at distance d (x - medio), d2 = d^2 + g^2, of a group with the given
// scaled moments and radius.
double sumadesdemomentos(const double *momentos, double radio, double d, double d2, double g)
{
    const double inverso = 1 / std::sqrt(d2);
    const double a = radio * inverso;
    const std::size_t k = ordenpara(a * a);
    // z = |W| / W, the unit number whose powers carry the angle of W.
    const double zr = d * inverso;
    const double zi = g * inverso;
    const double pr = a * zr;
    const double pi = a * zi;
    double wr = zr;
    double wi = zi;
    double suma = momentos[0] * wi;
    for (std::size_t n = 1; n <= k; ++n) {
        const double r = wr * pr - wi * pi;
        wi = wr * pi + wi * pr;
        wr = r;
        suma += momentos[n] * wi;
    }
    return 2 * inverso * suma;
}

bool normal(double x)
{
    return std::isfinite(x) && std::fabs(x) <= magnitudmaxima;
}

// Sum of gamma / ((x - c)^2 + g2) over a run of centres, with g2 > 0.
double sumatramo(double x, const double *c, std::size_t n, double gamma, double g2)
{
    // Four partial sums keep several divisions in flight.
    double s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        const double d0 = x - c[i];
        const double d1 = x - c[i + 1];
        const double d2 = x - c[i + 2];
        const double d3 = x - c[i + 3];
        s0 += gamma / (d0 * d0 + g2);
        s1 += gamma / (d1 * d1 + g2);
        s2 += gamma / (d2 * d2 + g2);
        s3 += gamma / (d3 * d3 + g2);
    }
    for (; i < n; ++i) {
        const double d = x - c[i];
        s0 += gamma / (d * d + g2);
    }
    return (s0 + s1) + (s2 + s3);
}

} // namespace

SumaLorentzRapida::SumaLorentzRapida(std::span<const double> centros, double gamma)
    : centros_(centros.begin(), centros.end())
    , gamma_(gamma)
    , semi_(gamma / 2)
    , semi2_((gamma / 2) * (gamma / 2))
{
    // A width that is not a positive normal number, or whose half squared
    // under- or overflows, and centres that are not finite or so large that
    // distances squared overflow, are left to the literal sum, which gives
    // exactly what irisdal::sumalorentz gives for them.
    literal_ = !(gamma > 0) || !std::isfinite(gamma) || !(semi2_ >= DBL_MIN) || !std::isfinite(semi2_)
        || !std::all_of(centros_.begin(), centros_.end(), normal);
    if (literal_ || centros_.empty())
        return;
    std::sort(centros_.begin(), centros_.end());
    nodos_ = construirarbol(centros_, hojacentros);
    calcularmomentos();
}

std::vector<SumaLorentzRapida::Nodo> SumaLorentzRapida::construirarbol(std::span<const double> puntos,
                                                                      std::size_t hoja)
{
    std::vector<Nodo> nodos;
    if (puntos.empty())
        return nodos;
    nodos.reserve(2 * (puntos.size() / hoja + 1));
    nodos.push_back({0, puntos.size(), 0, 0.0, 0.0});
    // Breadth first, so that parents precede their children and siblings sit together.
    for (std::size_t i = 0; i < nodos.size(); ++i) {
        const std::size_t desde = nodos[i].desde;
        const std::size_t hasta = nodos[i].hasta;
        const double bajo = puntos[desde];
        const double alto = puntos[hasta - 1];
        const double medio = 0.5 * bajo + 0.5 * alto;
        nodos[i].medio = medio;
        // Measured from the rounded midpoint, so that every rounded offset c - medio is within it.
        nodos[i].radio = std::max(medio - bajo, alto - medio);
        if (hasta - desde > hoja) {
            const std::size_t mitad = desde + (hasta - desde) / 2;
            nodos[i].hijo = nodos.size();
            nodos.push_back({desde, mitad, 0, 0.0, 0.0});
            nodos.push_back({mitad, hasta, 0, 0.0, 0.0});
        }
    }
    return nodos;
}

void SumaLorentzRapida::calcularmomentos()
{
    constexpr std::size_t ancho = orden + 1;
    momentos_.assign(nodos_.size() * ancho, 0.0);
    // Children before parents: leaves from their centres, the others by
    // moving their children's moments to their own midpoint and scale.
    for (std::size_t i = nodos_.size(); i-- > 0;) {
        const Nodo &nodo = nodos_[i];
        double *m = &momentos_[i * ancho];
        if (nodo.hijo == 0) {
            for (std::size_t c = nodo.desde; c < nodo.hasta; ++c) {
                const double u = nodo.radio > 0 ? (centros_[c] - nodo.medio) / nodo.radio : 0.0;
                double p = 1.0;
                for (std::size_t k = 0; k <= orden; ++k) {
                    m[k] += p;
                    p *= u;
                }
            }
            continue;
        }
        for (std::size_t h = nodo.hijo; h < nodo.hijo + 2; ++h) {
            const double *mh = &momentos_[h * ancho];
            if (nodo.radio == 0) {
                m[0] += mh[0];
                continue;
            }
            // (c - medio) / radio = alfa u + beta, u the child's scaled offset.
            const double alfa = nodos_[h].radio / nodo.radio;
            const double beta = (nodos_[h].medio - nodo.medio) / nodo.radio;
            Fila pa{};
            Fila pb{};
            pa[0] = pb[0] = 1.0;
            for (std::size_t k = 1; k <= orden; ++k) {
                pa[k] = pa[k - 1] * alfa;
                pb[k] = pb[k - 1] * beta;
            }
            for (std::size_t k = 0; k <= orden; ++k) {
                double s = 0;
                for (std::size_t j = 0; j <= k; ++j)
                    s += binomios[k][j] * pa[j] * pb[k - j] * mh[j];
                m[k] += s;
            }
        }
    }
}

double SumaLorentzRapida::sumadirecta(double x, std::size_t desde, std::size_t hasta) const
{
    return sumatramo(x, centros_.data() + desde, hasta - desde, gamma_, semi2_);
}

double SumaLorentzRapida::sumaliteral(double x) const
{
    return irisdal::sumalorentz(x, centros_, gamma_);
}

double SumaLorentzRapida::operator()(double x) const
{
    if (literal_ || !normal(x))
        return sumaliteral(x);
    if (nodos_.empty())
        return 0.0;
    std::array<std::size_t, pilamaxima> pila;
    std::size_t pendientes = 0;
    pila[pendientes++] = 0;
    double suma = 0;
    while (pendientes > 0) {
        const Nodo &nodo = nodos_[pila[--pendientes]];
        const double d = x - nodo.medio;
        const double d2 = d * d + semi2_;
        if (nodo.hijo == 0) {
            // A leaf is as cheap to sum term by term as from its moments.
            suma += sumadirecta(x, nodo.desde, nodo.hasta);
        } else if (nodo.radio * nodo.radio <= aceptacion * d2) {
            suma += sumadesdemomentos(&momentos_[std::size_t(&nodo - nodos_.data()) * (orden + 1)], nodo.radio,
                                      d, d2, semi_);
        } else {
            pila[pendientes++] = nodo.hijo;
            pila[pendientes++] = nodo.hijo + 1;
        }
    }
    return suma;
}

std::vector<double> SumaLorentzRapida::evaluar(std::span<const double> xs) const
{
    std::vector<double> valores(xs.size(), 0.0);
    // Points for the tree: finite and of moderate size; the others go one by one.
    std::vector<std::size_t> indices;
    indices.reserve(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (literal_ || nodos_.empty() || !normal(xs[i]))
            valores[i] = (*this)(xs[i]);
        else
            indices.push_back(i);
    }
    if (indices.empty())
        return valores;
    std::sort(indices.begin(), indices.end(), [&xs](std::size_t a, std::size_t b) { return xs[a] < xs[b]; });
    std::vector<double> puntos(indices.size());
    for (std::size_t i = 0; i < indices.size(); ++i)
        puntos[i] = xs[indices[i]];
    const std::vector<Nodo> arbol = construirarbol(puntos, hojapuntos);

    constexpr std::size_t ancho = orden + 1;
    std::vector<double> locales(arbol.size() * ancho, 0.0); // per point node: sum L_j e^j, e = (x - medio) / radio
    std::vector<double> cercanos(puntos.size(), 0.0);        // per point: the centres summed term by term

    std::vector<std::pair<std::size_t, std::size_t>> pares; // (point node, centre node) still to settle
    pares.emplace_back(0, 0);
    while (!pares.empty()) {
        const auto [ip, ic] = pares.back();
        pares.pop_back();
        const Nodo &p = arbol[ip];
        const Nodo &c = nodos_[ic];
        const double d = p.medio - c.medio;
        const double d2 = d * d + semi2_;
        const double radios = p.radio + c.radio;
        if (radios * radios <= aceptacion * d2) {
            // Local polynomial of the centre group about the point group's midpoint.
            const double inverso = 1 / std::sqrt(d2);
            const double ac = c.radio * inverso;
            const double ap = p.radio * inverso;
            const double a = radios * inverso;
            const std::size_t k = ordenpara(a * a);
            const double *m = &momentos_[ic * ancho];
            Fila im{};  // Im(z^(n+1)), z = |W| / W
            Fila mom{}; // M_n ac^n
            double wr = d * inverso;
            double wi = semi_ * inverso;
            const double zr = wr;
            const double zi = wi;
            double pc = 1.0;
            for (std::size_t n = 0; n <= k; ++n) {
                im[n] = wi;
                mom[n] = m[n] * pc;
                pc *= ac;
                const double r = wr * zr - wi * zi;
                wi = wr * zi + wi * zr;
                wr = r;
            }
            double *l = &locales[ip * ancho];
            double factor = 2 * inverso; // 2/|W| times (-ap)^j
            for (std::size_t j = 0; j <= k; ++j) {
                double s = 0;
                for (std::size_t q = 0; q + j <= k; ++q)
                    s += binomios[j + q][j] * mom[q] * im[j + q];
                l[j] += factor * s;
                factor *= -ap;
            }
        } else if (p.hijo == 0 && c.hijo == 0) {
            for (std::size_t i = p.desde; i < p.hasta; ++i)
                cercanos[i] += sumadirecta(puntos[i], c.desde, c.hasta);
        } else if (p.hijo != 0 && (c.hijo == 0 || p.radio >= c.radio)) {
            pares.emplace_back(p.hijo, ic);
            pares.emplace_back(p.hijo + 1, ic);
        } else {
            pares.emplace_back(ip, c.hijo);
            pares.emplace_back(ip, c.hijo + 1);
        }
    }

    // Hand each polynomial down to the children, re-expanded about their midpoints.
    for (std::size_t ip = 0; ip < arbol.size(); ++ip) {
        const Nodo &p = arbol[ip];
        if (p.hijo == 0)
            continue;
        const double *l = &locales[ip * ancho];
        for (std::size_t h = p.hijo; h < p.hijo + 2; ++h) {
            double *lh = &locales[h * ancho];
            if (p.radio == 0) {
                lh[0] += l[0];
                continue;
            }
            // e_parent = alfa e_child + beta.
            const double alfa = arbol[h].radio / p.radio;
            const double beta = (arbol[h].medio - p.medio) / p.radio;
            Fila pb{};
            pb[0] = 1.0;
            for (std::size_t n = 1; n <= orden; ++n)
                pb[n] = pb[n - 1] * beta;
            double pa = 1.0;
            for (std::size_t i = 0; i <= orden; ++i) {
                double s = 0;
                for (std::size_t j = i; j <= orden; ++j)
                    s += binomios[j][i] * l[j] * pb[j - i];
                lh[i] += pa * s;
                pa *= alfa;
            }
        }
    }

    for (const Nodo &p : arbol) {
        if (p.hijo != 0)
            continue;
        const double *l = &locales[std::size_t(&p - arbol.data()) * ancho];
        for (std::size_t i = p.desde; i < p.hasta; ++i) {
            const double e = p.radio > 0 ? (puntos[i] - p.medio) / p.radio : 0.0;
            double s = l[orden];
            for (std::size_t j = orden; j-- > 0;)
                s = s * e + l[j];
            valores[indices[i]] = s + cercanos[i];
        }
    }
    return valores;
}

double techolorentz(std::span<const double> centros, const SumaLorentzRapida &suma)
{
    const std::vector<double> valores = suma.evaluar(centros);
    double techo = 0;
    for (const double v : valores) {
        if (v > techo)
            techo = v + 1;
    }
    return techo > 0 ? techo : 1.0;
}

double techolorentzliteral(std::span<const double> centros, double gamma)
{
    double techo = 0;
    for (const double c : centros) {
        const double v = irisdal::sumalorentz(c, centros, gamma);
        if (v > techo)
            techo = v + 1;
    }
    return techo > 0 ? techo : 1.0;
}
