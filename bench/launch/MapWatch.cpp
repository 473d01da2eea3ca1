#include "MapWatch.h"

#include <cstdlib>
#include <poll.h>
#include <stdexcept>

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};

template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

// Long enough to notice soon that the program has ended; an event ends the
// wait at once, so it takes nothing from the figures.
constexpr int kPollMs = 10;

} // namespace

MapWatch::MapWatch() : connection_(xcb_connect(nullptr, nullptr), xcb_disconnect) {
    if (xcb_connection_has_error(connection_.get()) != 0) {
        throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_.get())).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const XcbReply<xcb_generic_error_t> error(xcb_request_check(
        connection_.get(),
        xcb_change_window_attributes_checked(connection_.get(), root, XCB_CW_EVENT_MASK, &mask)));
    if (error) {
        throw std::runtime_error("cannot watch the root window, X error " +
                                 std::to_string(error->error_code));
    }
}

bool MapWatch::waitForMap(Clock::time_point deadline, const std::function<bool()>& running) {
    while (true) {
        // Events that xcb has already read sit in its queue, not on the socket.
        while (const XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(connection_.get())}) {
            if (handle(*event)) {
                return true;
            }
        }
        if (xcb_connection_has_error(connection_.get()) != 0) {
            throw std::runtime_error("lost the X display");
        }
        if (!running() || Clock::now() >= deadline) {
            return false;
        }
        pollfd socket{xcb_get_file_descriptor(connection_.get()), POLLIN, 0};
        poll(&socket, 1, kPollMs);
    }
}

bool MapWatch::handle(const xcb_generic_event_t& event) {
    // The top bit marks events sent by another client; they count alike.
    switch (event.response_type & 0x7f) {
    case XCB_CREATE_NOTIFY: {
        const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(event);
        if (created.override_redirect == 0) {
            created_.insert(created.window);
        }
        return false;
    }
    case XCB_MAP_NOTIFY: {
        const auto& mapped = reinterpret_cast<const xcb_map_notify_event_t&>(event);
        // Erased, so that a window mapped again counts once.
        if (mapped.override_redirect != 0 || created_.erase(mapped.window) == 0) {
            return false;
        }
        if (maps_++ == 0) {
            firstMap_ = Clock::now();
        }
        return true;
    }
    default:
        return false;
    }
}
