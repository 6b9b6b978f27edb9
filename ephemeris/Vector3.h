#pragma once
// Directions on the sky as unit vectors and as right ascension and
// declination in radians, the form ERFA works in. A J2000 direction is one
// in the frame of the catalogue (ICRS, which J2000 stands for here).

#include <array>
#include <numbers>

#include "catalog/SkyPoint.h"

namespace vespera {

using Vector3 = std::array<double, 3>;
using Matrix3 = std::array<Vector3, 3>;

struct RaDec {
  double ra = 0.0;   // radians, 0..2 pi
  double dec = 0.0;  // radians, -pi/2..pi/2
};

Vector3 DirectionOf(const RaDec& place);
// Also for a vector of any length; the zero vector gives ra = dec = 0.
RaDec RaDecOf(const Vector3& vector);
// The catalogue's form of a place, degrees in single precision.
SkyPoint SkyPointOf(const Vector3& vector);
Vector3 DirectionOf(const SkyPoint& point);

// ERFA's 3x3 matrix as ours.
Matrix3 ToMatrix3(const double (&r)[3][3]);

Vector3 Scaled(const Vector3& v, double s);
Vector3 Plus(const Vector3& a, const Vector3& b);
Vector3 Minus(const Vector3& a, const Vector3& b);
Vector3 Negated(const Vector3& v);

double Dot(const Vector3& a, const Vector3& b);
double Length(const Vector3& v);
Vector3 Normalized(const Vector3& v);
// The angle between two vectors of any length, radians, accurate at every
// separation (not the arc cosine of the dot product).
double AngleBetween(const Vector3& a, const Vector3& b);

Vector3 Multiply(const Matrix3& m, const Vector3& v);
// The transpose times v: the inverse rotation of a rotation matrix.
Vector3 MultiplyTransposed(const Matrix3& m, const Vector3& v);
Matrix3 Multiply(const Matrix3& a, const Matrix3& b);

// Angles brought into 0..2 pi and -pi..pi.
double WrapPositive(double angle);
double WrapSigned(double angle);

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kRadiansPerDegree = kPi / 180.0;
inline constexpr double kRadiansPerArcsecond = kRadiansPerDegree / 3600.0;

}  // namespace vespera
