#include "engine/PortableMath.h"

#include <cmath>

namespace {

// pi/2 in two parts (Cody and Waite): the first has 33 significant bits, so n * PiOver2High is
// exact for the n the rules meet, and the reduction loses almost nothing.
constexpr double PiOver2High = 1.57079632673412561417e+00;
constexpr double PiOver2Low = 6.07710050650619224932e-11;
constexpr double TwoOverPi = 6.36619772367581382433e-01;

// Minimax polynomials on [-pi/4, pi/4] (the classic fdlibm kernels, without their tail terms).
double KernelSin(double x) {
    constexpr double S1 = -1.66666666666666324348e-01;
    constexpr double S2 = 8.33333333332248946124e-03;
    constexpr double S3 = -1.98412698298579493134e-04;
    constexpr double S4 = 2.75573137070700676789e-06;
    constexpr double S5 = -2.50507602534068634195e-08;
    constexpr double S6 = 1.58969099521155010221e-10;
    const double z = x * x;
    const double r = S2 + z * (S3 + z * (S4 + z * (S5 + z * S6)));
    return x + x * z * (S1 + z * r);
}

double KernelCos(double x) {
    constexpr double C1 = 4.16666666666666019037e-02;
    constexpr double C2 = -1.38888888888741095749e-03;
    constexpr double C3 = 2.48015872894767294178e-05;
    constexpr double C4 = -2.75573143513906633035e-07;
    constexpr double C5 = 2.08757232129817482790e-09;
    constexpr double C6 = -1.13596475577881948265e-11;
    const double z = x * x;
    const double r = z * (C1 + z * (C2 + z * (C3 + z * (C4 + z * (C5 + z * C6)))));
    return 1.0 - (0.5 * z - z * r);
}

// x = n * pi/2 + r with |r| <= pi/4 (about); returns n mod 4. std::nearbyint rounds exactly.
int Reduce(double x, double& r) {
    const double n = std::nearbyint(x * TwoOverPi);
    r = (x - n * PiOver2High) - n * PiOver2Low;
    const double quarter = std::fmod(n, 4.0);  // exact
    return static_cast<int>(quarter < 0 ? quarter + 4 : quarter);
}

// sin(quarter * pi/2 + r) for |r| <= pi/4.
double SinOfQuarters(int quarter, double r) {
    switch (quarter % 4) {
        case 0:
            return KernelSin(r);
        case 1:
            return KernelCos(r);
        case 2:
            return -KernelSin(r);
        default:
            return -KernelCos(r);
    }
}

}  // namespace

double PortableSin(double radians) {
    if (!std::isfinite(radians))
        return 0;
    double r = 0;
    const int quarter = Reduce(radians, r);
    return SinOfQuarters(quarter, r);
}

// cos x = sin(x + pi/2): one quarter turn further.
double PortableCos(double radians) {
    if (!std::isfinite(radians))
        return 1;
    double r = 0;
    const int quarter = Reduce(radians, r);
    return SinOfQuarters(quarter + 1, r);
}

// fdlibm's arc tangent: the argument is brought near one of four points whose arc tangents are
// stored in two parts, and the rest is a polynomial.
double PortableAtan(double x) {
    constexpr double AtanHigh[] = {4.63647609000806093515e-01, 7.85398163397448278999e-01,
                                   9.82793723247329054082e-01, 1.57079632679489655800e+00};
    constexpr double AtanLow[] = {2.26987774529616870924e-17, 3.06161699786838301793e-17,
                                  1.39033110312309984516e-17, 6.12323399573676603587e-17};
    constexpr double T[] = {
        3.33333333333329318027e-01,  -1.99999999998764832476e-01, 1.42857142725034663711e-01,
        -1.11111104054623557880e-01, 9.09088713343650656196e-02,  -7.69187620504482999495e-02,
        6.66107313738753120669e-02,  -5.83357013379057348645e-02, 4.97687799461593236017e-02,
        -3.65315727442169155270e-02, 1.62858201153657823623e-02};
    if (std::isnan(x))
        return 0;
    const bool negative = x < 0;
    double a = std::fabs(x);
    int id = -1;
    if (a >= 2.4375) {
        id = 3;
        a = a > 1e300 ? 0.0 : -1.0 / a;
    } else if (a >= 1.1875) {
        id = 2;
        a = (a - 1.5) / (1.0 + 1.5 * a);
    } else if (a >= 0.6875) {
        id = 1;
        a = (a - 1.0) / (a + 1.0);
    } else if (a >= 0.4375) {
        id = 0;
        a = (2.0 * a - 1.0) / (2.0 + a);
    }
    const double z = a * a;
    const double w = z * z;
    const double s1 = z * (T[0] + w * (T[2] + w * (T[4] + w * (T[6] + w * (T[8] + w * T[10])))));
    const double s2 = w * (T[1] + w * (T[3] + w * (T[5] + w * (T[7] + w * T[9]))));
    double result = 0;
    if (id < 0)
        result = a - a * (s1 + s2);
    else
        result = AtanHigh[id] - ((a * (s1 + s2) - AtanLow[id]) - a);
    return negative ? -result : result;
}
