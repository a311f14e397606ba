#pragma once

namespace refhost::preview {

// The bytes of the label font's file, generated into the build by
// refhost/preview/CMakeLists.txt.
extern const unsigned char kEmbeddedFont[];

}  // namespace refhost::preview
