// The program's own registry key under HKEY_LOCAL_MACHINE: window placement,
// show style and the card the user picked.
#pragma once

constexpr const char kQuillonKey[] = "SOFTWARE\\Quillon";
