// The r6probe driver as a device: "\\.\r6probe.vxd", opened for one clock
// operation and closed when the transport is dropped. Shared by Pellam and
// the Radeon overclocking tab.
#pragma once

#include "probe_client.h"

#include <memory>

namespace pellam {

// Null when the device cannot be opened (the driver is missing).
std::unique_ptr<ProbeTransport> OpenProbeDevice();

}  // namespace pellam
