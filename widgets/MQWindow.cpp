#include "widgets/MQWindow.h"

MQWindow::MQWindow() : MQWindowBase(GetMainWindowID()) {}
