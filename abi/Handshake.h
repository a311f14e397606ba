#pragma once

#include <cstdint>

// The version handshake: the host announces its version to MQCheckVersion,
// and a plug-in that can work with it answers the interface version it was
// built for (0 refuses the host).
namespace handshake {
// The oldest host version this plug-in interface works with, and the one the
// reference host announces.
inline constexpr std::uint32_t kHostVersion = 0x4400;
inline constexpr std::uint32_t kPlugInInterfaceVersion = 0x440;
}  // namespace handshake
