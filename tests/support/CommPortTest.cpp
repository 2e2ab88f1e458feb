// CCommPort on a pseudo-terminal pair: the port opens the slave by its path,
// the test plays the device on the master side.
#include <kxsupport/CommPort.h>

#include "SupportTestUtil.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

using kxtest::MsSince;
using Clock = std::chrono::steady_clock;

namespace {

class CommPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[128];
        ASSERT_EQ(::openpty(&m_master, &m_slave, name, nullptr, nullptr), 0);
        m_path = name;
    }
    void TearDown() override
    {
        ::close(m_master);
        ::close(m_slave);
    }

    termios Settings()
    {
        termios tio{};
        EXPECT_EQ(::tcgetattr(m_slave, &tio), 0);
        return tio;
    }

    // What the device (master side) has received, waiting up to 1 s for `n` bytes.
    std::string FromPort(size_t n)
    {
        std::string got;
        auto start = Clock::now();
        while (got.size() < n && MsSince(start) < 1000) {
            pollfd p = {m_master, POLLIN, 0};
            if (::poll(&p, 1, 50) > 0) {
                char buf[256];
                ssize_t r = ::read(m_master, buf, sizeof buf);
                if (r > 0)
                    got.append(buf, static_cast<size_t>(r));
            }
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
    EXPECT_STREQ(CCommPort("COM1").GetDeviceName(), "/dev/ttyS0");
    EXPECT_STREQ(CCommPort("com12").GetDeviceName(), "/dev/ttyS11");
    EXPECT_STREQ(CCommPort("Com2").GetDeviceName(), "/dev/ttyS1");
    EXPECT_STREQ(CCommPort("COM0").GetDeviceName(), "COM0");
    EXPECT_STREQ(CCommPort("COM1:").GetDeviceName(), "COM1:");
    EXPECT_STREQ(CCommPort("/dev/ttyUSB0").GetDeviceName(), "/dev/ttyUSB0");
    // Too long for the name: left empty rather than cut to another device.
    CCommPort tooLong("/dev/serial/by-id/usb-Vendor_Product_123456-if00-port0");
    EXPECT_STREQ(tooLong.GetDeviceName(), "");
    EXPECT_EQ(tooLong.Open(0), 0);
    EXPECT_EQ(CCommPort(nullptr).Open(0), 0);
}

TEST(CommPortMode, ShortAndKeywordFormsAndTheirErrors)
{
    CCommPort port("COM1");
    ASSERT_EQ(port.SetCommParms("9600,n,8,1"), 1);  // closed: stored only
    EXPECT_EQ(port.GetBaudRate(), 9600);
    EXPECT_EQ(port.GetParity(), CCommPort::parityNone);
    EXPECT_EQ(port.GetDataBits(), 8);
    EXPECT_EQ(port.GetStopBits(), CCommPort::stopOne);

    ASSERT_EQ(port.SetCommParms("baud=19200 parity=e data=7 stop=2"), 1);
    EXPECT_EQ(port.GetBaudRate(), 19200);
    EXPECT_EQ(port.GetParity(), CCommPort::parityEven);
    EXPECT_EQ(port.GetDataBits(), 7);
    EXPECT_EQ(port.GetStopBits(), CCommPort::stopTwo);

    ASSERT_EQ(port.SetCommParms("COM3: 96,M,8,1.5"), 1);  // abbreviation, prefix
    EXPECT_EQ(port.GetBaudRate(), 9600);
    EXPECT_EQ(port.GetParity(), CCommPort::parityMark);
    EXPECT_EQ(port.GetStopBits(), CCommPort::stopOneAndHalf);

    ASSERT_EQ(port.SetCommParms("PARITY=S Baud=4800 xon=on rts=hs"), 1);  // others kept
    EXPECT_EQ(port.GetFlowControl(), CCommPort::flowXonXoff | CCommPort::flowRtsHandshake);
    EXPECT_EQ(port.GetBaudRate(), 4800);
    EXPECT_EQ(port.GetParity(), CCommPort::paritySpace);
    EXPECT_EQ(port.GetDataBits(), 8);

    ASSERT_EQ(port.SetCommParms("110"), 1);
    EXPECT_EQ(port.GetStopBits(), CCommPort::stopTwo);

    for (const char* bad : {"", "   ", "abc", "9600,q,8,1", "9600,n,9,1", "9600,n,8,3", "baud=fast",
                            "baud=9600 speed=1", "baud=9600 dtr=maybe", "9600,n,8,1,p,x", "0", "parity=N baud"}) {
        EXPECT_EQ(port.SetCommParms(bad), 0) << bad;
        EXPECT_EQ(port.GetBaudRate(), 110) << bad;
        EXPECT_EQ(port.GetParity(), CCommPort::paritySpace) << bad;
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
    termios tio = Settings();
    EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B9600));
    EXPECT_TRUE(tio.c_cflag & PARODD);
    EXPECT_TRUE(tio.c_cflag & CSTOPB);
    // A raw line: no echo, no line editing, no CR/LF translation, no flow control.
    EXPECT_FALSE(tio.c_lflag & (ICANON | ECHO | ISIG));
    EXPECT_FALSE(tio.c_oflag & OPOST);
    EXPECT_FALSE(tio.c_iflag & (ICRNL | IXON | IXOFF | IXANY));
    EXPECT_FALSE(tio.c_cflag & CRTSCTS);

    ASSERT_EQ(port.SetCommParms("baud=19200 parity=E data=8 stop=1"), 1);
    tio = Settings();
    EXPECT_EQ(::cfgetispeed(&tio), static_cast<speed_t>(B19200));
    EXPECT_FALSE(tio.c_cflag & PARODD);
    EXPECT_FALSE(tio.c_cflag & CSTOPB);

    ASSERT_EQ(port.SetCommParms(38400, 'M', 8, 2), 1);
    tio = Settings();
    EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B38400));
    EXPECT_TRUE(tio.c_cflag & CMSPAR);
    EXPECT_TRUE(tio.c_cflag & PARODD);
    EXPECT_TRUE(tio.c_cflag & CSTOPB);

    EXPECT_EQ(port.SetCommParms(12345, 'N', 8, 1), 0);  // no such speed
    EXPECT_EQ(port.SetCommParms(9600, 'N', 9, 1), 0);
    EXPECT_EQ(port.SetCommParms("9600,n,8,1.5"), 0);  // 1.5 only with 5 data bits
    EXPECT_EQ(port.SetCommParms(9600, 'N', 8, 1), 1);
    tio = Settings();
    EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B9600));
    EXPECT_FALSE(tio.c_cflag & (PARODD | CMSPAR | CSTOPB));
}

