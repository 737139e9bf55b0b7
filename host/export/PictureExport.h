#pragma once
// The pictures of a form and its controls (the .frx's Picture and Icon) as files beside the .ui,
// in a folder named after it, and a Qt resource file (.qrc) listing them, which the .ui names:
// images Qt reads keep their own bytes and format, a bitmap without its file header and a
// metafile (drawn at its frame's size, or at the size a stretched image shows it) become PNGs,
// and what cannot be shown is left out and noted.
#include <QImage>
#include <QSize>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/export/ExportContext.h"
#include "host/ui/UiWriter.h"

namespace kv::exporter {

class PictureExport {
  public:
    // `base`: the .ui's name without its extension ("frmMain").
    PictureExport(ExportContext& ctx, const std::string& base);

    // The resource path (":/frmMain/imgLogo_Picture.png") of the object's picture property, its
    // file made the first time; nullopt when it has no such picture or Qt cannot show it (noted).
    // A metafile is drawn at `stretched_to` when given (a picture stretched over its widget),
    // else at its own size.
    std::optional<std::string> path_of(mem::MemoryObject& object, const std::string& property,
                                       QSize stretched_to = {});

    // The same for an image made here (a toolbar button's picture, its mask colour clear), as a
    // PNG named after the object and `property`; nullopt for a null image.
    std::optional<std::string> path_of_image(mem::MemoryObject& object, const std::string& property,
                                             const QImage& image);

    // The object's pictures that no widget property took, noted as left out.
    void note_unused(mem::MemoryObject& object, const std::vector<std::string>& used);

    // The resource file's name ("frmMain.qrc").
    const std::string& resource_file() const { return qrc_; }
    // The .qrc into the context's files and its <include> into <resources>, when any picture
    // was made.
    void finish(ui::UiNode& resources);

  private:
    // The file of `bytes` beside the .ui (its first time), and its resource path.
    std::string add_file(mem::MemoryObject& object, const std::string& owner,
                         const std::string& property, const std::string& bytes, const char* ext);

    ExportContext& ctx_;
    std::string base_;  // the resource prefix and the folder of the files
    std::string qrc_;
    std::vector<std::pair<std::string, std::string>> made_;  // alias, file beside the .ui
    // The alias each control's picture got: two names that differ only in characters a file
    // name leaves out get aliases of their own.
    std::map<std::pair<const mem::MemoryObject*, std::string>, std::string> alias_of_;
};

// <iconset> and <pixmap> values that name a picture of the resource file.
void add_iconset(ui::UiNode& property, const std::string& qrc, const std::string& path);
void add_pixmap(ui::UiNode& property, const std::string& qrc, const std::string& path);
// A style sheet that draws the picture unscaled at the widget's top left (inside `inset` pixels
// of border), as the forms runtime draws a form's or a picture box's picture.
std::string background_sheet(const std::string& name, const std::string& path, int inset);

}  // namespace kv::exporter
