// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

// The viewer's window icon is drawn at build time from resources/icon.svg and
// embedded; a broken generation step would leave the windows without an icon.
TEST(IconResource, EmbedsTheDrawnIcon) {
  const QImage icon(QStringLiteral(":/veltrisko/icon.png"));
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.size(), QSize(256, 256));
  // The lobe's rim on the main axis is red, the background pale yellow.
  const QColor rim = icon.pixelColor(166, 128);
  EXPECT_GT(rim.red(), 180);
  EXPECT_LT(rim.green(), 80);
  const QColor background = icon.pixelColor(230, 40);
  EXPECT_GT(background.red(), 240);
  EXPECT_GT(background.green(), 240);
  EXPECT_LT(background.blue(), 220);
}
