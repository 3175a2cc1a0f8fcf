#pragma once

namespace worvanta::ui {

// Shows the wait cursor for as long as it lives (while the program waits for
// a server). Does nothing when there is no GUI application.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool active_ = false;
};

}  // namespace worvanta::ui
