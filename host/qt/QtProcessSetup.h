#pragma once
// What a program of ours sets up before it makes its QApplication, so that ordinary use prints
// no Qt warnings and real problems still do:
// - a runtime folder as Qt expects it (XDG_RUNTIME_DIR naming a folder of this user's, mode
//   0700), made when none is set, instead of Qt's warning and its guess;
// - on a platform without a window system (offscreen, minimal), the notes that it has no window
//   manager to tell a window's size limits to are dropped; every other message goes on to the
//   handler there was.
namespace kv::qt {

// Call before the QApplication is made.
void prepare_qt_process();

// The folder XDG_RUNTIME_DIR now names (made if need be); "" when none could be made, which
// leaves Qt to its own.
const char* prepare_runtime_dir();

// Whether the platform (known once the QApplication exists) can grab the mouse for a window.
bool platform_grabs_mouse();

// Whether anybody sees the platform's windows (not so on offscreen or minimal), and so could
// answer a dialog.
bool platform_has_user();

}  // namespace kv::qt
