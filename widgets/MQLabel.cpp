#include "widgets/MQLabel.h"

MQLabel::MQLabel() { BindNewWidget("label"); }

void MQLabel::SetText(const std::u16string& text) { SetProperty("text", text.c_str()); }
