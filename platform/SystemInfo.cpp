#include "platform/SystemInfo.h"

#include <unistd.h>

namespace kx {

std::string ComputerName()
{
    char buf[256] = {};
    if (::gethostname(buf, sizeof buf - 1) != 0)
        return "localhost";
    std::string name(buf);
    const std::size_t dot = name.find('.');
    if (dot != std::string::npos && dot > 0)
        name.resize(dot);
    return name;
}

}  // namespace kx
