#pragma once
// Colours of the forms runtime as a Qt Designer form writes them: a palette's colour roles and
// brushes, a style sheet's colour words, and the number a .ui keeps a system colour as.
#include <cstdint>
#include <optional>
#include <string>

#include "host/ui/UiWriter.h"

namespace kv::exporter {

// A colour of the forms runtime (&H00BBGGRR); nullopt for a system colour.
std::optional<uint32_t> rgb_of(double value);
// A solid <brush> of the colour into `parent`.
void add_brush(ui::UiNode& parent, uint32_t bgr);
// A palette group's <colorrole> of the colour.
void add_color_role(ui::UiNode& group, const char* role, uint32_t bgr);
// A colour of the forms runtime as a style sheet names it: a system colour by the palette's
// role that stands for it.
std::string css_colour(double value);
// A colour as a .ui keeps it: a system colour, read as a signed long, unsigned.
double unsigned_colour(double stored);

}  // namespace kv::exporter
