#include "refhost/host/Host.h"

#include <utility>

#include "refhost/widgetservice/WidgetService.h"

namespace refhost {
Host& Host::Instance() {
  static Host host;
  return host;
}

Document& Host::NewDocument() {
  const int serial = static_cast<int>(documents_.size()) + 1;
  documents_.push_back(std::make_unique<Document>(*this, serial));
  return *documents_.back();
}

void Host::CloseDocument(const Document& document) {
  for (int index = 0; index < document.ObjectCount(); ++index)
    if (const Object* object = document.ObjectAt(index)) objects_[object->uniqueID() - 1].reset();
  for (std::unique_ptr<Document>& slot : documents_)
    if (slot.get() == &document) slot.reset();
}

void Host::Reset() {
  documents_.clear();
  objects_.clear();
  faults_ = DocumentFaults{};
  recording_ = false;
  calls_.clear();
  misuses_.clear();
  UpdateServedObjects();
  WidgetService::Instance().Reset();
}

Object& Host::NewObject() { return Keep(std::make_unique<Object>(NextUniqueID())); }

Object& Host::CloneObject(const Object& source) {
  return Keep(std::make_unique<Object>(NextUniqueID(), source));
}

int Host::NextUniqueID() const { return static_cast<int>(objects_.size()) + 1; }

Object& Host::Keep(std::unique_ptr<Object> object) {
  objects_.push_back(std::move(object));
  UpdateServedObjects();
  return *objects_.back();
}

DocumentFaults& Host::faults() { return faults_; }

void Host::SetRecording(bool on) {
  recording_ = on;
  UpdateServedObjects();
}

void Host::UpdateServedObjects() { servedObjects_ = recording_ ? 0 : objects_.size(); }
const std::vector<HostCall>& Host::calls() const { return calls_; }

const std::vector<std::string>& Host::misuses() const { return misuses_; }

Document* Host::DocumentFromHandle(MQDocument handle) const {
  return BySerial(documents_, handles::Decode(handle, handles::kDocumentTag));
}

Object* Host::ObjectByUniqueID(int id) const {
  if (id < 1) return nullptr;
  return BySerial(objects_, static_cast<std::uintptr_t>(id));
}

void Host::RecordMisuse(const char* function, const std::string& what) {
  misuses_.push_back(std::string(function) + ": " + what);
}

void Host::AppendCall(const char* function, const void* target, int index) {
  calls_.push_back(HostCall{function, target, index});
}

}  // namespace refhost
