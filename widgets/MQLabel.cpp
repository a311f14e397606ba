#include "widgets/MQLabel.h"

MQLabel::MQLabel() { BindNewWidget(widget_kind::kLabel); }

void MQLabel::SetText(const std::u16string& text) { SetProperty(widget_key::kText, text.c_str()); }
