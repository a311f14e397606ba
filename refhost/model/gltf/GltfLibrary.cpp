// The one definition of tinygltf's functions. Images are never decoded nor
// fetched: the tool carries them through as the file has them.
#define TINYGLTF_IMPLEMENTATION
#include <tiny_gltf.h>
