#pragma once

#include "EventPump.h"

namespace quorvex {

class QtEventPump final : public EventPump {
public:
    void runPendingEvents() override;
};

}  // namespace quorvex
