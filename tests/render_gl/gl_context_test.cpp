// SPDX-License-Identifier: MIT
#include "render/gl/gl_context.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

class FakeSurface final : public GLSurface {
 public:
  bool createSucceeds = true;
  bool makeCurrentSucceeds = true;
  int creations = 0, makeCurrents = 0, doneCurrents = 0, destructions = 0;

  bool CreateContext() override {
    ++creations;
    return createSucceeds;
  }
  bool MakeCurrent() override {
    ++makeCurrents;
    return makeCurrentSucceeds;
  }
  void DoneCurrent() override { ++doneCurrents; }
  void DestroyContext() override { ++destructions; }
};

TEST(GLContext, CreatesOnceOnTheFirstPaintAndDeletesAtTheEnd) {
  FakeSurface surface;
  GLContext context;
  EXPECT_TRUE(context.MakeCurrent(nullptr));  // releasing before any paint
  EXPECT_FALSE(context.Initialised());
  EXPECT_TRUE(context.MakeCurrent(&surface));
  EXPECT_TRUE(context.MakeCurrent(nullptr));
  EXPECT_TRUE(context.MakeCurrent(&surface));
  EXPECT_EQ(surface.creations, 1);
  EXPECT_EQ(surface.makeCurrents, 2);
  EXPECT_EQ(surface.doneCurrents, 1);
  context.DeleteContext();
  EXPECT_EQ(surface.destructions, 1);
  EXPECT_FALSE(context.Initialised());
  EXPECT_FALSE(context.HasContext());
  context.DeleteContext();
  EXPECT_EQ(surface.destructions, 1);
}

TEST(GLContext, FailedCreationIsNotRepeated) {
  FakeSurface surface;
  surface.createSucceeds = false;
  GLContext context;
  EXPECT_FALSE(context.MakeCurrent(&surface));
  EXPECT_FALSE(context.MakeCurrent(&surface));
  EXPECT_EQ(surface.creations, 1);
  EXPECT_EQ(surface.makeCurrents, 0);
  EXPECT_TRUE(context.Initialised());
  EXPECT_TRUE(context.MakeCurrent(nullptr));
  context.DeleteContext();  // without a context only the flag is cleared
  EXPECT_EQ(surface.destructions, 0);
  EXPECT_FALSE(context.Initialised());
}

TEST(GLContext, FailedMakeCurrentOnlyFailsThatCall) {
  FakeSurface surface, other;
  GLContext context;
  surface.makeCurrentSucceeds = false;
  EXPECT_FALSE(context.MakeCurrent(&surface));
  surface.makeCurrentSucceeds = true;
  EXPECT_TRUE(context.MakeCurrent(&surface));
  EXPECT_EQ(surface.creations, 1);
  // The context belongs to the surface it was made on.
  EXPECT_FALSE(context.MakeCurrent(&other));
  EXPECT_EQ(other.creations, 0);
}

}  // namespace
}  // namespace veltrisko
