#include "platform/KeyboardLocks.h"

#include <dirent.h>

#include <cstring>
#include <fstream>
#include <string>

namespace kx {

KeyboardLocks ReadKeyboardLocks()
{
    KeyboardLocks locks;
    DIR* dir = ::opendir("/sys/class/leds");
    if (!dir)
        return locks;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        bool* state = nullptr;
        if (name.find("::capslock") != std::string::npos)
            state = &locks.capsLock;
        else if (name.find("::numlock") != std::string::npos)
            state = &locks.numLock;
        else if (name.find("::scrolllock") != std::string::npos)
            state = &locks.scrollLock;
        if (!state)
            continue;
        std::ifstream brightness("/sys/class/leds/" + name + "/brightness");
        int value = 0;
        if (brightness >> value && value > 0)
            *state = true;
    }
    ::closedir(dir);
    return locks;
}

}  // namespace kx
