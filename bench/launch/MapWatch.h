#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <xcb/xcb.h>

// Watches the X display for top-level windows being mapped. With no window
// manager, as under Xvfb, top-level windows are children of the root, so
// SubstructureNotify on the root reports when they are created and mapped.
// Only windows created after the watch began count, and no override-redirect
// window (tool tips, menus), which is no window of its own to the player.
class MapWatch {
public:
    using Clock = std::chrono::steady_clock;

    // Connects to $DISPLAY and has the server report the root's children
    // before returning. Throws when there is no display.
    MapWatch();

    // Handles events until a counted window is mapped (true) or the deadline
    // passes or `running` answers false (false).
    bool waitForMap(Clock::time_point deadline, const std::function<bool()>& running);

    int maps() const { return maps_; }
    Clock::time_point firstMap() const { return firstMap_; }

private:
    // True when the event maps a counted window.
    bool handle(const xcb_generic_event_t& event);

    std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> connection_;
    std::set<xcb_window_t> created_;
    int maps_ = 0;
    Clock::time_point firstMap_;
};
