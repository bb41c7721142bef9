#pragma once
// Sine, cosine and arc tangent that give the same bits on every C library and compiler: the rules
// use these instead of std::sin, std::cos and std::atan, whose last bits differ between glibc, musl
// and others and would make a replay recorded on one machine run differently on another. Only
// +, -, *, / and exact rounding are used; the project builds with -ffp-contract=off, so no step is
// fused into a multiply-add. Error against the true value: a few units in the last place for
// |x| < 1e6 (the rules' angles stay far below that).

double PortableSin(double radians);
double PortableCos(double radians);
double PortableAtan(double x);