TEST_F(CommPortTest, SettingsTheDeviceRefusesFailTheOpen)
{
    CCommPort port(m_path.c_str(), 12345, 'N', 8, 1);  // no such speed
    EXPECT_EQ(port.Open(0), 0);
    EXPECT_FALSE(port.IsOpen());
    ASSERT_EQ(port.SetCommParms(9600, 'N', 8, 1), 1);
    EXPECT_EQ(port.Open(0), 1);
}

// The Windows rates without a termios constant go to the device as other
// speeds (BOTHER); the standard ones after them clear that again.
TEST_F(CommPortTest, EveryWindowsRateReachesTheDevice)
{
    CCommPort port(m_path.c_str(), 14400, 'N', 8, 1);
    ASSERT_EQ(port.Open(0), 1);
    for (unsigned rate : {14400u, 9600u, 56000u, 128000u, 115200u, 256000u, 19200u}) {
        ASSERT_EQ(port.SetCommParms(static_cast<int>(rate), 'N', 8, 1), 1) << rate;
        EXPECT_EQ(kxtest::LineSpeeds(m_slave), std::make_pair(rate, rate)) << rate;
    }
}

TEST_F(CommPortTest, LowerCaseParityAndOddStopBitsChangeNothing)
{
    CCommPort port(m_path.c_str(), 9600, 'O', 8, 2);
    ASSERT_EQ(port.Open(0), 1);
    ASSERT_EQ(port.SetCommParms(4800, 'e', 8, 3), 1);
    EXPECT_EQ(port.GetParity(), CCommPort::parityOdd);
    EXPECT_EQ(port.GetStopBits(), CCommPort::stopTwo);
    termios tio = Settings();
    EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B4800));
    EXPECT_TRUE(tio.c_cflag & PARODD);
    EXPECT_TRUE(tio.c_cflag & CSTOPB);
}

