// SPDX-License-Identifier: MIT
#include "scene/matrix3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace veltrisko {
namespace {

Matrix3 Identity() {
  Matrix3 m;
  return m.SetIdentity();
}

Matrix3 Sample() {
  Matrix3 m;
  return m.SetElements(0.8f, -0.3f, 1.7f, 2.5f, 0.1f, -4.0f, -1.25f, 3.5f, 0.6f);
}

void ExpectNear(const Matrix3& actual, const Matrix3& expected, float tolerance,
                const std::string& what) {
  for (int k = 0; k < 9; ++k) {
    EXPECT_NEAR(actual.element[k], expected.element[k], tolerance) << what << ", element " << k;
  }
}

TEST(Matrix3, SetElementsStoresRowByRow) {
  const Matrix3 m = Sample();
  EXPECT_EQ(m.At(0, 2), 1.7f);
  EXPECT_EQ(m.At(1, 0), 2.5f);
  EXPECT_EQ(m.At(2, 1), 3.5f);
  const Matrix3 identity = Identity();
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      EXPECT_EQ(identity.At(row, column), row == column ? 1.0f : 0.0f);
    }
  }
}

TEST(Matrix3, MultiplyWithIdentityReproducesTheOtherOperandExactly) {
  const Matrix3 sample = Sample();
  const Matrix3 identity = Identity();
  Matrix3 left, right;
  left.Multiply(identity, sample);
  right.Multiply(sample, identity);
  for (int k = 0; k < 9; ++k) {
    EXPECT_EQ(left.element[k], sample.element[k]) << k;
    EXPECT_EQ(right.element[k], sample.element[k]) << k;
  }
}

TEST(Matrix3, MultiplyTakesRowsOfTheLeftTimesColumnsOfTheRight) {
  Matrix3 a, cyclic, product;
  a.SetElements(1, 2, 3, 4, 5, 6, 7, 8, 9);
  cyclic.SetElements(0, 1, 0, 0, 0, 1, 1, 0, 0);
  // On the right, the permutation moves columns: column 2 of a becomes column 0.
  product.Multiply(a, cyclic);
  Matrix3 expected;
  ExpectNear(product, expected.SetElements(3, 1, 2, 6, 4, 5, 9, 7, 8), 0, "a * cyclic");
}

TEST(Matrix3, ArithmeticRunsInDoublePrecision) {
  // In float, 1e8 + 1 rounds back to 1e8 and the sum cancels to 0.
  Matrix3 a, ones, product;
  a.SetElements(1e8f, 1, -1e8f, 0, 0, 0, 0, 0, 0);
  ones.SetElements(1, 0, 0, 1, 0, 0, 1, 0, 0);
  product.Multiply(a, ones);
  EXPECT_EQ(product.At(0, 0), 1.0f);

  Vector3 v(1, 1, 1);
  v.Transform(a);
  EXPECT_EQ(v.x, 1.0f);
}

