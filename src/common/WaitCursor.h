#pragma once

namespace kelvo {

// Shows the wait cursor for as long as it lives. The core knows no GUI: the program installs
// the two hooks that really change the cursor; without hooks the guard does nothing.
class WaitCursor {
public:
    using Hook = void (*)();
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // Installs the functions that show and remove the wait cursor.
    static void setHooks(Hook show, Hook restore);
};

}  // namespace kelvo
