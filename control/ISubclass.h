#pragma once
// The callback interface of a window subclassing client: how it combines with the window's
// previous procedure, and its handling of one message.
#include <cstdint>
#include <memory>

#include "engine/HostObject.h"

namespace kv {

enum EMsgResponse : int32_t {
    emrConsume = 0,      // the previous procedure is not called
    emrPostProcess = 1,  // the previous procedure is called after the client
    emrPreprocess = 2,   // the previous procedure is called before the client
};

// A client managed by a shared_ptr is kept alive while one of its messages is dispatched.
class ISubclass : public std::enable_shared_from_this<ISubclass> {
  public:
    virtual ~ISubclass() = default;
    virtual EMsgResponse MsgResponse() const = 0;
    virtual void MsgResponse(EMsgResponse response) = 0;
    virtual intptr_t WindowProc(WindowHandle hwnd, uint32_t iMsg, intptr_t wParam,
                                intptr_t lParam) = 0;
};

}  // namespace kv
