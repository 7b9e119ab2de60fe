#pragma once

// The table's lock over its state advance and the flag that it is asking its players. All of it
// runs on the program's one thread and is held for two short steps only, so a nested attempt
// (the user interface re-entering during a message box) is an internal error, not a deadlock.
class Zu_Semaphore {
public:
    void acquiert();
    void libere() { pris_ = false; }

private:
    bool pris_ = false;
};

class VerrouSemaphore {
public:
    explicit VerrouSemaphore(Zu_Semaphore& semaphore) : semaphore_(semaphore) { semaphore_.acquiert(); }
    ~VerrouSemaphore() { semaphore_.libere(); }
    VerrouSemaphore(const VerrouSemaphore&) = delete;
    VerrouSemaphore& operator=(const VerrouSemaphore&) = delete;

private:
    Zu_Semaphore& semaphore_;
};
