#include "widgets/MQFrame.h"

MQFrame::MQFrame() { BindNewWidget("frame"); }
