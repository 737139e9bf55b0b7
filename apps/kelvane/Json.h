#pragma once
// A minimal JSON writer: objects, arrays, strings, numbers at full double precision, null.
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace kv::app {

class Json {
  public:
    void begin_object();
    void end_object();
    void begin_array();
    void end_array();
    void key(const std::string& k);
    void value(const std::string& s);
    void value(const char* s) { value(std::string(s)); }
    void value(double x);
    void value(bool b);
    void null();
    void value(const std::optional<double>& x);
    void value(const std::optional<std::string>& s);
    void value(const std::optional<bool>& b);

    std::string str() const { return out_.str(); }

    // "text" with the escapes JSON needs.
    static std::string quote(const std::string& s);
    // Shortest text that reads back as the same double; whole numbers without a fraction.
    static std::string number(double x);

  private:
    void comma();
    std::ostringstream out_;
    std::vector<bool> first_;  // per open container: nothing written in it yet
    bool after_key_ = false;
};

}  // namespace kv::app
