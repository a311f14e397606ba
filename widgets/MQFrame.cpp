#include "widgets/MQFrame.h"

MQFrame::MQFrame() { BindNewWidget(widget_kind::kFrame); }
