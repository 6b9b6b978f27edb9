// Vector and angle helpers of the ephemeris, over ERFA's own where it has one.

#include "ephemeris/Vector3.h"

#include <erfa.h>

#include <cmath>

namespace vespera {

Vector3 DirectionOf(const RaDec& place) {
  Vector3 v;
  eraS2c(place.ra, place.dec, v.data());
  return v;
}

RaDec RaDecOf(const Vector3& vector) {
  Vector3 copy = vector;
  RaDec place;
  eraC2s(copy.data(), &place.ra, &place.dec);
  place.ra = eraAnp(place.ra);
  return place;
}

SkyPoint SkyPointOf(const Vector3& vector) {
  const RaDec place = RaDecOf(vector);
  return {static_cast<float>(place.ra / kRadiansPerDegree), static_cast<float>(place.dec / kRadiansPerDegree)};
}

Vector3 DirectionOf(const SkyPoint& point) {
  return DirectionOf(RaDec{point.ra * kRadiansPerDegree, point.dec * kRadiansPerDegree});
}

Matrix3 ToMatrix3(const double (&r)[3][3]) {
  Matrix3 m;
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column) m[row][column] = r[row][column];
  return m;
}

Vector3 Scaled(const Vector3& v, double s) { return {v[0] * s, v[1] * s, v[2] * s}; }
Vector3 Plus(const Vector3& a, const Vector3& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
Vector3 Minus(const Vector3& a, const Vector3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vector3 Negated(const Vector3& v) { return {-v[0], -v[1], -v[2]}; }

double Dot(const Vector3& a, const Vector3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

double Length(const Vector3& v) { return std::sqrt(Dot(v, v)); }

Vector3 Normalized(const Vector3& v) {
  const double length = Length(v);
  if (length == 0.0) return v;
  return {v[0] / length, v[1] / length, v[2] / length};
}

double AngleBetween(const Vector3& a, const Vector3& b) {
  Vector3 ca = a, cb = b;
  return eraSepp(ca.data(), cb.data());
}

Vector3 Multiply(const Matrix3& m, const Vector3& v) {
  return {Dot(m[0], v), Dot(m[1], v), Dot(m[2], v)};
}

Vector3 MultiplyTransposed(const Matrix3& m, const Vector3& v) {
  Vector3 out{};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column) out[column] += m[row][column] * v[row];
  return out;
}

Matrix3 Multiply(const Matrix3& a, const Matrix3& b) {
  Matrix3 out{};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      for (int k = 0; k < 3; ++k) out[row][column] += a[row][k] * b[k][column];
  return out;
}

double WrapPositive(double angle) { return eraAnp(angle); }
double WrapSigned(double angle) { return eraAnpm(angle); }

}  // namespace vespera
