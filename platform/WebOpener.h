#pragma once

#include <QString>

namespace platform {

// Hands a web address to the desktop, which opens it in the user's default browser, and returns
// at once; the browser runs as a program of its own. Only web addresses open: http, https, ftp
// and mailto; an address that starts with "www." and has no scheme opens as "http://" followed by
// it. Anything else, a file: address first of all, is refused, as is an address that is not
// well formed. Returns whether the address was handed on.
bool OpenWebAddress(const QString& address);

} // namespace platform
