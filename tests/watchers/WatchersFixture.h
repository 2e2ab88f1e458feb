#pragma once
// A copy of the demonstration site for the watchers' models (see
// DemoSiteFixture), with the INI files written as CRLF lines and read back
// without the CRs.

#include "tests/common/DemoSiteFixture.h"

namespace kx::test {

class WatchersFixture : public DemoSiteFixture {
protected:
    // Writes a file of the Windows directory from "\n"-separated lines.
    void writeIni(const std::string& name, const std::string& lines)
    {
        std::string bytes;
        for (char c : lines)
            bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
        site.write("windows/" + name, bytes);
    }
    std::string iniLines(const std::string& name) const
    {
        std::string text = ini(name);
        std::erase(text, '\r');
        return text;
    }
    std::string boxKinds() const
    {
        std::string kinds;
        for (const RecordingMessageBoxes::Shown& s : boxes.shown())
            kinds += s.kind;
        return kinds;
    }
};

}  // namespace kx::test