TEST_F(CommPortTest, NameOnlyPortKeepsTheDevicesOwnSettings)
{
    termios tio = Settings();
    ::cfsetospeed(&tio, B2400);
    ::cfsetispeed(&tio, B2400);
    tio.c_cflag |= PARODD | CSTOPB;
    ASSERT_EQ(::tcsetattr(m_slave, TCSANOW, &tio), 0);

    CCommPort port(m_path.c_str());
    EXPECT_EQ(port.GetBaudRate(), 0);
    ASSERT_EQ(port.Open(0), 1);
    EXPECT_EQ(port.GetTimeOut(), CCommPort::kOpenTimeOut);
    tio = Settings();
    EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B2400));
    EXPECT_TRUE(tio.c_cflag & PARODD);
    EXPECT_TRUE(tio.c_cflag & CSTOPB);
}

TEST_F(CommPortTest, ReadsWithTimeOuts)
{
    CCommPort port(m_path.c_str());
    ASSERT_EQ(port.Open(0), 1);
    ASSERT_EQ(port.SetTimeOut(5), 1);  // 50 ms
    char buf[16];

    auto start = Clock::now();
    EXPECT_EQ(port.Read(buf, 3, 0), 0);  // nothing: (3 + 1) x 50 ms
    int64_t took = MsSince(start);
    EXPECT_GE(took, 190);
    EXPECT_LT(took, 600);

    ToPort("ab");
    start = Clock::now();
    EXPECT_EQ(port.Read(buf, 10, 0), 2);  // the interval ends it, not the total
    EXPECT_LT(MsSince(start), 400);
    EXPECT_EQ(std::string(buf, 2), "ab");

    ToPort("0123456789");
    start = Clock::now();
    EXPECT_EQ(port.Read(reinterpret_cast<unsigned char*>(buf), 4, 0), 4);
    EXPECT_LT(MsSince(start), 150);
    EXPECT_EQ(port.Read(buf, 16, 0), 6);

    EXPECT_EQ(port.Read(buf, 0, 0), 0);
    EXPECT_EQ(port.Read(buf, -1, 0), -1);
    EXPECT_EQ(port.SetTimeOut(-1), 0);
}

TEST_F(CommPortTest, EveryByteValuePassesBothWays)
{
    CCommPort port(m_path.c_str(), 9600, 'N', 8, 1);
    EXPECT_EQ(port.WriteString("", 0), -1);  // closed
    ASSERT_EQ(port.Open(0), 1);
    EXPECT_EQ(port.WriteString("", 0), 0);
    EXPECT_EQ(port.WriteString(nullptr, 0), -1);
    EXPECT_EQ(port.WriteString("AT\r\n", 0), 4);
    EXPECT_EQ(FromPort(4), "AT\r\n");
    // XON and XOFF among them are data: they neither vanish nor stop output.
    std::string all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    ToPort(all);
    std::string got(all.size(), '\0');
    ASSERT_EQ(port.Read(got.data(), 256, 0), 256);
    EXPECT_EQ(got, all);
    ASSERT_EQ(port.Write(all.data(), 256, 0), 256);
    EXPECT_EQ(FromPort(256), all);
}

TEST_F(CommPortTest, FlowControlOnlyOnRequestAndWritesTimeOut)
{
    CCommPort port(m_path.c_str(), "baud=9600 xon=on octs=on");
    ASSERT_EQ(port.Open(0), 1);
    termios tio = Settings();
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), static_cast<tcflag_t>(IXON | IXOFF));
    EXPECT_TRUE(tio.c_cflag & CRTSCTS);
    EXPECT_EQ(port.GetWriteTimeOut(), CCommPort::kWriteTimeOut);
    EXPECT_EQ(port.SetWriteTimeOut(0), 0);  // a write always has a limit
    ASSERT_EQ(port.SetWriteTimeOut(10), 1);
    ToPort("\x13");  // XOFF: the device takes nothing until XON
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    auto start = Clock::now();
    EXPECT_EQ(port.Write("held", 4, 0), 0);
    EXPECT_GE(MsSince(start), 90);
    ToPort("\x11");
    EXPECT_EQ(port.Write("go", 2, 0), 2);
    EXPECT_EQ(FromPort(2), "go");

    ASSERT_EQ(port.SetCommParms("xon=off octs=off"), 1);
    tio = Settings();
    EXPECT_FALSE(tio.c_iflag & (IXON | IXOFF));
    EXPECT_FALSE(tio.c_cflag & CRTSCTS);
}

