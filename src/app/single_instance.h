#pragma once
// One recorder per user: a second one would append to and rewrite the same
// time log as the first, and records could be lost between them.
#include <windows.h>

#include <string>

namespace horalo {

// The name of the mutex that the running recorder of this user holds.
std::string InstanceMutexName();

class SingleInstance {
public:
    SingleInstance() = default;
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when no other holder of the name exists; the name is then held
    // until this object goes.
    bool Acquire(const std::string& mutexName);

private:
    HANDLE mutex_ = nullptr;
};

// Finds the running recorder's main dialog and has it show itself as a
// right click on its icon would. Waits a little for a recorder that is still
// starting; false when no main dialog turned up.
bool ShowRunningInstance();

}  // namespace horalo
