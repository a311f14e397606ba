#pragma once

#include <cstdint>

#include "plugin/MQStationPlugin.h"

// Mouse and key input as handed to a command plug-in. The six button fields
// are in the host's order: bits 0, 4, 1, 2, 3, 5 of the button state.
struct InputState {
  std::int32_t pos_x;
  std::int32_t pos_y;
  std::int32_t wheel;
  std::int32_t button_bit0;
  std::int32_t button_bit4;
  std::int32_t button_bit1;
  std::int32_t button_bit2;
  std::int32_t button_bit3;
  std::int32_t button_bit5;
  float pressure;
};

// A station plug-in that also takes mouse (120 to 130) and key (140, 141) input.
class MQCommandPlugin : public MQStationPlugin {
 public:
  virtual int OnEvent120(MQDocument doc, MQScene scene, InputState* state) = 0;
  virtual int OnEvent121(MQDocument doc, MQScene scene, InputState* state) = 0;
  virtual int OnEvent122(MQDocument doc, MQScene scene, InputState* state) = 0;
  virtual int OnEvent123(MQDocument doc, MQScene scene, InputState* state) = 0;
  virtual int OnEvent124(MQDocument doc, MQScene scene, InputState* state) = 0;
  virtual int OnEvent125(MQDocument doc, MQScene scene, InputState* state) = 0;
  virtual int OnEvent126(MQDocument doc, MQScene scene, InputState* state) = 0;
  virtual int OnEvent127(MQDocument doc, MQScene scene, InputState* state) = 0;
  virtual int OnEvent128(MQDocument doc, MQScene scene, InputState* state) = 0;
  virtual int OnEvent129(MQDocument doc, MQScene scene, InputState* state) = 0;
  virtual int OnEvent130(MQDocument doc, MQScene scene, InputState* state) = 0;
  virtual int OnEvent140(MQDocument doc, MQScene scene, int key, InputState* state) = 0;
  virtual int OnEvent141(MQDocument doc, MQScene scene, int key, InputState* state) = 0;
};
