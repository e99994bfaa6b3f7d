// SPDX-License-Identifier: MIT
#include "app/logic/process_objects.h"

#include <gtest/gtest.h>

namespace veltrisko {
namespace {

TEST(ProcessObjects, StartWithDefaultSceneEmptyPanelsAndNoDialog) {
  EXPECT_EQ(sceneState.resolutionStep, 6);
  EXPECT_EQ(sceneState.dbRange, 40.0f);
  for (const AntennaPanel* panel : {&horizontalPanel, &verticalPanel}) {
    EXPECT_STREQ(panel->Code(), "");
    EXPECT_EQ(panel->TypeIndex(), 0);
  }
  EXPECT_FALSE(updatingEditText);
  EXPECT_EQ(configDialog, nullptr);

  const DialogTargets targets = ProcessDialogTargets();
  EXPECT_EQ(&targets.scene, &sceneState);
  EXPECT_EQ(&targets.horizontal, &horizontalPanel);
  EXPECT_EQ(&targets.vertical, &verticalPanel);
  EXPECT_EQ(&targets.updatingEditText, &updatingEditText);
  EXPECT_EQ(&targets.openDialog, &configDialog);
}

}  // namespace
}  // namespace veltrisko
