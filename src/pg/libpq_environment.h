#pragma once

namespace worvanta::pg {

// Removes from the process environment every variable that the client
// library would read in place of a setting (service names, date style and
// time zone it forwards to the server, defaults for host, password, ...).
// Some of them cannot be overridden by an explicit connection keyword, so
// the connection calls this before each connect.
void clearLibpqEnvironment();

}  // namespace worvanta::pg
