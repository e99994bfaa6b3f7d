// SPDX-License-Identifier: MIT
#include "app/logic/process_objects.h"

namespace veltrisko {

SceneState sceneState;
bool updatingEditText = false;
AntennaPanel horizontalPanel(updatingEditText);
AntennaPanel verticalPanel(updatingEditText);
ConfigDialog* configDialog = nullptr;

DialogTargets ProcessDialogTargets() {
  return {sceneState, horizontalPanel, verticalPanel, updatingEditText, configDialog};
}

}  // namespace veltrisko
