// CCommPort on a pseudo-terminal pair: the port opens the slave by its path,
// the test plays the device on the master side.
#include <kxsupport/CommPort.h>

#include "SupportTestUtil.h"

#include <poll.h>
#include <pty.h>
#include <termios.h>

#include <tuple>

using namespace kxtest;

namespace {

class CommPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[128];
        ASSERT_EQ(::openpty(&m_master, &m_slave, name, nullptr, nullptr), 0);
        m_path = name;
    }
    void TearDown() override { ::close(m_master), ::close(m_slave); }

    termios Settings()
    {
        termios tio{};
        EXPECT_EQ(::tcgetattr(m_slave, &tio), 0);
        return tio;
    }

    // The device's speeds, which of the control flags kBits it has set, and whether XON/XOFF is on.
    void ExpectLine(speed_t speed, tcflag_t set, bool xon = false)
    {
        const termios tio = Settings();
        constexpr tcflag_t kBits = PARODD | CMSPAR | CSTOPB | CRTSCTS, kXon = IXON | IXOFF;
        EXPECT_EQ(std::make_tuple(::cfgetospeed(&tio), ::cfgetispeed(&tio), tio.c_cflag & kBits, tio.c_iflag & kXon),
                  std::make_tuple(speed, speed, set, xon ? kXon : 0));
    }

    // What the device (master side) has received, waiting up to 1 s for `n` bytes.
    std::string FromPort(size_t n)
    {
        std::string got;
        auto start = Clock::now();
        while (got.size() < n && MsSince(start) < 1000) {
            pollfd p = {m_master, POLLIN, 0};
            char buf[256];
            const ssize_t r = ::poll(&p, 1, 50) > 0 ? ::read(m_master, buf, sizeof buf) : 0;
            got.append(buf, r > 0 ? static_cast<size_t>(r) : 0);
        }
        return got;
    }

    void ToPort(const std::string& bytes)
    {
        ASSERT_EQ(::write(m_master, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
};

}  // namespace

TEST(CommPortName, ComNamesMapToSerialDevicesOtherNamesAreUsedAsGiven)
{
    const std::pair<const char*, const char*> cases[] = {
        // clang-format off
        {"COM1", "/dev/ttyS0"}, {"com12", "/dev/ttyS11"}, {"Com2", "/dev/ttyS1"}, {"COM0", "COM0"}, {"COM1:", "COM1:"},
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        // clang-format on
        // Too long for the name: left empty rather than cut to another device.
        {"/dev/serial/by-id/usb-Vendor_Product_123456-if00-port0", ""},
    };
    for (const auto& [name, device] : cases)
        EXPECT_STREQ(CCommPort(name).GetDeviceName(), device) << name;
    EXPECT_EQ(CCommPort(cases[6].first).Open(0), 0);
    EXPECT_EQ(CCommPort(nullptr).Open(0), 0);
}

// Each row applies to the same closed port (stored only), so what a mode
// leaves out keeps the value of the rows before.
TEST(CommPortMode, ShortAndKeywordFormsAndTheirErrors)
{
    const struct {
        const char* mode;
        int baud, parity, data, stop, flow;
    } rows[] = {
        {"9600,n,8,1", 9600, CCommPort::parityNone, 8, CCommPort::stopOne, 0},
        {"baud=19200 parity=e data=7 stop=2", 19200, CCommPort::parityEven, 7, CCommPort::stopTwo, 0},
        {"COM3: 96,M,8,1.5", 9600, CCommPort::parityMark, 8, CCommPort::stopOneAndHalf, 0},  // abbreviation, prefix
        {"PARITY=S Baud=4800 xon=on rts=hs", 4800, CCommPort::paritySpace, 8, CCommPort::stopOneAndHalf,
         CCommPort::flowXonXoff | CCommPort::flowRtsHandshake},
        {"110", 110, CCommPort::paritySpace, 8, CCommPort::stopTwo,
         CCommPort::flowXonXoff | CCommPort::flowRtsHandshake},
    };
    CCommPort port("COM1");
    for (const auto& r : rows) {
        ASSERT_EQ(port.SetCommParms(r.mode), 1) << r.mode;
        EXPECT_EQ((std::vector<int>{port.GetBaudRate(), port.GetParity(), port.GetDataBits(), port.GetStopBits(),
                                    port.GetFlowControl()}),
                  (std::vector<int>{r.baud, r.parity, r.data, r.stop, r.flow}))
            << r.mode;
    }
    for (const char* bad : {"", "   ", "abc", "9600,q,8,1", "9600,n,9,1", "9600,n,8,3", "baud=fast",
                            "baud=9600 speed=1", "baud=9600 dtr=maybe", "9600,n,8,1,p,x", "0", "parity=N baud"}) {
        EXPECT_EQ((std::vector<int>{port.SetCommParms(bad), port.GetBaudRate(), port.GetParity()}),
                  (std::vector<int>{0, 110, CCommPort::paritySpace}))
            << bad;
    }
    EXPECT_EQ(port.SetCommParms(static_cast<const char*>(nullptr)), 0);
}

// A pseudo-terminal keeps speed, stop bits and the odd/mark parity flags as
// set, but always reports 8 data bits and parity generation off (CS8,
// !PARENB), so those two are checked through the stored values only.
TEST_F(CommPortTest, LineSettingsAreAppliedToTheDevice)
{
    CCommPort port(m_path.c_str(), 9600, 'O', 7, 2);
    ASSERT_EQ(port.Open(0), 1);
    ExpectLine(B9600, PARODD | CSTOPB);
    // A raw line: no echo, no line editing, no CR/LF translation, no flow control.
    termios tio = Settings();
    EXPECT_FALSE((tio.c_lflag & (ICANON | ECHO | ISIG)) || (tio.c_oflag & OPOST) || (tio.c_iflag & (ICRNL | IXANY)));

    ASSERT_EQ(port.SetCommParms("baud=19200 parity=E data=8 stop=1"), 1);
    ExpectLine(B19200, 0);
    ASSERT_EQ(port.SetCommParms(38400, 'M', 8, 2), 1);
    ExpectLine(B38400, CMSPAR | PARODD | CSTOPB);
    // Lower-case parity letters and odd stop-bit codes change nothing.
    ASSERT_EQ(port.SetCommParms(4800, 'e', 8, 3), 1);
    EXPECT_EQ(std::make_pair(port.GetParity(), port.GetStopBits()),
              std::make_pair(+CCommPort::parityMark, +CCommPort::stopTwo));
    ExpectLine(B4800, CMSPAR | PARODD | CSTOPB);

    // No such speed, 9 data bits, 1.5 stop bits but with 5 data bits: refused.
    EXPECT_EQ((std::vector<int>{port.SetCommParms(12345, 'N', 8, 1), port.SetCommParms(9600, 'N', 9, 1),
                                port.SetCommParms("9600,n,8,1.5"), port.SetCommParms(9600, 'N', 8, 1)}),
              (std::vector<int>{0, 0, 0, 1}));
    ExpectLine(B9600, 0);

    ASSERT_EQ(port.SetCommParms("xon=on octs=on"), 1);
    ExpectLine(B9600, CRTSCTS, true);
    ASSERT_EQ(port.SetCommParms("xon=off octs=off"), 1);
    ExpectLine(B9600, 0);

    // The Windows rates without a termios constant go to the device as other
    // speeds (BOTHER); the standard ones after them clear that again.
    for (unsigned rate : {14400u, 9600u, 56000u, 128000u, 115200u, 256000u, 19200u}) {
        ASSERT_EQ(port.SetCommParms(static_cast<int>(rate), 'N', 8, 1), 1) << rate;
        EXPECT_EQ(LineSpeeds(m_slave), std::make_pair(rate, rate)) << rate;
    }
}

TEST_F(CommPortTest, ReadsEndOnCountIntervalOrTotal)
{
    CCommPort port(m_path.c_str());
    ASSERT_EQ(port.Open(0), 1);
    ASSERT_EQ(port.SetTimeOut(5), 1);  // 50 ms
    char buf[256];

    auto start = Clock::now();
    EXPECT_EQ(port.Read(buf, 3, 0), 0);  // nothing: the total, (3 + 1) x 50 ms
    EXPECT_GE(MsSince(start), 190);

    // The interval after the last byte ends a read long before its total of
    // 201 x 50 ms: bytes sent after the watchdog's grace are not in it.
    ToPort("ab");
    EXPECT_EQ(WithoutWaiting([&] { return port.Read(buf, 200, 0); }, [&] { ToPort("late"); }), 2);
    EXPECT_EQ(std::string(buf, 2), "ab");

    ToPort("0123456789");
    EXPECT_EQ((std::vector<int>{port.Read(reinterpret_cast<unsigned char*>(buf), 4, 0), port.Read(buf, 16, 0),
                                port.Read(buf, 0, 0), port.Read(buf, -1, 0), port.SetTimeOut(-1)}),
              (std::vector<int>{4, 6, 0, -1, 0}));
}

TEST_F(CommPortTest, WritesHeldBackByFlowControlTimeOut)
{
    CCommPort port(m_path.c_str(), "baud=9600 xon=on");
    ASSERT_EQ(port.Open(0), 1);
    EXPECT_EQ((std::vector<int>{port.GetWriteTimeOut(), port.SetWriteTimeOut(0), port.SetWriteTimeOut(10)}),
              (std::vector<int>{CCommPort::kWriteTimeOut, 0, 1}));  // a write always has a limit
    ToPort("\x13");                                                 // XOFF: the device takes nothing until XON
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    auto start = Clock::now();
    EXPECT_EQ(port.Write("held", 4, 0), 0);
    EXPECT_GE(MsSince(start), 90);
    ToPort("\x11");
    EXPECT_EQ(port.Write("go", 2, 0), 2);
    EXPECT_EQ(FromPort(2), "go");
}

// XON and XOFF are data too: they neither vanish nor stop output.
TEST_F(CommPortTest, EveryByteValuePassesAndAClosedPortRefusesEverything)
{
    CCommPort port(m_path.c_str(), 115200, 'N', 8, 1);
    char buf[8];
    EXPECT_EQ((std::vector<int>{port.Read(buf, 4, 0), port.Write("x", 1, 0), port.WriteString("", 0),
                                port.SetTimeOut(10), port.FlushBuffers(), port.Close()}),
              (std::vector<int>{-1, -1, -1, 0, 0, 1}));
    CCommPort second(m_path.c_str());
    // Opened, already open, held by the first.
    ASSERT_EQ((std::vector<int>{port.Open(0), port.Open(0), second.Open(0)}), (std::vector<int>{1, 0, 0}));
    EXPECT_EQ((std::vector<int>{port.WriteString("", 0), port.WriteString(nullptr, 0), port.WriteString("AT\r\n", 0)}),
              (std::vector<int>{0, -1, 4}));
    EXPECT_EQ(FromPort(4), "AT\r\n");
    std::string all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    ToPort(all);
    std::string got(all.size(), '\0');
    ASSERT_EQ(port.Read(got.data(), 256, 0), 256);
    EXPECT_EQ(got, all);
    ASSERT_EQ(port.Write(all.data(), 256, 0), 256);
    EXPECT_EQ(FromPort(256), all);

    ToPort("stale");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ((std::vector<int>{port.FlushBuffers(), port.SetTimeOut(2), port.Read(buf, 5, 0)}),
              (std::vector<int>{1, 1, 0}));  // the unread input is gone

    // Close wakes a thread that waits in Read for ever (time-out 0).
    ASSERT_EQ(port.SetTimeOut(0), 1);
    auto blocked = std::async(std::launch::async, [&] { return port.Read(got.data(), 8, 0); });
    EXPECT_EQ(blocked.wait_for(std::chrono::milliseconds(100)), std::future_status::timeout);  // still waiting
    EXPECT_EQ(port.Close(), 1);
    EXPECT_EQ(blocked.get(), -1);
    EXPECT_EQ(second.Open(0), 1);

    // Only terminals are opened.
    TempDir dir;
    dir.write("notatty", "");
    EXPECT_EQ(CCommPort(dir.path("notatty").c_str()).Open(0) + CCommPort(dir.path("missing").c_str()).Open(0), 0);
}
