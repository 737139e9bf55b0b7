#include "engine/TrappedCall.h"

#include <stdexcept>

namespace kv {

namespace {
constexpr int32_t kErrInternal = 51;
}  // namespace

Error caught_error(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const Error& e) {
        return e;
    } catch (const std::out_of_range&) {
        return Error::standard(kErrSubscript);
    } catch (const std::exception& e) {
        return Error(kErrInternal, e.what());
    } catch (...) {
        return Error(kErrInternal, "Internal error");
    }
}

}  // namespace kv
