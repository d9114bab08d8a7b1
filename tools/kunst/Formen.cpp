#include "Formen.h"

#include <algorithm>
#include <cmath>

namespace Formen
{
Leinwand::Abstand Kreis(double cx, double cy, double r)
{
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) - r; };
}

Leinwand::Abstand Ellipse(double cx, double cy, double rx, double ry)
{
    // Scaled circle distance: close enough near the border for edge blending.
    return [=](double x, double y) {
        const double nx = (x - cx) / rx, ny = (y - cy) / ry;
        const double k = std::hypot(nx, ny);
        return (k - 1.0) * std::min(rx, ry);
    };
}

Leinwand::Abstand RundRechteck(double x0, double y0, double x1, double y1, double r)
{
    const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    const double hx = (x1 - x0) / 2 - r, hy = (y1 - y0) / 2 - r;
    return [=](double x, double y) {
        const double qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
        const double aussen = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
        return aussen + std::min(std::max(qx, qy), 0.0) - r;
    };
}

Leinwand::Abstand Vieleck(std::vector<Punkt> ecken)
{
    return [ecken = std::move(ecken)](double x, double y) {
        double d = 1e18;
        bool innen = false;
        const size_t n = ecken.size();
        for (size_t i = 0, j = n - 1; i < n; j = i++)
        {
            const auto [ax, ay] = ecken[j];
            const auto [bx, by] = ecken[i];
            const double ex = bx - ax, ey = by - ay;
            const double laenge = ex * ex + ey * ey;
            double t = laenge > 0 ? ((x - ax) * ex + (y - ay) * ey) / laenge : 0;
            t = std::clamp(t, 0.0, 1.0);
            d = std::min(d, std::hypot(x - ax - ex * t, y - ay - ey * t));
            if ((ay > y) != (by > y) && x < ax + (y - ay) * ex / ey)
                innen = !innen;
        }
        return innen ? -d : d;
    };
}

Leinwand::Abstand Ring(Leinwand::Abstand form, double breite)
{
    return [=](double x, double y) { return std::fabs(form(x, y) + breite / 2) - breite / 2; };
}

Leinwand::Abstand Versetzt(Leinwand::Abstand form, double d)
{
    return [=](double x, double y) { return form(x, y) - d; };
}

Leinwand::Abstand Vereinigt(Leinwand::Abstand a, Leinwand::Abstand b)
{
    return [=](double x, double y) { return std::min(a(x, y), b(x, y)); };
}

Leinwand::Abstand Ohne(Leinwand::Abstand a, Leinwand::Abstand b)
{
    return [=](double x, double y) { return std::max(a(x, y), -b(x, y)); };
}

std::vector<Punkt> Gedreht(const std::vector<Punkt>& ecken, double cx, double cy, double winkel)
{
    const double w = winkel * 3.14159265358979323846 / 180.0;
    const double c = std::cos(w), s = std::sin(w);
    std::vector<Punkt> aus;
    aus.reserve(ecken.size());
    for (const auto& [x, y] : ecken)
    {
        const double dx = x - cx, dy = y - cy;
        aus.emplace_back(cx + dx * c - dy * s, cy + dx * s + dy * c);
    }
    return aus;
}
}