TEST(Vector3, TransformMapsUnitVectorsToColumnsFromTheOldComponents) {
  const Matrix3 m = Sample();
  const Vector3 units[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  for (int column = 0; column < 3; ++column) {
    Vector3 v = units[column];
    v.Transform(m);
    EXPECT_EQ(v.x, m.At(0, column)) << column;
    EXPECT_EQ(v.y, m.At(1, column)) << column;
    EXPECT_EQ(v.z, m.At(2, column)) << column;
  }

  Vector3 unchanged(1.5f, -2.25f, 3.0f);
  unchanged.Transform(Identity());
  EXPECT_EQ(unchanged.x, 1.5f);
  EXPECT_EQ(unchanged.y, -2.25f);
  EXPECT_EQ(unchanged.z, 3.0f);

  Matrix3 swapXY;
  swapXY.SetElements(0, 1, 0, 1, 0, 0, 0, 0, 1);
  Vector3 swapped(1, 2, 3);
  swapped.Transform(swapXY);
  EXPECT_EQ(swapped.x, 2.0f);
  EXPECT_EQ(swapped.y, 1.0f);
  EXPECT_EQ(swapped.z, 3.0f);
}

TEST(Matrix3, AddToColumnsAddsComponentIOfTheVectorToRowI) {
  Matrix3 m = Identity();
  m.AddToColumns(Vector3(1, 2, 3));
  Matrix3 expected;
  ExpectNear(m, expected.SetElements(2, 1, 1, 2, 3, 2, 3, 3, 4), 0, "identity + (1, 2, 3)");

  Matrix3 roundTrip = Sample();
  const Vector3 d(0.37f, -12.5f, 1e3f);
  roundTrip.AddToColumns(d);
  roundTrip.SubtractFromColumns(d);
  ExpectNear(roundTrip, Sample(), 1e-4f, "add then subtract");
}

TEST(Matrix3, RotateAboutXAxisThroughOriginGivesTheTiltMatrix) {
  Matrix3 m = Identity();
  m.RotateAbout(Vector3(0, 0, 0), AxisAngles{0, 0}, 0.02f);
  const float c = static_cast<float>(std::cos(0.02));
  const float s = static_cast<float>(std::sin(0.02));
  Matrix3 expected;
  ExpectNear(m, expected.SetElements(1, 0, 0, 0, c, s, 0, -s, c), 1e-7f, "a = 0.02");
}

// The rotation by -a about u = (cos t0 cos t1, sin t0 cos t1, sin t1), built
// independently with Rodrigues' formula.
Matrix3 RotationAboutUnitAxis(double theta0, double theta1, double angle) {
  const double u[3] = {std::cos(theta0) * std::cos(theta1), std::sin(theta0) * std::cos(theta1),
                       std::sin(theta1)};
  const double c = std::cos(-angle), s = std::sin(-angle);
  const double cross[3][3] = {{0, -u[2], u[1]}, {u[2], 0, -u[0]}, {-u[1], u[0], 0}};
  Matrix3 r;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      r.element[3 * i + j] =
          static_cast<float>((i == j ? c : 0.0) + s * cross[i][j] + (1 - c) * u[i] * u[j]);
    }
  }
  return r;
}

struct RotationCase {
  float theta0, theta1, angle;
};

const RotationCase kRotations[] = {
    {0, 0, 0.02f},        {1.5707964f, 0, 0.7f},  {0.3f, 0.9f, -1.2f},
    {-2.0f, -0.4f, 3.0f}, {0, 1.5707964f, 0.25f}, {0.75f, -1.1f, 0.02f},
};

TEST(Matrix3, RotateAboutIsTheNegativeRotationAboutTheAxisAppliedFirst) {
  for (const RotationCase& r : kRotations) {
    const std::string what = "theta0 " + std::to_string(r.theta0) + ", theta1 " +
                             std::to_string(r.theta1) + ", a " + std::to_string(r.angle);
    Matrix3 m = Identity();
    m.RotateAbout(Vector3(0, 0, 0), AxisAngles{r.theta0, r.theta1}, r.angle);
    ExpectNear(m, RotationAboutUnitAxis(r.theta0, r.theta1, r.angle), 1e-6f, what);

    // Entering on the right, the new rotation acts before what m held.
    const Matrix3 before = Sample();
    Matrix3 composed = before;
    composed.RotateAbout(Vector3(0, 0, 0), AxisAngles{r.theta0, r.theta1}, r.angle);
    Matrix3 expected;
    expected.Multiply(before, RotationAboutUnitAxis(r.theta0, r.theta1, r.angle));
    ExpectNear(composed, expected, 1e-5f, what + ", on the right");
  }
}

TEST(Matrix3, RotateAboutBackAndForthOrByZeroKeepsTheMatrix) {
  const Vector3 centres[] = {{0, 0, 0}, {1.5f, -2.0f, 0.25f}};
  for (const RotationCase& r : kRotations) {
    for (const Vector3& centre : centres) {
      const std::string what = "theta0 " + std::to_string(r.theta0) + ", theta1 " +
                               std::to_string(r.theta1) + ", a " + std::to_string(r.angle) +
                               ", centre x " + std::to_string(centre.x);
      Matrix3 m = Sample();
      m.RotateAbout(centre, AxisAngles{r.theta0, r.theta1}, r.angle);
      m.RotateAbout(centre, AxisAngles{r.theta0, r.theta1}, -r.angle);
      ExpectNear(m, Sample(), 1e-5f, what + ", a then -a");

      Matrix3 still = Sample();
      still.RotateAbout(centre, AxisAngles{r.theta0, r.theta1}, 0);
      ExpectNear(still, Sample(), 1e-5f, what + ", a = 0");
    }
  }
}

}  // namespace
}  // namespace veltrisko
