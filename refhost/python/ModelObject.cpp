#include "refhost/python/ModelObject.h"

#include <vector>

#include "refhost/cli/CliError.h"
#include "refhost/cli/ModelInput.h"
#include "refhost/python/HostLock.h"

namespace refhost::python {

namespace py = pybind11;

const Object& ModelObject::Held() const {
  const Object* object = model_->HeldObject(uniqueID_);
  if (object == nullptr)
    throw cli::CliError(cli::ModelName(model_->path()) + ": the object is no longer in the model");
  return *object;
}

std::string ModelObject::name() const {
  return Serialised([&] { return Held().name(); });
}

py::array_t<float> ModelObject::positions() const {
  auto values = std::make_unique<std::vector<float>>(Serialised([&] {
    const Object& object = Held();
    std::vector<float> copy;
    copy.reserve(static_cast<std::size_t>(object.VertexCount()) * 3);
    for (int index = 0; index < object.VertexCount(); ++index) {
      const MQPoint& point = object.Vertex(index);
      copy.insert(copy.end(), {point.x, point.y, point.z});
    }
    return copy;
  }));
  const auto rows = static_cast<py::ssize_t>(values->size() / 3);
  float* data = values->data();
  py::capsule owner(values.release(),
                    [](void* kept) { delete static_cast<std::vector<float>*>(kept); });
  py::array_t<float> array({rows, py::ssize_t{3}}, data, owner);
  array.attr("flags").attr("writeable") = false;
  return array;
}

}  // namespace refhost::python
