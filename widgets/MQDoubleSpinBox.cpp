#include "widgets/MQDoubleSpinBox.h"

MQDoubleSpinBox::MQDoubleSpinBox() { BindNewWidget("doublespinbox"); }

void MQDoubleSpinBox::SetMin(double value) { SetProperty("min", &value); }

void MQDoubleSpinBox::SetMax(double value) { SetProperty("max", &value); }

void MQDoubleSpinBox::SetIncrement(double value) { SetProperty("increment", &value); }

void MQDoubleSpinBox::SetPosition(double value) { SetProperty("position", &value); }

double MQDoubleSpinBox::GetPosition() const { return GetProperty("position", 0.0); }
