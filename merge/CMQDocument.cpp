#include "merge/CMQDocument.h"

#include "plugin/HostFunctionTable.h"

namespace cmq {

CMQObject CMQDocument::GetCurrentObject() const {
  const int index = HOST_FN(MQDoc_GetCurrentObjectIndex)(document_);
  return GetObjectAt(index);
}

CMQObject CMQDocument::GetObjectAt(int index) const {
  return CMQObject(HOST_FN(MQDoc_GetObject)(document_, index), document_);
}

CMQObject CMQDocument::GetObjectFromUniqueID(int uniqueID) const {
  return CMQObject(HOST_FN(MQDoc_GetObjectFromUniqueID)(document_, uniqueID), document_);
}

}  // namespace cmq
