#include "control/MSubclass.h"

#include <string>

#include "control/MKVerr.h"

namespace kv::MSubclass {
namespace {

// The message of the dispatch in progress.
uint32_t g_current_message = 0;

std::string prop_window(WindowHandle h) {
    return std::to_string(h);
}
std::string prop_window_count(WindowHandle h) {
    return std::to_string(h) + "C";
}
std::string prop_msg_count(WindowHandle h, uint32_t m) {
    return std::to_string(h) + "#" + std::to_string(m) + "C";
}
std::string prop_client(WindowHandle h, uint32_t m, intptr_t i) {
    return std::to_string(h) + "#" + std::to_string(m) + "#" + std::to_string(i);
}

intptr_t address_of(ISubclass& client) {
    return reinterpret_cast<intptr_t>(&client);
}

// Position (1-based) of the client among the message's clients, 0 when absent.
intptr_t find_client(Host& host, WindowHandle h, uint32_t m, intptr_t client, intptr_t n) {
    for (intptr_t i = 1; i <= n; ++i) {
        if (host.get_prop(h, prop_client(h, m, i)) == client) return i;
    }
    return 0;
}

intptr_t call_previous(Host& host, WindowProc previous, WindowHandle h, uint32_t m, intptr_t wp,
                       intptr_t lp) {
    // A window whose registry has gone has nothing to call through to.
    if (!previous) return 0;
    return host.call_window_proc(previous, h, m, wp, lp);
}

bool is_empty_owner(const std::weak_ptr<ISubclass>& w) {
    const std::weak_ptr<ISubclass> empty;
    return !w.owner_before(empty) && !empty.owner_before(w);
}

}  // namespace

void HookMessage(ISubclass& client, WindowHandle hwnd, uint32_t iMsg) {
    Host& host = Host::current();
    if (!host.is_window(hwnd)) RaiseSubclassError(MKVerr::kErrInvalidWindow);
    if (host.window_process_id(hwnd) != host.current_process_id())
        RaiseSubclassError(MKVerr::kErrExternalWindow);

    const intptr_t n = host.get_prop(hwnd, prop_msg_count(hwnd, iMsg));
    if (find_client(host, hwnd, iMsg, address_of(client), n) != 0)
        RaiseSubclassError(MKVerr::kErrAlreadyHandled);

    const intptr_t count = host.get_prop(hwnd, prop_window_count(hwnd));
    if (count == 0) {
        WindowProc previous = host.set_window_proc(hwnd, &HookedWindowProc);
        if (!previous) RaiseSubclassError(MKVerr::kErrCantSubclass);
        host.set_prop(hwnd, prop_window(hwnd), reinterpret_cast<intptr_t>(previous));
    }
    host.set_prop(hwnd, prop_window_count(hwnd), count + 1);
    host.set_prop(hwnd, prop_msg_count(hwnd, iMsg), n + 1);
    host.set_prop(hwnd, prop_client(hwnd, iMsg, n + 1), address_of(client));
}

void UnhookMessage(ISubclass& client, WindowHandle hwnd, uint32_t iMsg) {
    Host& host = Host::current();
    const intptr_t n = host.get_prop(hwnd, prop_msg_count(hwnd, iMsg));
    const intptr_t i = find_client(host, hwnd, iMsg, address_of(client), n);
    // Only a registration that exists is taken back: counting down for a stranger would restore
    // the window's procedure while other clients are still hooked.
    if (i == 0) return;

    const intptr_t count = host.get_prop(hwnd, prop_window_count(hwnd));
    if (count <= 1) {
        auto previous = reinterpret_cast<WindowProc>(host.get_prop(hwnd, prop_window(hwnd)));
        if (previous) host.set_window_proc(hwnd, previous);
        host.remove_prop(hwnd, prop_window(hwnd));
        host.remove_prop(hwnd, prop_window_count(hwnd));
    } else {
        host.set_prop(hwnd, prop_window_count(hwnd), count - 1);
    }

    for (intptr_t j = i; j < n; ++j) {
        host.set_prop(hwnd, prop_client(hwnd, iMsg, j),
                      host.get_prop(hwnd, prop_client(hwnd, iMsg, j + 1)));
    }
    host.remove_prop(hwnd, prop_client(hwnd, iMsg, n));
    if (n - 1 > 0) {
        host.set_prop(hwnd, prop_msg_count(hwnd, iMsg), n - 1);
    } else {
        host.remove_prop(hwnd, prop_msg_count(hwnd, iMsg));
    }
}

intptr_t HookedWindowProc(WindowHandle hwnd, uint32_t iMsg, intptr_t wParam, intptr_t lParam) {
    Host& host = Host::current();
    auto previous = reinterpret_cast<WindowProc>(host.get_prop(hwnd, prop_window(hwnd)));
    bool previous_called = false;
    const intptr_t n = host.get_prop(hwnd, prop_msg_count(hwnd, iMsg));
    if (n < 1) return call_previous(host, previous, hwnd, iMsg, wParam, lParam);

    intptr_t result = 0;
    for (intptr_t i = 1; i <= n; ++i) {
        auto* client =
            reinterpret_cast<ISubclass*>(host.get_prop(hwnd, prop_client(hwnd, iMsg, i)));
        std::shared_ptr<ISubclass> keep;
        if (client) {
            // Hold a shared client for the call; one whose owner has let go is going away.
            std::weak_ptr<ISubclass> weak = client->weak_from_this();
            if (!is_empty_owner(weak)) {
                keep = weak.lock();
                if (!keep) client = nullptr;
            }
        }
        if (!client) {
            result = call_previous(host, previous, hwnd, iMsg, wParam, lParam);
            continue;
        }
        g_current_message = iMsg;
        if (i == 1 && client->MsgResponse() == emrPreprocess && !previous_called) {
            call_previous(host, previous, hwnd, iMsg, wParam, lParam);
            previous_called = true;
        }
        result = client->WindowProc(hwnd, iMsg, wParam, lParam);
        if (i == n && client->MsgResponse() == emrPostProcess && !previous_called) {
            result = call_previous(host, previous, hwnd, iMsg, wParam, lParam);
            previous_called = true;
        }
    }
    return result;
}

uint32_t CurrentMessage() {
    return g_current_message;
}

void RaiseSubclassError(int32_t number) {
    throw MKVerr::subclass_error(number);
}

}  // namespace kv::MSubclass
