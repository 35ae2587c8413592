// What the Direct3D page shows of a D3DCAPS8 record: 25 groups, each a list of
// rows of a capability text and its value. Flag groups are tables of the
// Direct3D 8 constants; "DeviceInfo" formats the device's limits.
#pragma once

#include <windows.h>
#include <d3d8.h>

#include <string>
#include <utility>
#include <vector>

namespace caps3d {

constexpr int kGroupCount = 25;
constexpr int kCapabilityRows = 32;

// The group list's texts, by group number.
const char* GroupText(int group);

using Row = std::pair<std::string, std::string>;  // capability, value

// The rows of a group; none for "Caps3" and for a number outside the groups.
std::vector<Row> GroupRows(const D3DCAPS8& caps, int group);

// "<description>\r\nDriver: <driver>\r\nVersion: a.b.c.d"
std::string HeaderText(const char* description, const char* driver, unsigned long long version);

}  // namespace caps3d
