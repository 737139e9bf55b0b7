#pragma once
// The pictures of one block of a form file onto its object of the memory host: each picture
// property (Picture, Icon, DownPicture, TabPicture(n), ...; an image list's images as
// ListImages(n)) read from its .frx record and kept on the object (a damaged one noted and left
// out), then the size the runtime gives a control whose picture is assigned: a picture box with
// AutoSize and an image without Stretch fit their picture.
#include <optional>
#include <string>
#include <vector>

#include "host/frm/FrmDocument.h"
#include "host/frm/FrmNote.h"
#include "host/memory/MemoryObject.h"

namespace kv::frm {

class FrmPictures {
  public:
    // FrmError at the property's line for a missing .frx or a damaged record. A picture whose
    // image is damaged is left out (neither shown nor fitted to its header's size), noted.
    static void load(const FrmDocument& doc, const FrmBlock& block, mem::MemoryObject& object,
                     std::vector<FrmNote>& notes);

    // Is the property one that holds a picture?
    static bool is_picture(const std::string& property_name);

  private:
    // The picture `p` names, or nullopt (a damaged one noted as `what`, "Image1.Picture").
    static std::optional<host::Picture> read(const FrmDocument& doc, const FrmProperty& p,
                                             const std::string& what, std::vector<FrmNote>& notes);
    static void fit(const FrmBlock& block, mem::MemoryObject& object, const host::Picture& pic);
};

}  // namespace kv::frm
