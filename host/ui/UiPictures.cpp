#include "host/ui/UiPictures.h"

#include <sys/stat.h>

#include <cstdint>
#include <fstream>
#include <sstream>

#include "host/ui/UiError.h"
#include "host/ui/UiLoader.h"
#include "host/ui/UiReader.h"
#include "host/ui/UiValues.h"

namespace kv::ui {

namespace {

std::string folder_of(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string joined(const std::string& folder, const std::string& path) {
    return !path.empty() && path[0] == '/' ? path : folder + path;
}

// The whole file, or why not.
std::optional<std::string> read_all(const std::string& path, std::string& why) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        why = "is missing";
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode) || static_cast<uint64_t>(st.st_size) > kMaxUiFileBytes) {
        why = "is no file of at most 64 MB";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = "cannot be read";
        return std::nullopt;
    }
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

std::optional<std::string> background_image_url(const std::string& sheet) {
    const auto at = sheet.find("background-image");
    if (at == std::string::npos) return std::nullopt;
    const auto open = sheet.find("url(", at);
    if (open == std::string::npos || sheet.find_first_of(";}", at) < open) return std::nullopt;
    const auto close = sheet.find(')', open);
    if (close == std::string::npos) return std::nullopt;
    std::string url = trimmed(sheet.substr(open + 4, close - open - 4));
    if (url.size() >= 2 && (url[0] == '"' || url[0] == '\'') && url.back() == url[0])
        url = url.substr(1, url.size() - 2);
    if (url.empty()) return std::nullopt;
    return url;
}

UiPictures::UiPictures(const UiDocument& doc, std::vector<UiNote>& notes)
    : doc_(doc), notes_(notes), folder_(folder_of(doc.path)) {
    for (const UiElement* resources : doc.root.children_named("resources"))
        for (const UiElement* include : resources->children_named("include"))
            if (const std::string* location = include->attribute("location"))
                read_collection(*location, include->line);
}

void UiPictures::read_collection(const std::string& location, size_t line) {
    const std::string path = joined(folder_, location);
    std::string why;
    const auto bytes = read_all(path, why);
    if (!bytes) {
        notes_.push_back(
            {line, "the resource collection " + path + " " + why + ": its pictures are left out",
             true});
        return;
    }
    UiDocument qrc;
    try {
        qrc = UiReader::read_xml(*bytes, path);
    } catch (const UiError& e) {
        notes_.push_back({line,
                          "the resource collection " + path + " is damaged (" + e.what() +
                              "): its pictures are left out",
                          true});
        return;
    }
    const std::string dir = folder_of(path);
    for (const UiElement* group : qrc.root.children_named("qresource")) {
        std::string prefix = group->attribute("prefix") ? *group->attribute("prefix") : "/";
        if (prefix.empty() || prefix[0] != '/') prefix = "/" + prefix;
        if (prefix.back() != '/') prefix += '/';
        for (const UiElement* file : group->children_named("file")) {
            const std::string name = trimmed(file->text);
            const std::string* alias = file->attribute("alias");
            files_.emplace(":" + prefix + (alias ? *alias : name), joined(dir, name));
        }
    }
}

std::shared_ptr<const host::Picture> UiPictures::load(const std::string& path, size_t line,
                                                      const std::string& subject) {
    std::string file;
    if (path.rfind(":/", 0) == 0) {
        const auto it = files_.find(path);
        if (it == files_.end()) {
            notes_.push_back({line,
                              subject + ": the resource " + path +
                                  " is in no resource collection of the form: left out",
                              true});
            return nullptr;
        }
        file = it->second;
    } else {
        file = joined(folder_, path);
    }
    std::string why;
    auto bytes = read_all(file, why);
    if (!bytes) {
        notes_.push_back(
            {line, subject + ": the picture file " + file + " " + why + ": left out", true});
        return nullptr;
    }
    auto pic = host::Picture::from_bytes(std::move(*bytes));
    if (pic.format == host::PictureFormat::Unknown || !pic.damage.empty()) {
        notes_.push_back({line,
                          subject + ": the picture file " + file + " is damaged (" +
                              (pic.damage.empty() ? "no picture format known" : pic.damage) +
                              "): left out",
                          true});
        return nullptr;
    }
    return std::make_shared<const host::Picture>(std::move(pic));
}

std::shared_ptr<const host::Picture> UiPictures::of_property(const UiElement* property,
                                                             const std::string& subject) {
    if (!property) return nullptr;
    std::string path;
    if (const UiElement* pixmap = property->child("pixmap")) {
        path = trimmed(pixmap->text);
    } else if (const UiElement* set = property->child("iconset")) {
        path = trimmed(set->child_text("normaloff"));
        if (path.empty()) path = trimmed(set->text);  // the older form: the path itself
    }
    if (path.empty()) return nullptr;
    return load(path, property->line, subject);
}

std::shared_ptr<const host::Picture> UiPictures::of_sheet(const std::string& sheet, size_t line,
                                                          const std::string& subject) {
    const auto url = background_image_url(sheet);
    return url ? load(*url, line, subject) : nullptr;
}

}  // namespace kv::ui
