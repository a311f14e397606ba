#include "merge/Blendforge.h"
#include "merge/BlendforgeWindow.h"
#include "widgets/MQWindow.h"
#include "widgets/ModalResult.h"

bool Blendforge::RunMergeDialog() {
  // Destroyed in reverse: the dialog and its widgets first, then the
  // main-window wrapper it was attached to.
  MQWindow mainWindow;
  BlendforgeWindow dialog(mainWindow, this);
  if (dialog.ExecuteModal() != ModalResult::OK) return false;
  dialog.WriteChoices();
  return true;
}
