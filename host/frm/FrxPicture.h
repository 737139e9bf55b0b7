#pragma once
// The picture record of a .frx, as the designer writes a picture property (Picture, Icon,
// TabPicture(n), ...): a 4-byte little-endian record size, the signature "lt\0\0", a 4-byte
// size of the image, then the image bytes in their own format (BMP, ICO, GIF, JPEG, WMF, ...).
// The record size is the image's plus 8. A record that starts at the signature, without the
// record size, is read as well.
#include <cstdint>
#include <optional>

#include "host/common/Picture.h"
#include "host/frm/FrxFile.h"

namespace kv::frm {

class FrxPicture {
  public:
    // The picture at `offset`; nullopt for a record of an empty picture. FrmError (whole-file:
    // "NAME.frx: expected ..., found ...", naming the offset) for a damaged record.
    static std::optional<host::Picture> read(const FrxFile& frx, uint32_t offset);

    // The record bytes of a picture, as read() takes them (tests and generators).
    static std::string record(const std::string& image_bytes);
};

}  // namespace kv::frm
