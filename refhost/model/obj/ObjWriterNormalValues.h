#pragma once

#include <string>
#include <vector>

#include "abi/HostApi.h"
#include "refhost/model/obj/ObjFile.h"

namespace refhost {

// The vectors of `file`'s vn lines, one for each that it counts, in file
// order, read from its kept text as the reader read them. The reader checked
// those lines; should one fail all the same, the ModelFileError names
// `fileName`.
std::vector<MQPoint> NormalValuesOf(const ObjFile& file, const std::string& fileName);

}  // namespace refhost
