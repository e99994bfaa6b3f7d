// SPDX-License-Identifier: MIT
// Arbitrary bytes through every field pattern the antenna codes are read
// with, by CodeScan (one call after another, relying on a stopped scan to
// assign nothing more) and by glibc's sscanf. Aborts on any difference in the
// count, a field (float bits included) or what a field left unassigned.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "model/code_scan.h"

namespace {

using veltrisko::CodeScan;

// The fields of one pattern, preset so that an unassigned one shows.
struct Fields {
  Fields() {
    std::memset(this, 0x5a, sizeof(Fields));
    for (char* letters : {lettersA, lettersB}) letters[3] = '\0';
  }
  int count;
  float f[2];
  int i[4];
  char lettersA[4];
  char lettersB[4];
};

void Require(bool condition, const char* pattern, const std::string& text, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "code_scan_fuzz: \"%s\" on \"%s\": %s differs\n", pattern, text.c_str(),
                 what);
    std::abort();
  }
}

void Compare(const char* pattern, const std::string& text, const Fields& glibc,
             const Fields& ours) {
  Require(glibc.count == ours.count, pattern, text, "the count");
  Require(std::memcmp(glibc.f, ours.f, sizeof(glibc.f)) == 0, pattern, text, "a float");
  Require(std::memcmp(glibc.i, ours.i, sizeof(glibc.i)) == 0, pattern, text, "an int");
  Require(std::memcmp(glibc.lettersA, ours.lettersA, 4) == 0, pattern, text, "the first string");
  Require(std::memcmp(glibc.lettersB, ours.lettersB, 4) == 0, pattern, text, "the second string");
}

void CheckAllPatterns(const std::string& text) {
  const char* c = text.c_str();
  {
    Fields glibc, ours;
    glibc.count = std::sscanf(c, "%3f%2s%2f", &glibc.f[0], glibc.lettersA, &glibc.f[1]);
    CodeScan scan(c);
    scan.Float(3, ours.f[0]);
    scan.String(2, ours.lettersA);
    scan.Float(2, ours.f[1]);
    ours.count = scan.Count();
    Compare("%3f%2s%2f", text, glibc, ours);
  }
  {
    Fields glibc, ours;
    glibc.count = std::sscanf(c, "%1d%2d", &glibc.i[0], &glibc.i[1]);
    CodeScan scan(c);
    scan.Int(1, ours.i[0]);
    scan.Int(2, ours.i[1]);
    ours.count = scan.Count();
    Compare("%1d%2d", text, glibc, ours);
  }
  {
    Fields glibc, ours;
    glibc.count = std::sscanf(c, "%*5s%1d%1d", &glibc.i[0], &glibc.i[1]);
    CodeScan scan(c);
    scan.SkipString(5);
    scan.Int(1, ours.i[0]);
    scan.Int(1, ours.i[1]);
    ours.count = scan.Count();
    Compare("%*5s%1d%1d", text, glibc, ours);
  }
  {
    Fields glibc, ours;
    glibc.count = std::sscanf(c, "%3d%2s%2d", &glibc.i[0], glibc.lettersA, &glibc.i[1]);
    CodeScan scan(c);
    scan.Int(3, ours.i[0]);
    scan.String(2, ours.lettersA);
    scan.Int(2, ours.i[1]);
    ours.count = scan.Count();
    Compare("%3d%2s%2d", text, glibc, ours);
  }
  {
    Fields glibc, ours;
    glibc.count = std::sscanf(c, "%1d%2d%2s%1d%01d", &glibc.i[0], &glibc.i[1], glibc.lettersB,
                              &glibc.i[2], &glibc.i[3]);
    CodeScan scan(c);
    scan.Int(1, ours.i[0]);
    scan.Int(2, ours.i[1]);
    scan.String(2, ours.lettersB);
    scan.Int(1, ours.i[2]);
    scan.Int(1, ours.i[3]);
    ours.count = scan.Count();
    Compare("%1d%2d%2s%1d%01d", text, glibc, ours);
  }
  {
    Fields glibc, ours;
    glibc.count =
        std::sscanf(c, "%1d%02d%2s%2d", &glibc.i[0], &glibc.i[1], glibc.lettersB, &glibc.i[2]);
    CodeScan scan(c);
    scan.Int(1, ours.i[0]);
    scan.Int(2, ours.i[1]);
    scan.String(2, ours.lettersB);
    scan.Int(2, ours.i[2]);
    ours.count = scan.Count();
    Compare("%1d%02d%2s%2d", text, glibc, ours);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The text ends at its first zero byte for both readers.
  CheckAllPatterns(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
