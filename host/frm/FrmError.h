#pragma once
// A problem in a form file or its .frx, located as FILE:LINE so a person can go and fix it.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace kv::frm {

// A count of bytes as a message says it: "1 byte", "18 bytes".
inline std::string byte_count(uint64_t n) {
    return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

class FrmError : public std::runtime_error {
  public:
    // line 0 means the problem belongs to the whole file (FILE: what).
    FrmError(const std::string& file, size_t line, const std::string& what);

    const std::string& file() const { return file_; }
    size_t line() const { return line_; }
    // What was wrong, without the place.
    const std::string& reason() const { return reason_; }

  private:
    std::string file_;
    std::string reason_;
    size_t line_;
};

// "expected X, found Y" with Y shown quoted and cut to a readable length.
std::string expected_found(const std::string& expected, const std::string& found);

}  // namespace kv::frm
