#pragma once
// Window subclassing shared by all clients: one procedure per subclassed window dispatches each
// message to the clients registered for it. The registry lives in properties of the window:
//   "<h>"         the window's previous procedure
//   "<h>C"        registrations on the window (all messages together)
//   "<h>#<m>C"    clients registered for message m
//   "<h>#<m>#<i>" the i-th client (1-based) for message m, by address (not an owning reference)
#include <cstdint>

#include "control/ISubclass.h"
#include "engine/Host.h"

namespace kv::MSubclass {

// Registers the client for message iMsg of the window. Errors (nothing changed): 13083 not a
// window, 13084 a window of another process, 13082 client already registered, 13081 the window
// procedure could not be replaced.
void HookMessage(ISubclass& client, WindowHandle hwnd, uint32_t iMsg);
// Removes the registration; the last one on a window restores its previous procedure. A client
// that is not registered changes nothing.
void UnhookMessage(ISubclass& client, WindowHandle hwnd, uint32_t iMsg);
// The procedure installed on every subclassed window.
intptr_t HookedWindowProc(WindowHandle hwnd, uint32_t iMsg, intptr_t wParam, intptr_t lParam);
// The message being dispatched to a client (0 before any).
uint32_t CurrentMessage();
// Throws the subclassing error with that number (see MKVerr).
[[noreturn]] void RaiseSubclassError(int32_t number);

}  // namespace kv::MSubclass
