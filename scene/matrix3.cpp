// SPDX-License-Identifier: MIT
#include "scene/matrix3.h"

#include <cmath>

namespace veltrisko {
namespace {

float Rounded(double value) { return static_cast<float>(value); }

}  // namespace

Matrix3& Matrix3::SetIdentity() { return SetElements(1, 0, 0, 0, 1, 0, 0, 0, 1); }

Matrix3& Matrix3::SetElements(float e00, float e01, float e02, float e10, float e11, float e12,
                              float e20, float e21, float e22) {
  element[0] = e00;
  element[1] = e01;
  element[2] = e02;
  element[3] = e10;
  element[4] = e11;
  element[5] = e12;
  element[6] = e20;
  element[7] = e21;
  element[8] = e22;
  return *this;
}

Matrix3& Matrix3::Multiply(const Matrix3& a, const Matrix3& b) {
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      element[3 * i + j] = Rounded(static_cast<double>(a.At(i, 0)) * b.At(0, j) +
                                   static_cast<double>(a.At(i, 1)) * b.At(1, j) +
                                   static_cast<double>(a.At(i, 2)) * b.At(2, j));
    }
  }
  return *this;
}

void Matrix3::CopyFrom(const Matrix3& source) {
  for (int k = 0; k < 9; ++k) element[k] = source.element[k];
}

void Matrix3::AddToColumns(const Vector3& d) {
  const float byRow[3] = {d.x, d.y, d.z};
  for (int k = 0; k < 9; ++k) element[k] = Rounded(static_cast<double>(element[k]) + byRow[k / 3]);
}

void Matrix3::SubtractFromColumns(const Vector3& d) {
  const float byRow[3] = {d.x, d.y, d.z};
  for (int k = 0; k < 9; ++k) element[k] = Rounded(static_cast<double>(element[k]) - byRow[k / 3]);
}

void Matrix3::RotateAbout(const Vector3& centre, AxisAngles axis, float angle) {
  SubtractFromColumns(centre);
  const float c0 = Rounded(std::cos(static_cast<double>(axis.theta0)));
  const float s0 = Rounded(std::sin(static_cast<double>(axis.theta0)));
  const float c1 = Rounded(std::cos(static_cast<double>(axis.theta1)));
  const float s1 = Rounded(std::sin(static_cast<double>(axis.theta1)));
  const float ca = Rounded(std::cos(static_cast<double>(angle)));
  const float sa = Rounded(std::sin(static_cast<double>(angle)));

  // Turn the axis onto x, rotate about x, and turn it back; each factor
  // enters on the right so the rotation acts on the vertex first.
  Matrix3 factor;
  Matrix3 product;
  const auto multiplyOnRight = [&](const Matrix3& t) {
    product.Multiply(*this, t);
    CopyFrom(product);
  };
  multiplyOnRight(factor.SetElements(c0, -s0, 0, s0, c0, 0, 0, 0, 1));
  multiplyOnRight(factor.SetElements(c1, 0, -s1, 0, 1, 0, s1, 0, c1));
  multiplyOnRight(factor.SetElements(1, 0, 0, 0, ca, sa, 0, -sa, ca));
  multiplyOnRight(factor.SetElements(c1, 0, s1, 0, 1, 0, -s1, 0, c1));
  multiplyOnRight(factor.SetElements(c0, s0, 0, -s0, c0, 0, 0, 0, 1));

  AddToColumns(centre);
}

}  // namespace veltrisko