TEST_F(CommPortTest, OneReaderAndOneWriterAtTheSameTime)
{
    CCommPort port(m_path.c_str(), 115200, 'N', 8, 1);
    ASSERT_EQ(port.Open(0), 1);
    ASSERT_EQ(port.SetTimeOut(0), 1);  // reads wait for every byte
    const std::string in(2000, 'i');
    const std::string out(2000, 'o');
    std::string got(in.size(), '\0');
    std::atomic<int> readCount{-2};
    std::thread reader([&] { readCount = port.Read(got.data(), static_cast<int>(got.size()), 0); });
    std::thread device([&] {
        for (size_t i = 0; i < in.size(); i += 100) {
            ToPort(in.substr(i, 100));
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    EXPECT_EQ(port.Write(out.data(), static_cast<int>(out.size()), 0), 2000);
    EXPECT_EQ(FromPort(out.size()), out);
    device.join();
    reader.join();
    EXPECT_EQ(readCount.load(), 2000);
    EXPECT_EQ(got, in);
}

TEST_F(CommPortTest, CloseWakesAThreadBlockedInRead)
{
    CCommPort port(m_path.c_str());
    ASSERT_EQ(port.Open(0), 1);
    ASSERT_EQ(port.SetTimeOut(0), 1);
    std::atomic<int> result{-2};
    std::thread reader([&] {
        char buf[8];
        result = port.Read(buf, sizeof buf, 0);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(result.load(), -2);  // still waiting
    auto start = Clock::now();
    EXPECT_EQ(port.Close(), 1);
    reader.join();
    EXPECT_LT(MsSince(start), 500);
    EXPECT_EQ(result.load(), -1);
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(CommPortTest, ClosedPortRefusesEverythingAndAnOpenOneIsExclusive)
{
    CCommPort port(m_path.c_str());
    char buf[8];
    EXPECT_EQ(port.Read(buf, 4, 0), -1);
    EXPECT_EQ(port.Write("x", 1, 0), -1);
    EXPECT_EQ(port.SetTimeOut(10), 0);
    EXPECT_EQ(port.FlushBuffers(), 0);
    EXPECT_EQ(port.Close(), 1);

    ASSERT_EQ(port.Open(0), 1);
    EXPECT_EQ(port.Open(0), 0);  // already open
    CCommPort second(m_path.c_str());
    EXPECT_EQ(second.Open(0), 0);  // held by the first

    ToPort("stale");
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_EQ(port.FlushBuffers(), 1);
    ASSERT_EQ(port.SetTimeOut(2), 1);
    EXPECT_EQ(port.Read(buf, 5, 0), 0);  // the unread input is gone

    EXPECT_EQ(port.Close(), 1);
    EXPECT_EQ(port.Read(buf, 4, 0), -1);
    EXPECT_EQ(second.Open(0), 1);
}

TEST_F(CommPortTest, CopiesOwnTheirDescriptor)
{
    CCommPort port(m_path.c_str(), 9600, 'N', 8, 1);
    ASSERT_EQ(port.Open(0), 1);
    {
        CCommPort copy(port);
        EXPECT_TRUE(copy.IsOpen());
        EXPECT_EQ(copy.GetBaudRate(), 9600);
    }
    EXPECT_EQ(port.WriteString("still", 0), 5);
    EXPECT_EQ(FromPort(5), "still");
    CCommPort other("COM1");
    other = port;
    EXPECT_STREQ(other.GetDeviceName(), m_path.c_str());
    EXPECT_EQ(other.Close(), 1);
    EXPECT_EQ(port.WriteString("ok", 0), 2);
}

TEST(CommPortOpen, OnlyTerminalsAreOpened)
{
    kxtest::TempDir dir;
    const std::string file = dir.File("notatty");
    ::close(::open(file.c_str(), O_CREAT | O_WRONLY, 0600));
    EXPECT_EQ(CCommPort(file.c_str()).Open(0), 0);
    EXPECT_EQ(CCommPort(dir.File("missing").c_str()).Open(0), 0);
}
