#include "widgets/MQDoubleSpinBox.h"

MQDoubleSpinBox::MQDoubleSpinBox() { BindNewWidget(widget_kind::kDoubleSpinBox); }

void MQDoubleSpinBox::SetMin(double value) { SetProperty(widget_key::kMin, &value); }

void MQDoubleSpinBox::SetMax(double value) { SetProperty(widget_key::kMax, &value); }

void MQDoubleSpinBox::SetIncrement(double value) { SetProperty(widget_key::kIncrement, &value); }

void MQDoubleSpinBox::SetPosition(double value) { SetProperty(widget_key::kPosition, &value); }

double MQDoubleSpinBox::GetPosition() const { return GetProperty(widget_key::kPosition, 0.0); }
