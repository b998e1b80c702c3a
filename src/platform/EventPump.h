#pragma once

namespace quorvex {

// Lets the events that are waiting run, so that long work keeps the window responsive.
class EventPump {
public:
    virtual ~EventPump() = default;

    virtual void runPendingEvents() = 0;
};

}  // namespace quorvex
