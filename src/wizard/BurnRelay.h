#pragma once

#include <QObject>

#include "BurnListener.h"

namespace quorvex {

// Hands the burn component's notifications to the window on the window's thread: the
// component may speak from its worker thread, and widgets may be touched only from theirs.
// Notifications that arrive while no one listens are dropped.
class BurnRelay final : public QObject, public BurnListener {
    Q_OBJECT

  public:
    using QObject::QObject;

    void forwardTo(BurnListener* target) { target_ = target; }

    void burnFinished() override;
    void driveReadinessChanged(bool ready) override;
    void eraseRequested(bool fullErase) override;

  private:
    template <typename Call>
    void post(Call call);

    BurnListener* target_ = nullptr;
};

}  // namespace quorvex
