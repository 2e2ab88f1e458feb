#pragma once
// The stand-in script engine (tests/numbers/standin/kxe) on the search path
// of a temporary site for the lifetime of the object. It records its
// arguments in <windir>/kxe.args and answers a kxaddiconv run with a
// "ResultData" section.

#include "tests/common/StandInPrograms.h"

namespace kx::test {

class StandInKxe : public StandInPrograms {
public:
    // `binDirectory` is created; `windowsDirectory` is the site's.
    StandInKxe(const std::string& binDirectory, const std::string& windowsDirectory) : StandInPrograms(binDirectory)
    {
        add("kxe", "KX_WINDIR='" + windowsDirectory + "'\n. '" KX_SOURCE_DIR "/tests/numbers/standin/kxe'");
    }
};

}  // namespace kx::test
