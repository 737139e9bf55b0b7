#pragma once
// Writing a picture file: to a temporary file beside it, then renamed into place. A link or a
// second name at the path is replaced, never written through, so a picture cannot land in the
// file the link names (a form, its .frx, anybody's file); and the files a command works on are
// guarded by name and identity, so that no picture replaces them either.
#include <QImage>
#include <string>
#include <vector>

namespace kv::app {

// Writes `image` in `format` ("png", ...); false with `error` set when it cannot be written.
bool write_picture_file(const QImage& image, const std::string& path, const std::string& format,
                        std::string& error);

// While it lives, no picture is written over `files` (the form and its .frx).
class PictureGuard {
  public:
    explicit PictureGuard(std::vector<std::string> files);
    ~PictureGuard();
    PictureGuard(const PictureGuard&) = delete;
    PictureGuard& operator=(const PictureGuard&) = delete;

    // The guarded file `path` is (by name or by identity), "" when none.
    static std::string guarded(const std::string& path);

  private:
    size_t count_;
};

}  // namespace kv::app
