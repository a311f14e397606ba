#include "plugin/StationEvents.h"

#include <cstdint>
#include <cstring>

#include "plugin/OptionBlock.h"

namespace {

using Station = MQStationPlugin;

// Events 100 and 102 pass a pointer to one flag instead of an option block.
int ReadFlag(void* option) { return option ? *static_cast<const std::int32_t*>(option) : 0; }

int TriggerCode(const char* text) {
  if (text == nullptr) return 0;
  static const char* const kTriggers[] = {"screen", "world", "local"};
  for (int i = 0; i < 3; ++i) {
    if (std::strcmp(text, kTriggers[i]) == 0) return i + 1;
  }
  return 0;
}

MQScene Scene(void* option) { return static_cast<MQScene>(FindOptionValue(option, "scene")); }

const char* Filename(void* option) { return GetOptionText(option, "filename"); }

DocumentFileInfo FileInfo(void* option) {
  return {static_cast<MQXmlElement>(FindOptionValue(option, "xml_elem")), 0};
}

int Index(void* option) { return GetOptionInt(option, "index", 0); }

int State(void* option) { return GetOptionInt(option, "state", 0); }

// The indexed queries answer a pointer-size value, which "result" takes whole.
template <std::intptr_t (Station::*query)(int)>
int ForwardQuery(Station& plugin, MQDocument, void* option) {
  StoreOptionInt64(option, "result", static_cast<std::int64_t>((plugin.*query)(Index(option))));
  return 1;
}

int ForwardMessage(Station& plugin, MQDocument doc, void* option) {
  const auto srcProduct = static_cast<std::uint32_t>(GetOptionInt(option, "src_product", 0));
  const auto srcID = static_cast<std::uint32_t>(GetOptionInt(option, "src_id", 0));
  const int result =
      plugin.OnEvent103(doc, srcProduct, srcID, FindOptionValue(option, "description"),
                        FindOptionValue(option, "message"));
  StoreOptionInt32(option, "result", result);
  return result;
}

int ForwardSave(Station& plugin, MQDocument doc, void* option) {
  DocumentFileInfo info = FileInfo(option);
  const int result = plugin.OnEvent202(doc, Filename(option), &info);
  if (info.save_uid != 0) StoreOptionInt32(option, "save_uid", 1);
  return result;
}

template <int (Station::*operation)(MQDocument)>
int ForwardDocument(Station& plugin, MQDocument doc, void*) {
  return (plugin.*operation)(doc);
}

// What the host hears back: the operation's own result, or 1 whatever it was.
enum Answer { kItsResult, kOne };

struct StationEvent {
  int code;
  Answer answer;
  int (*forward)(Station& plugin, MQDocument doc, void* option);
};

constexpr StationEvent kStationEvents[] = {
    {1, kItsResult, [](Station& p, MQDocument, void*) { return p.OnEvent1(); }},
    {2, kOne, [](Station& p, MQDocument, void*) { return p.OnEvent2(); }},
    {3, kOne, ForwardQuery<&Station::OnEvent3>},
    {4, kOne, ForwardQuery<&Station::OnEvent4>},
    {100, kItsResult,
     [](Station& p, MQDocument d, void* o) { return p.OnEvent100(d, ReadFlag(o)); }},
    {101, kItsResult, ForwardDocument<&Station::OnEvent101>},
    {102, kOne, [](Station& p, MQDocument d, void* o) { return p.OnEvent102(d, ReadFlag(o)); }},
    {103, kOne, ForwardMessage},
    {104, kItsResult, [](Station& p, MQDocument d, void* o) { return p.OnEvent104(d, Index(o)); }},
    {110, kOne,
     [](Station& p, MQDocument d, void* o) {
       return p.OnEvent110(d, Scene(o), GetOptionInt(o, "width", 1), GetOptionInt(o, "height", 1));
     }},
    {200, kOne,
     [](Station& p, MQDocument d, void* o) {
       DocumentFileInfo info = FileInfo(o);
       return p.OnEvent200(d, Filename(o), &info);
     }},
    {201, kOne, ForwardDocument<&Station::OnEvent201>},
    {202, kOne, ForwardSave},
    {210, kItsResult, [](Station& p, MQDocument d, void* o) { return p.OnEvent210(d, State(o)); }},
    {211, kItsResult, [](Station& p, MQDocument d, void* o) { return p.OnEvent211(d, State(o)); }},
    {212, kOne,
     [](Station& p, MQDocument d, void* o) {
       return p.OnEvent212(d, State(o), GetOptionInt(o, "size", 0));
     }},
    {220, kOne, ForwardDocument<&Station::OnEvent220>},
    {221, kOne, ForwardDocument<&Station::OnEvent221>},
    {222, kOne, ForwardDocument<&Station::OnEvent222>},
    {230, kOne, ForwardDocument<&Station::OnEvent230>},
    {231, kOne, ForwardDocument<&Station::OnEvent231>},
    {240, kOne, [](Station& p, MQDocument d, void* o) { return p.OnEvent240(d, Scene(o)); }},
    {250, kOne,
     [](Station& p, MQDocument d, void* o) {
       return p.OnEvent250(d, TriggerCode(GetOptionText(o, "trigger")));
     }},
};

const StationEvent* FindStationEvent(int code) {
  for (const StationEvent& event : kStationEvents) {
    if (event.code == code) return &event;
  }
  return nullptr;
}

}  // namespace

bool IsStationEvent(int code) { return FindStationEvent(code) != nullptr; }

int DispatchStationEvent(MQStationPlugin& plugin, MQDocument doc, int code, void* option) {
  const StationEvent* event = FindStationEvent(code);
  if (event == nullptr) return 0;
  const int result = event->forward(plugin, doc, option);
  return event->answer == kOne ? 1 : result;
}
