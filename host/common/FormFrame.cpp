#include "host/common/FormFrame.h"

namespace kv::host {

FrameMetrics frame_metrics(int border_style) {
    switch (border_style) {
        case 0:
            return {0, 0};
        case 1:
            return {3, 19};
        case 3:
            return {3, 19};
        case 4:
            return {3, 16};
        case 5:
            return {4, 16};
        default:
            return {4, 19};  // 2, sizable
    }
}

}  // namespace kv::host
