// SPDX-License-Identifier: MIT
// Correct rounding the usual way: the argument is reduced to r + q·π/2 with r
// in double-double, a fast evaluation carries an error bound, and where that
// bound leaves the rounding undecided (about one call in 250) a slower
// double-double evaluation decides it. Built with floating-point contraction
// off: the error-free products below rely on every product being rounded.
#include "model/rounded_trigonometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace veltrisko {
namespace {

// A value hi + lo with |lo| at most half an ulp of hi.
struct Dd {
  double hi;
  double lo;
};

[[gnu::always_inline]] inline Dd TwoSum(double a, double b) {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// |a| >= |b|.
[[gnu::always_inline]] inline Dd FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

[[gnu::always_inline]] inline Dd Split(double a) {
  const double c = 134217729.0 * a;  // 2^27 + 1
  const double hi = c - (c - a);
  return {hi, a - hi};
}

[[gnu::always_inline]] inline Dd TwoProduct(double a, double b) {
  const double p = a * b;
  const Dd x = Split(a);
  const Dd y = Split(b);
  return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

[[gnu::always_inline]] inline Dd Add(Dd a, Dd b) {
  const Dd s = TwoSum(a.hi, b.hi);
  return FastTwoSum(s.hi, s.lo + a.lo + b.lo);
}

[[gnu::always_inline]] inline Dd Multiply(Dd a, Dd b) {
  const Dd p = TwoProduct(a.hi, b.hi);
  return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

[[gnu::always_inline]] inline Dd Negated(Dd a) { return {-a.hi, -a.lo}; }

// Taylor coefficients as double-doubles: kSin[k] = (-1)^k / (2k+1)!,
// kCos[k] = (-1)^k / (2k)!.
constexpr Dd kSin[] = {
    {1.0, 0.0},
    {-0x1.5555555555555p-3, -0x1.5555555555555p-57},
    {0x1.1111111111111p-7, 0x1.1111111111111p-63},
    {-0x1.a01a01a01a01ap-13, -0x1.a01a01a01a01ap-73},
    {0x1.71de3a556c734p-19, -0x1.c154f8ddc6c00p-73},
    {-0x1.ae64567f544e4p-26, 0x1.c062e06d1f209p-80},
    {0x1.6124613a86d09p-33, 0x1.f28e0cc748ebep-87},
    {-0x1.ae7f3e733b81fp-41, -0x1.1d8656b0ee8cbp-97},
    {0x1.952c77030ad4ap-49, 0x1.ac981465ddc6cp-103},
    {-0x1.2f49b46814157p-57, -0x1.2650f61dbdcb4p-112},
    {0x1.71b8ef6dcf572p-66, -0x1.d043ae40c4647p-120},
    {-0x1.761b41316381ap-75, 0x1.3423c7d91404fp-130},
    {0x1.3f3ccdd165fa9p-84, -0x1.58ddadf344487p-139},
};
constexpr Dd kCos[] = {
    {1.0, 0.0},
    {-0x1.0000000000000p-1, 0.0},
    {0x1.5555555555555p-5, 0x1.5555555555555p-59},
    {-0x1.6c16c16c16c17p-10, 0x1.f49f49f49f49fp-65},
    {0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76},
    {-0x1.27e4fb7789f5cp-22, -0x1.cbbc05b4fa99ap-76},
    {0x1.1eed8eff8d898p-29, -0x1.2aec959e14c06p-83},
    {-0x1.93974a8c07c9dp-37, -0x1.05d6f8a2efd1fp-92},
    {0x1.ae7f3e733b81fp-45, 0x1.1d8656b0ee8cbp-101},
    {-0x1.6827863b97d97p-53, -0x1.eec01221a8b0bp-107},
    {0x1.e542ba4020225p-62, 0x1.ea72b4afe3c2fp-120},
    {-0x1.0ce396db7f853p-70, 0x1.aebcdbd20331cp-124},
    {0x1.f2cf01972f578p-80, -0x1.9ada5fcc1ab14p-135},
    {-0x1.88e85fc6a4e5ap-89, 0x1.71c37ebd16540p-143},
};

// Horner's rule in plain double over kTable[first..last] at z.
template <std::size_t N>
double PlainPolynomial(const Dd (&table)[N], int first, int last, double z) {
  double sum = table[last].hi;
  for (int k = last - 1; k >= first; --k) sum = table[k].hi + z * sum;
  return sum;
}

// Horner's rule in double-double: the terms from `plainFrom` on in plain
// double (they are small enough), the rest in double-double.
template <std::size_t N>
Dd Polynomial(const Dd (&table)[N], int plainFrom, Dd z) {
  Dd sum{PlainPolynomial(table, plainFrom, static_cast<int>(N) - 1, z.hi), 0.0};
  for (int k = plainFrom - 1; k >= 0; --k) sum = Add(table[k], Multiply(z, sum));
  return sum;
}

// The rounded value of hi + lo, if an error of `error` cannot change it.
[[gnu::always_inline]] inline bool Decided(Dd value, double error) {
  return value.hi + (value.lo + error) == value.hi + (value.lo - error);
}

// sin r for r = r.hi + r.lo, |r| <= π/4 (a little more after reduction).
double SinOf(Dd r) {
  const double rh = r.hi;
  const Dd square = TwoProduct(rh, rh);
  Dd cube = TwoProduct(rh, square.hi);
  cube.lo += rh * square.lo;
  const double z = square.hi;
  // r - r³/6 with r³/6 in double-double, the higher terms in double, and
  // r.lo · cos r.
  const Dd third = Multiply(cube, kSin[1]);
  const double higher = cube.hi * z * PlainPolynomial(kSin, 2, 9, z);
  const double low = r.lo * PlainPolynomial(kCos, 0, 3, z);
  const Dd head = TwoSum(rh, third.hi);
  const Dd fast = FastTwoSum(head.hi, head.lo + (third.lo + higher + low));
  if (Decided(fast, std::fabs(higher) * 0x1p-50 + std::fabs(fast.hi) * 0x1p-68)) return fast.hi;
  return Multiply(r, Polynomial(kSin, 7, Multiply(r, r))).hi;
}

// cos r, as SinOf.
double CosOf(Dd r) {
  const double rh = r.hi;
  Dd square = TwoProduct(rh, rh);
  square.lo += 2.0 * rh * r.lo;
  const double z = square.hi;
  // 1 - r²/2 + r⁴/24 with both in double-double, the higher terms in double.
  const Dd fourth = Multiply(Multiply(square, square), kCos[2]);
  const double higher = z * z * z * PlainPolynomial(kCos, 3, 10, z);
  const Dd one = TwoSum(1.0, -0.5 * square.hi);
  const Dd head = TwoSum(one.hi, fourth.hi);
  const Dd fast = FastTwoSum(head.hi, head.lo + (one.lo - 0.5 * square.lo + fourth.lo + higher));
  if (Decided(fast, std::fabs(higher) * 0x1p-50 + std::fabs(fast.hi) * 0x1p-68)) return fast.hi;
  return Polynomial(kCos, 7, Multiply(r, r)).hi;
}

constexpr double kPiOverFour = 0x1.921fb54442d18p-1;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// π/2 in four parts; the first two have 33 bits, so that k times either is
// exact for |k| < 2^20.
constexpr double kPiOverTwo1 = 0x1.921fb54400000p+0;
constexpr double kPiOverTwo2 = 0x1.0b4611a600000p-34;
constexpr double kPiOverTwo3 = 0x1.3198a2e037073p-69;
constexpr double kPiOverTwo4 = 0x1.129024e088a68p-123;
constexpr Dd kPiOverTwo{0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
// The bits of 2/π after the point, enough for any finite double.
constexpr std::uint64_t kTwoOverPiBits[] = {
    0xa2f9836e4e441529, 0xfc2757d1f534ddc0, 0xdb6295993c439041, 0xfe5163abdebbc561,
    0xb7246e3a424dd2e0, 0x06492eea09d1921c, 0xfe1deb1cb129a73e, 0xe88235f52ebb4484,
    0xe99c7026b45f7e41, 0x3991d639835339f4, 0x9c845f8bbdf9283b, 0x1ff897ffde05980f,
    0xef2f118b5a0a6d1f, 0x6d367ecf27cb09b7, 0x4f463f669e5fea2d, 0x7527bac7ebe5f17b,
    0x3d0739f78a5292ea, 0x6bfb5fb11f8d5d08, 0x56033046fc7b6bab, 0xf0cfbc209af4361d,
};

// x = r + quadrant · π/2 (mod 2π).
struct Reduced {
  Dd r;
  unsigned quadrant;
};

// |x| < 2^20.
Reduced ReducedNear(double x) {
  // The nearest integer by the 1.5 · 2^52 shift: exact, and no library call.
  const double k = (x * kTwoOverPi + 0x1.8p52) - 0x1.8p52;
  const double a = x - k * kPiOverTwo1;  // exact, as |x - k·π/2| <= π/4
  const Dd b = TwoSum(a, -(k * kPiOverTwo2));
  const Dd c = TwoProduct(k, kPiOverTwo3);
  const Dd r = Add(b, Dd{-c.hi, -c.lo - k * kPiOverTwo4});
  return {r, static_cast<unsigned>(static_cast<std::int64_t>(k) & 3)};
}

// 64 bits of 2/π from bit `first` on (bit 1 is the first after the point).
std::uint64_t TwoOverPiBits(int first) {
  const int word = (first - 1) / 64;
  const int shift = (first - 1) % 64;
  const std::uint64_t high = kTwoOverPiBits[word] << shift;
  return shift == 0 ? high : high | (kTwoOverPiBits[word + 1] >> (64 - shift));
}

// Bits low .. low + 63 of a 256-bit number (words from the lowest); bits
// below 0 are zero.
std::uint64_t BitsOf(const std::uint64_t (&words)[4], int low) {
  const int word = low >> 6;
  const int shift = low & 63;
  const std::uint64_t lower = word >= 0 ? words[word] >> shift : 0;
  const std::uint64_t upper = shift != 0 && word + 1 < 4 ? words[word + 1] << (64 - shift) : 0;
  return lower | upper;
}

struct Wide {
  std::uint64_t high;
  std::uint64_t low;
};

// a · b in 128 bits, from 32-bit halves.
Wide WideProduct(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t mask = 0xffffffffu;
  const std::uint64_t lowLow = (a & mask) * (b & mask);
  const std::uint64_t highLow = (a >> 32) * (b & mask);
  const std::uint64_t lowHigh = (a & mask) * (b >> 32);
  const std::uint64_t highHigh = (a >> 32) * (b >> 32);
  const std::uint64_t middle = (lowLow >> 32) + (highLow & mask) + (lowHigh & mask);
  return {highHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32),
          (middle << 32) | (lowLow & mask)};
}

// |x| >= 2^20: x · 2/π modulo 4 from the bits of 2/π that matter for x's
// exponent, in integers.
Reduced ReducedFar(double x) {
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(x), &exponent);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int e = exponent - 53;  // |x| = mantissa · 2^e
  // Earlier bits of 2/π add multiples of 4 to x · 2/π.
  const int first = std::max(1, e - 1);
  const std::uint64_t window[3] = {TwoOverPiBits(first + 128), TwoOverPiBits(first + 64),
                                   TwoOverPiBits(first)};
  std::uint64_t product[4] = {};
  std::uint64_t carry = 0;
  for (int i = 0; i < 3; ++i) {
    const Wide part = WideProduct(mantissa, window[i]);
    product[i] = part.low + carry;
    carry = part.high + (product[i] < carry);
  }
  product[3] = carry;
  // x · 2/π = product · 2^-point (mod 4).
  const int point = first + 191 - e;
  unsigned quadrant = static_cast<unsigned>(BitsOf(product, point) & 3);
  std::uint64_t f[3] = {BitsOf(product, point - 192), BitsOf(product, point - 128),
                        BitsOf(product, point - 64)};
  double sign = 1.0;
  if (f[2] >> 63) {  // a fraction of at least 1/2 is one quadrant on, less 1
    std::uint64_t borrow = 1;
    for (std::uint64_t& word : f) {
      word = ~word + borrow;
      borrow = borrow && word == 0;
    }
    sign = -1.0;
    quadrant = (quadrant + 1) & 3;
  }
  Dd sum{0.0, 0.0};
  for (int i = 5; i >= 0; --i) {
    const std::uint64_t part = (f[i / 2] >> (32 * (i % 2))) & 0xffffffffu;
    sum = Add(sum, Dd{std::ldexp(static_cast<double>(part), 32 * i - 192), 0.0});
  }
  Dd r = Multiply(Dd{sign * sum.hi, sign * sum.lo}, kPiOverTwo);
  if (x < 0) {
    r = Negated(r);
    quadrant = (4 - quadrant) & 3;
  }
  return {r, quadrant};
}

Reduced ReducedArgument(double x) {
  if (std::fabs(x) <= kPiOverFour) return {{x, 0.0}, 0};
  return std::fabs(x) < 0x1p20 ? ReducedNear(x) : ReducedFar(x);
}

}  // namespace

double RoundedSin(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-26) return x;  // x - x³/6 rounds to x
  const Reduced a = ReducedArgument(x);
  switch (a.quadrant) {
    case 0:
      return SinOf(a.r);
    case 1:
      return CosOf(a.r);
    case 2:
      return -SinOf(a.r);
    default:
      return -CosOf(a.r);
  }
}

double RoundedCos(double x) {
  if (!std::isfinite(x)) return x - x;
  if (std::fabs(x) < 0x1p-27) return 1.0;  // 1 - x²/2 rounds to 1
  const Reduced a = ReducedArgument(x);
  switch (a.quadrant) {
    case 0:
      return CosOf(a.r);
    case 1:
      return -SinOf(a.r);
    case 2:
      return -CosOf(a.r);
    default:
      return SinOf(a.r);
  }
}

RoundedSinCos RoundedSinAndCos(double x) {
  if (!std::isfinite(x)) return {x - x, x - x};
  if (std::fabs(x) < 0x1p-27) return {x, 1.0};
  const Reduced a = ReducedArgument(x);
  const double s = SinOf(a.r);
  const double c = CosOf(a.r);
  switch (a.quadrant) {
    case 0:
      return {s, c};
    case 1:
      return {c, -s};
    case 2:
      return {-s, -c};
    default:
      return {-c, s};
  }
}

}  // namespace veltrisko
