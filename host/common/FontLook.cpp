#include "host/common/FontLook.h"

namespace kv::host {

void apply_font_look(QFont& f, const FontLook& look) {
    f.setBold(look.bold);
    f.setItalic(look.italic);
    f.setUnderline(look.underline);
    f.setStrikeOut(look.strike);
}

}  // namespace kv::host
