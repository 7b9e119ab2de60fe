#include "table/Zu_Semaphore.h"

#include "platform/Assertion.h"

void Zu_Semaphore::acquiert() {
    const bool libre = !pris_;
    TW_ASSERT(libre, "Zu_Semaphore");
    pris_ = true;
}
