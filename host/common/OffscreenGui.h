#pragma once
// Text needs Qt's application object (its fonts come with it). A program that draws without a
// window of its own (the tool's pictures, a form's metafile decoded for an export) gets one on
// the offscreen platform, made once, the first time text is drawn; its notices about the missing
// display are not the user's concern and are kept off stderr.
namespace kv::host {

void ensure_gui();

}  // namespace kv::host
