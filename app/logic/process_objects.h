// SPDX-License-Identifier: MIT
#pragma once

#include "dialog/antenna_panel.h"
#include "dialog/config_dialog.h"
#include "scene/scene_state.h"

// The viewer's process-wide objects, constructed before the program's entry
// runs. Only the code that wires a front end's windows reads them; every
// layer below gets what it needs as arguments.

namespace veltrisko {

// The one scene: camera, view angles and display options.
extern SceneState sceneState;

// Set only while a panel writes a composed code into its edit field; the
// dialog ignores edit-change notifications while it is set.
extern bool updatingEditText;

// The two components' panels and the codes they hold.
extern AntennaPanel horizontalPanel;
extern AntennaPanel verticalPanel;

// The open configuration dialog, null while none is open.
extern ConfigDialog* configDialog;

// The targets of a configuration dialog created by the viewer.
DialogTargets ProcessDialogTargets();

}  // namespace veltrisko
