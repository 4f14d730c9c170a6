#pragma once
// What a dialog object and a window object share about their window's life:
// the object may go only once the outermost of its messages is done, since a
// handler that destroys the window still returns through the object; and no
// standard exception may cross a window procedure into the system.
#include <windows.h>

#include <exception>

namespace horalo::win {

class WindowLifetime {
public:
    // Around the creation call: a window that fails while being created is
    // reported by the creating call, and its caller keeps the object.
    void BeginCreation() { creating_ = true; }
    void EndCreation() {
        creating_ = false;
        gone_ = false;
    }

    // Runs `handle` for one message; `detach` when the window is gone, then
    // `release` once no message of it is being handled any more.
    template <class Handle, class Detach, class Release>
    auto Run(UINT message, Handle handle, Detach detach, Release release) {
        ++depth_;
        const auto result = handle();
        --depth_;
        if (message == WM_NCDESTROY) {
            detach();
            gone_ = true;
        }
        if (gone_ && depth_ == 0 && !creating_) {
            gone_ = false;
            release();
        }
        return result;
    }

private:
    bool creating_ = false;
    bool gone_ = false;  // WM_NCDESTROY seen, the release pending
    int depth_ = 0;      // messages being handled now
};

// The handler's result, or the fallback's when the handler threw.
template <class Handler, class Fallback>
auto CatchAll(Handler handler, Fallback fallback) {
    try {
        return handler();
    } catch (const std::exception& error) {
        OutputDebugStringA(error.what());
    } catch (...) {
        OutputDebugStringA("Horalo: unknown exception in a window procedure");
    }
    return fallback();
}

}  // namespace horalo::win
