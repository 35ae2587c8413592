// The text form of a tweak database: one file a person can read, review and
// diff, compiled into the binary "*.tweakdb" and decompiled back. Compiling a
// decompiled database gives the same bytes; decompiling a compiled text
// gives the same text when the text is in the form the decompiler writes.
// No Windows headers.
//
//   # a comment line
//   category "Direct3D"
//     key HKEY_CURRENT_USER "Software\Wine\Direct3D"
//     (or: key dynamic "DisplayKey.dll" "parameter")
//     cards 0xffffffffffffffff
//     os 0xffffffff
//     setting dword "Shader model"
//       value-name "MaxShaderModelVS"
//       default 3
//       range "0-5;"
//       (or: triples 5 5 3 -10 10 5, for ranges the range text cannot say;
//        "triples" alone for none at all)
//       names "none;1;2;3;4;5;"
//       comment "The highest vertex shader version reported."
//     end
//     setting string "Renderer"
//       value-name "renderer"
//       default "gl"
//       range "gl;vulkan;no3d;"
//       names ""
//       comment "..."
//     end
//   end
//
// Strings are in double quotes; a backslash escapes a quote, a backslash, and
// any byte as \xNN (the decompiler writes bytes outside printable ASCII so).
#pragma once

#include "database_file.h"

#include <string>
#include <vector>

namespace quillon {

// Parses a whole text. On an error returns false with "<file>:<line>: reason"
// in 'error' and 'entries' untouched.
bool ParseDatabaseText(const std::string& text, const std::string& fileName,
                       std::vector<DatabaseEntry>& entries, std::string& error);

// The text of a database's entries.
std::string DatabaseText(const std::vector<DatabaseEntry>& entries);

}  // namespace quillon
