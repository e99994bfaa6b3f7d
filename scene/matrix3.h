// SPDX-License-Identifier: MIT
#pragma once

namespace veltrisko {

class Matrix3;

// Three single-precision components; a point or a displacement.
struct Vector3 {
  float x = 0, y = 0, z = 0;

  Vector3() = default;
  Vector3(float x, float y, float z) : x(x), y(y), z(z) {}

  // v := M * v, all three components computed from the old ones first.
  void Transform(const Matrix3& m);
};

// The two axis angles of RotateAbout, radians: theta0 turns the axis from x
// towards y about z, theta1 lifts it towards z.
struct AxisAngles {
  float theta0 = 0, theta1 = 0;
};

// 3x3 single-precision matrix stored row by row, acting on column vectors.
// Arithmetic runs in double and is rounded when stored. A fresh matrix has
// no defined content until SetIdentity, SetElements or CopyFrom fills it.
class Matrix3 {
 public:
  float element[9];

  float At(int row, int column) const { return element[3 * row + column]; }

  Matrix3& SetIdentity();
  Matrix3& SetElements(float e00, float e01, float e02, float e10, float e11, float e12, float e20,
                       float e21, float e22);
  // this := a * b; this must be distinct from a and from b.
  Matrix3& Multiply(const Matrix3& a, const Matrix3& b);
  void CopyFrom(const Matrix3& source);
  void AddToColumns(const Vector3& d);
  void SubtractFromColumns(const Vector3& d);
  // Rotation by -angle about the axis given by `axis`, through `centre`,
  // applied to a vertex before everything the matrix held already.
  void RotateAbout(const Vector3& centre, AxisAngles axis, float angle);

  bool operator==(const Matrix3&) const = default;
};

// Inline: the renderer transforms every vertex it emits.
inline void Vector3::Transform(const Matrix3& m) {
  const double oldX = x, oldY = y, oldZ = z;
  x = static_cast<float>(m.At(0, 0) * oldX + m.At(0, 1) * oldY + m.At(0, 2) * oldZ);
  y = static_cast<float>(m.At(1, 0) * oldX + m.At(1, 1) * oldY + m.At(1, 2) * oldZ);
  z = static_cast<float>(m.At(2, 0) * oldX + m.At(2, 1) * oldY + m.At(2, 2) * oldZ);
}

}  // namespace veltrisko
