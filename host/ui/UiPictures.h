#pragma once
// The pictures a Designer form refers to, as a form file's control keeps them: `:/prefix/alias`
// resource paths through the resource collections (.qrc) the form's <resources> includes, or a
// plain file path, both relative to the folder of the file that names them. A missing or damaged
// collection or picture is a note naming the file; the picture is left out.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/common/Picture.h"
#include "host/ui/UiDocument.h"

namespace kv::ui {

struct UiNote;

class UiPictures {
  public:
    UiPictures(const UiDocument& doc, std::vector<UiNote>& notes);

    // The picture of a <pixmap> or <iconset> property (its normal image), nullptr when none.
    std::shared_ptr<const host::Picture> of_property(const UiElement* property,
                                                     const std::string& subject);
    // The picture of a style sheet's `background-image: url(...)`, nullptr when none.
    std::shared_ptr<const host::Picture> of_sheet(const std::string& sheet, size_t line,
                                                  const std::string& subject);

  private:
    void read_collection(const std::string& location, size_t line);
    std::shared_ptr<const host::Picture> load(const std::string& path, size_t line,
                                              const std::string& subject);

    const UiDocument& doc_;
    std::vector<UiNote>& notes_;
    std::string folder_;                        // the form's, with its trailing '/'
    std::map<std::string, std::string> files_;  // ":/prefix/alias" -> file path
};

// The path inside a style sheet's `background-image: url(...)`, quotes taken off.
std::optional<std::string> background_image_url(const std::string& sheet);

}  // namespace kv::ui
