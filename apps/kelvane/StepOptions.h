#pragma once
// --size, --user-size, --state and --drag: the user's steps, validated by the parser and
// applied in the order they stand on the command line.
#include <vector>

#include "harness/Step.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace kv::app {

class StepOptions {
  public:
    void add_to(CLI::App& app);
    // After the parse: every step given, in command-line order.
    std::vector<Step> steps() const;

  private:
    CLI::App* app_ = nullptr;
    CLI::Option* size_ = nullptr;
    CLI::Option* user_size_ = nullptr;
    CLI::Option* state_ = nullptr;
    CLI::Option* drag_ = nullptr;
};

}  // namespace kv::app
