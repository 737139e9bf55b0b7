#pragma once
// The non-client frame of a form, in pixels, per BorderStyle:
//   0 none               border 0, caption 0
//   1 fixed single       border 3, caption 19
//   2 sizable (default)  border 4, caption 19
//   3 fixed dialog       border 3, caption 19
//   4 fixed tool window  border 3, caption 16
//   5 sizable tool window border 4, caption 16
// The border is on each side; the caption sits above the client area. A form with visible
// top-level menus has a menu bar of 19 pixels under the caption. An MDI parent form has the
// sizable frame. A minimised form is 160 x (caption + 2 border) pixels with a 0 x 0 client area.
namespace kv::host {

struct FrameMetrics {
    int border_px = 0;   // each side
    int caption_px = 0;  // above the client area
};

inline constexpr int kMenuBarPixels = 19;
inline constexpr int kMinimizedWidthPixels = 160;
// The screen of the memory host, in pixels; a maximised form fills it.
inline constexpr int kScreenWidthPixels = 1920;
inline constexpr int kScreenHeightPixels = 1080;
// Default tracking limits the window system puts into message 36 before asking the window.
inline constexpr int kMinTrackWidthPixels = 112;
inline constexpr int kMinTrackHeightPixels = 27;

FrameMetrics frame_metrics(int border_style);

}  // namespace kv::host
