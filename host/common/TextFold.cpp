#include "host/common/TextFold.h"

#include "engine/TextCase.h"

namespace kv::host {

bool same_folded(std::string_view a, std::string_view b) {
    return same_text(a, b);
}

std::string fold(std::string_view s) {
    return fold_case(s);
}

}  // namespace kv::host
