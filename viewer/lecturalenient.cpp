#include "lecturalenient.h"

#include <charconv>
#include <cmath>
#include <string>

namespace lecturalenient {

double valor(const QString &texto)
{
    const std::string s = texto.toStdString();
    std::size_t i = s.find_first_not_of(" \t");
    if (i == std::string::npos)
        return 0;
    if (s[i] == '+')
        ++i; // from_chars takes a minus sign but not a plus sign
    double v = 0;
    const auto r = std::from_chars(s.data() + i, s.data() + s.size(), v, std::chars_format::general);
    if (r.ec != std::errc() || !std::isfinite(v))
        return 0;
    return v;
}

} // namespace lecturalenient
