// The speeds a terminal device reports through termios2, seen from the test's
// side of the line. Kept apart because the kernel's termios2 header cannot be
// included together with <termios.h>.
#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <utility>

namespace kxtest {

std::pair<unsigned, unsigned> LineSpeeds(int fd)
{
    termios2 tio{};
    if (::ioctl(fd, TCGETS2, &tio) != 0)
        return {0, 0};
    return {tio.c_ispeed, tio.c_ospeed};
}

}  // namespace kxtest
