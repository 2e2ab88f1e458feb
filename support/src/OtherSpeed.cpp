// Line speeds that have no termios constant, set through termios2 (BOTHER).
// This file includes only the kernel's termios headers: glibc's <termios.h>
// defines a different struct termios and cannot be used beside them.
#include "Sys.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace kxsupport_detail {

bool SetOtherSpeed(int fd, unsigned rate)
{
    termios2 tio{};
    if (rate == 0 || ::ioctl(fd, TCGETS2, &tio) != 0)
        return false;
    // Output speed given as a number; input speed 0 (B0 in CIBAUD) means
    // "the same as output", so a later standard speed moves both again.
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER;
    tio.c_ospeed = rate;
    tio.c_ispeed = 0;
    if (::ioctl(fd, TCSETS2, &tio) != 0 || ::ioctl(fd, TCGETS2, &tio) != 0)
        return false;
    // A driver that cannot come within 2 % of the rate (about what a UART
    // link tolerates) has put the line at another speed: that is a refusal.
    const unsigned got = tio.c_ospeed;
    const unsigned diff = got > rate ? got - rate : rate - got;
    return diff <= rate / 50;
}

}  // namespace kxsupport_detail
