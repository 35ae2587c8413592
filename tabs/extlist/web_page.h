// Fetches a web page's text with WinINet, always from the network (no cache).
#pragma once

#include <string>

namespace extlist {

// False when the address cannot be reached or the server answers with an
// error status; 'page' is then left as it was.
bool FetchWebPage(const std::string& address, std::string& page);

}  // namespace extlist
