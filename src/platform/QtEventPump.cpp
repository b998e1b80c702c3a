#include "QtEventPump.h"

#include <QCoreApplication>

namespace quorvex {

void QtEventPump::runPendingEvents() { QCoreApplication::processEvents(); }

}  // namespace quorvex
