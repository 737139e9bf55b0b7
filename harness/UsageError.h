#pragma once
// Bad usage found while a command runs (after its options parsed): reported on standard error
// as one line, exit status 2.
#include <stdexcept>

namespace kv::app {

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace kv::app
