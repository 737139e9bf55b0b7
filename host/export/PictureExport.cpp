#include "host/export/PictureExport.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>

#include "host/common/Picture.h"
#include "host/common/PictureImage.h"
#include "host/common/TextFold.h"

namespace kv::exporter {

namespace {

// The extension of a format Qt reads as it is; nullptr for one it does not.
const char* extension_of(host::PictureFormat f) {
    switch (f) {
        case host::PictureFormat::Bitmap:
            return "bmp";
        case host::PictureFormat::Icon:
            return "ico";
        case host::PictureFormat::Cursor:
            return "cur";
        case host::PictureFormat::Gif:
            return "gif";
        case host::PictureFormat::Jpeg:
            return "jpg";
        case host::PictureFormat::Png:
            return "png";
        default:
            return nullptr;
    }
}

// Letters, digits and _ only: a file name and a resource path that need no quoting.
std::string file_safe(const std::string& s) {
    std::string out;
    for (char c : s) out += std::isalnum(static_cast<unsigned char>(c)) || c == '_' ? c : '_';
    return out.empty() ? std::string("form") : out;
}

// A form's name as its pictures' folder and resource prefix: file_safe, and where that changed
// it a mark of the name as written, so that "a b" and "a_b" beside each other stay apart.
std::string base_name(const std::string& s) {
    std::string safe = file_safe(s);
    if (safe == s) return safe;
    uint32_t h = 2166136261u;  // FNV-1a
    for (unsigned char c : s) h = (h ^ c) * 16777619u;
    char mark[16];
    std::snprintf(mark, sizeof mark, "_%06x", h & 0xffffffu);
    return safe + mark;
}

}  // namespace

PictureExport::PictureExport(ExportContext& ctx, const std::string& base)
    : ctx_(ctx), base_(base_name(base)), qrc_(base + ".qrc") {}

std::optional<std::string> PictureExport::path_of(mem::MemoryObject& object,
                                                  const std::string& property, QSize stretched_to) {
    const auto pic = object.picture(property);
    if (!pic) return std::nullopt;
    const std::string owner = object.is_form() ? object.name() : ctx_.names.of(object);
    const char* ext = extension_of(pic->format);
    // Qt must be able to show it: bytes that do not decode are left out.
    QImage image = host::picture_image(*pic);
    // A drawing, drawn at the size it is shown: Qt's scaling of a small copy would blur it.
    if (QImage drawn = host::metafile_image(*pic, stretched_to); !image.isNull() && !drawn.isNull())
        image = drawn;
    if (image.isNull()) {
        ctx_.report.notes.push_back(owner + "." + property + ": " + host::article_of(pic->format) +
                                    " " + host::format_name(pic->format) +
                                    " picture, which Qt does not show: left out");
        return std::nullopt;
    }
    std::string bytes;
    if (ext) {
        bytes = pic->bytes;
    } else {
        // A bitmap without its file header, or a metafile as drawn, as a PNG.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        bytes.assign(png.constData(), static_cast<size_t>(png.size()));
        ext = "png";
    }
    return add_file(object, owner, property, bytes, ext);
}

std::optional<std::string> PictureExport::path_of_image(mem::MemoryObject& object,
                                                        const std::string& property,
                                                        const QImage& image) {
    if (image.isNull()) return std::nullopt;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const std::string owner = object.is_form() ? object.name() : ctx_.names.of(object);
    return add_file(object, owner, property,
                    std::string(png.constData(), static_cast<size_t>(png.size())), "png");
}

std::string PictureExport::add_file(mem::MemoryObject& object, const std::string& owner,
                                    const std::string& property, const std::string& bytes,
                                    const char* ext) {
    const auto key = std::pair{&object, host::fold(property)};
    if (const auto it = alias_of_.find(key); it != alias_of_.end())
        return ":/" + base_ + "/" + it->second;
    const std::string stem = file_safe(owner) + "_" + file_safe(property);
    std::string alias = stem + "." + ext;
    auto taken = [&](const std::string& a) {
        return std::any_of(made_.begin(), made_.end(), [&](const auto& m) { return m.first == a; });
    };
    for (int n = 2; taken(alias); ++n) alias = stem + "_" + std::to_string(n) + "." + ext;
    alias_of_[key] = alias;
    const std::string path = ":/" + base_ + "/" + alias;
    const std::string file = base_ + "_pictures/" + alias;
    ctx_.files.push_back({file, bytes});
    made_.emplace_back(alias, file);
    ++ctx_.report.pictures;
    return path;
}

void PictureExport::note_unused(mem::MemoryObject& object, const std::vector<std::string>& used) {
    const std::string owner = object.is_form() ? object.name() : ctx_.names.of(object);
    for (const auto& [property, pic] : object.pictures()) {
        const std::string& name = property;  // a lambda may not name a structured binding
        if (!pic || std::any_of(used.begin(), used.end(),
                                [&](const std::string& u) { return host::iequal(u, name); }))
            continue;
        ctx_.report.notes.push_back(owner + "." + property +
                                    ": no property of its widget shows this picture: left out");
    }
}

void PictureExport::finish(ui::UiNode& resources) {
    if (made_.empty()) return;
    ui::UiNode rcc("RCC");
    ui::UiNode& group = rcc.add("qresource").attribute("prefix", "/" + base_);
    for (const auto& [alias, file] : made_) group.add("file", file).attribute("alias", alias);
    std::string qrc;
    rcc.write(qrc, 0);
    ctx_.files.push_back({qrc_, qrc});
    resources.add("include").attribute("location", qrc_);
}

void add_iconset(ui::UiNode& property, const std::string& qrc, const std::string& path) {
    ui::UiNode& set = property.add("iconset").attribute("resource", qrc);
    set.add("normaloff", path);
}

void add_pixmap(ui::UiNode& property, const std::string& qrc, const std::string& path) {
    property.add("pixmap", path).attribute("resource", qrc);
}

std::string background_sheet(const std::string& name, const std::string& path, int inset) {
    std::string sheet = "#" + name + " { background-image: url(" + path +
                        "); background-repeat: no-repeat; background-position: top left;";
    if (inset > 0)
        sheet += " background-origin: content; padding: " + std::to_string(inset) + "px;";
    return sheet + " }";
}

}  // namespace kv::exporter
