#include "plugin/CommandEvents.h"

#include <iterator>

#include "plugin/OptionBlock.h"

namespace {

using Command = MQCommandPlugin;
using MouseOperation = int (Command::*)(MQDocument, MQScene, InputState*);

constexpr int kFirstMouseEvent = 120;
constexpr MouseOperation kMouseOperations[] = {
    &Command::OnEvent120, &Command::OnEvent121, &Command::OnEvent122, &Command::OnEvent123,
    &Command::OnEvent124, &Command::OnEvent125, &Command::OnEvent126, &Command::OnEvent127,
    &Command::OnEvent128, &Command::OnEvent129, &Command::OnEvent130};
constexpr int kMouseEventCount = static_cast<int>(std::size(kMouseOperations));

bool IsMouseEvent(int code) {
  return code >= kFirstMouseEvent && code < kFirstMouseEvent + kMouseEventCount;
}

std::int32_t Bit(int bits, int bit) { return (bits >> bit) & 1; }

// Key events carry no position, wheel or pressure; both kinds carry buttons.
InputState ButtonState(void* option) {
  const int bits = GetOptionInt(option, "button_state", 0);
  InputState state{};
  state.button_bit0 = Bit(bits, 0);
  state.button_bit4 = Bit(bits, 4);
  state.button_bit1 = Bit(bits, 1);
  state.button_bit2 = Bit(bits, 2);
  state.button_bit3 = Bit(bits, 3);
  state.button_bit5 = Bit(bits, 5);
  return state;
}

InputState MouseState(void* option) {
  InputState state = ButtonState(option);
  state.pos_x = GetOptionInt(option, "mouse_pos_x", 0);
  state.pos_y = GetOptionInt(option, "mouse_pos_y", 0);
  state.wheel = GetOptionInt(option, "mouse_wheel", 0);
  state.pressure = GetOptionFloat(option, "pressure", 0.0f);
  return state;
}

}  // namespace

bool IsCommandEvent(int code) { return IsMouseEvent(code) || code == 140 || code == 141; }

int DispatchCommandEvent(MQCommandPlugin& plugin, MQDocument doc, int code, void* option) {
  const auto scene = static_cast<MQScene>(FindOptionValue(option, "scene"));
  if (IsMouseEvent(code)) {
    InputState state = MouseState(option);
    return (plugin.*kMouseOperations[code - kFirstMouseEvent])(doc, scene, &state);
  }
  InputState state = ButtonState(option);
  const int key = GetOptionInt(option, "key", 0);
  if (code == 140) return plugin.OnEvent140(doc, scene, key, &state);
  if (code == 141) return plugin.OnEvent141(doc, scene, key, &state);
  return 0;
}
