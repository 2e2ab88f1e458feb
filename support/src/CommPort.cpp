#include <kxsupport/CommPort.h>

#include "Sys.h"

#include <fcntl.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace kxsupport_detail;

namespace {

// Rates of the Windows standard set that have no termios constant are set as
// other speeds (termios2, BOTHER).
constexpr speed_t kOtherSpeed = static_cast<speed_t>(-1);

struct BaudEntry {
    int rate;
    speed_t speed;  // kOtherSpeed: set by number
};

const BaudEntry kBaudRates[] = {
    {14400, kOtherSpeed},
    {56000, kOtherSpeed},
    {128000, kOtherSpeed},
    {256000, kOtherSpeed},
    {50, B50},
    {75, B75},
    {110, B110},
    {134, B134},
    {150, B150},
    {200, B200},
    {300, B300},
    {600, B600},
    {1200, B1200},
    {1800, B1800},
    {2400, B2400},
    {4800, B4800},
    {9600, B9600},
    {19200, B19200},
    {38400, B38400},
#ifdef B57600
    {57600, B57600},
#endif
#ifdef B115200
    {115200, B115200},
#endif
#ifdef B230400
    {230400, B230400},
#endif
#ifdef B460800
    {460800, B460800},
#endif
#ifdef B500000
    {500000, B500000},
#endif
#ifdef B576000
    {576000, B576000},
#endif
#ifdef B921600
    {921600, B921600},
#endif
#ifdef B1000000
    {1000000, B1000000},
#endif
#ifdef B1152000
    {1152000, B1152000},
#endif
#ifdef B1500000
    {1500000, B1500000},
#endif
#ifdef B2000000
    {2000000, B2000000},
#endif
#ifdef B2500000
    {2500000, B2500000},
#endif
#ifdef B3000000
    {3000000, B3000000},
#endif
#ifdef B3500000
    {3500000, B3500000},
#endif
#ifdef B4000000
    {4000000, B4000000},
#endif
};

bool SpeedOf(int rate, speed_t& speed)
{
    for (const BaudEntry& e : kBaudRates) {
        if (e.rate == rate) {
            speed = e.speed;
            return true;
        }
    }
    return false;
}

struct LineSettings {
    int baud;
    int data;
    int parity;
    int stop;
    int flow;
};

// Sets or clears `bits` in `flow` by an on/off keyword value.
bool ParseSwitch(const std::string& value, int bits, int& flow)
{
    if (value == "on")
        flow |= bits;
    else if (value == "off")
        flow &= ~bits;
    else
        return false;
    return true;
}

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return std::string();
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

bool AllDigits(const std::string& s)
{
    return !s.empty() && s.size() <= 9 && s.find_first_not_of("0123456789") == std::string::npos;
}

// A baud field: decimal, with the mode command's two-digit abbreviations.
bool ParseBaud(const std::string& field, int& baud)
{
    if (!AllDigits(field))
        return false;
    static const struct {
        const char* text;
        int rate;
    } kAbbreviations[] = {{"11", 110},  {"15", 150},  {"30", 300},  {"60", 600},  {"12", 1200},
                          {"24", 2400}, {"48", 4800}, {"96", 9600}, {"19", 19200}};
    for (const auto& a : kAbbreviations) {
        if (field == a.text) {
            baud = a.rate;
            return true;
        }
    }
    baud = std::stoi(field);
    return baud > 0;
}

bool ParseParity(const std::string& field, int& parity)
{
    if (field.size() != 1)
        return false;
    switch (std::tolower(static_cast<unsigned char>(field[0]))) {
    case 'n':
        parity = CCommPort::parityNone;
        return true;
    case 'o':
        parity = CCommPort::parityOdd;
        return true;
    case 'e':
        parity = CCommPort::parityEven;
        return true;
    case 'm':
        parity = CCommPort::parityMark;
        return true;
    case 's':
        parity = CCommPort::paritySpace;
        return true;
    default:
        return false;
    }
}

bool ParseData(const std::string& field, int& data)
{
    if (field.size() != 1 || field[0] < '5' || field[0] > '8')
        return false;
    data = field[0] - '0';
    return true;
}

bool ParseStop(const std::string& field, int& stop)
{
    if (field == "1")
        stop = CCommPort::stopOne;
    else if (field == "1.5")
        stop = CCommPort::stopOneAndHalf;
    else if (field == "2")
        stop = CCommPort::stopTwo;
    else
        return false;
    return true;
}

bool OneOf(const std::string& value, std::initializer_list<const char*> allowed)
{
    for (const char* a : allowed)
        if (value == a)
            return true;
    return false;
}

// Parses a mode text into `s` (fields not given keep their values). False,
// with `s` untouched, when the text is not valid.
bool ParseMode(const char* text, LineSettings& s)
{
    std::string t = Trim(text);
    // An optional device prefix "COMn" or "COMn:".
    if (t.size() > 3 && Lower(t.substr(0, 3)) == "com" && std::isdigit(static_cast<unsigned char>(t[3]))) {
        size_t i = 3;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])))
            ++i;
        if (i < t.size() && t[i] == ':')
            ++i;
        t = Trim(t.substr(i));
    }
    if (t.empty())
        return false;

    LineSettings r = s;
    bool stopGiven = false;
    if (t.find('=') != std::string::npos) {
        size_t pos = 0;
        while (pos < t.size()) {
            size_t end = t.find_first_of(" \t", pos);
            std::string token = t.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
            pos = end == std::string::npos ? t.size() : t.find_first_not_of(" \t", end);
            if (pos == std::string::npos)
                pos = t.size();
            size_t eq = token.find('=');
            if (eq == std::string::npos)
                return false;
            std::string key = Lower(token.substr(0, eq));
            std::string value = token.substr(eq + 1);
            std::string lowered = Lower(value);
            bool ok;
            if (key == "baud")
                ok = ParseBaud(value, r.baud);
            else if (key == "parity")
                ok = ParseParity(value, r.parity);
            else if (key == "data")
                ok = ParseData(value, r.data);
            else if (key == "stop")
                ok = stopGiven = ParseStop(value, r.stop);
            else if (key == "xon")
                ok = ParseSwitch(lowered, CCommPort::flowXonXoff, r.flow);
            else if (key == "octs")
                ok = ParseSwitch(lowered, CCommPort::flowOutCts, r.flow);
            else if (key == "rts")
                ok = OneOf(lowered, {"on", "off", "hs", "tg"}) &&
                     ParseSwitch(lowered == "hs" ? "on" : "off", CCommPort::flowRtsHandshake, r.flow);  // hs: handshake
            else if (key == "to" || key == "odsr" || key == "idsr")
                ok = OneOf(lowered, {"on", "off"});
            else if (key == "dtr")
                ok = OneOf(lowered, {"on", "off", "hs"});
            else
                ok = false;
            if (!ok)
                return false;
        }
    } else {
        std::vector<std::string> fields;
        size_t pos = 0;
        for (;;) {
            size_t comma = t.find(',', pos);
            fields.push_back(Trim(t.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos)));
            if (comma == std::string::npos)
                break;
            pos = comma + 1;
        }
        if (fields.size() > 5 || !ParseBaud(fields[0], r.baud))
            return false;
        if (fields.size() > 1 && !fields[1].empty() && !ParseParity(fields[1], r.parity))
            return false;
        if (fields.size() > 2 && !fields[2].empty() && !ParseData(fields[2], r.data))
            return false;
        if (fields.size() > 3 && !fields[3].empty()) {
            if (!ParseStop(fields[3], r.stop))
                return false;
            stopGiven = true;
        }
        if (fields.size() > 4 && !fields[4].empty() && !OneOf(Lower(fields[4]), {"e", "b", "p", "r", "n"}))
            return false;
    }
    if (r.baud == 110 && !stopGiven)
        r.stop = CCommPort::stopTwo;
    s = r;
    return true;
}

int NewWake()
{
    return ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

}  // namespace

// Admits one Read or Write while the port is open and not closing, and tells
// Close when it has left.
class CCommPort::Use {
public:
    explicit Use(CCommPort& port) : m_port(port)
    {
        std::lock_guard<std::mutex> lock(port.m_mutex);
        if (port.m_hDevice >= 0 && !port.m_bClosing) {
            fd = port.m_hDevice;
            timeOut = port.m_nTimeOut;
            writeTimeOut = port.m_nWriteTimeOut;
            ++port.m_nUsers;
        }
    }
    ~Use()
    {
        if (fd >= 0) {
            std::lock_guard<std::mutex> lock(m_port.m_mutex);
            --m_port.m_nUsers;
            m_port.m_usersLeft.notify_all();
        }
    }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

    int fd = -1;
    int timeOut = 0;
    int writeTimeOut = 0;

private:
    CCommPort& m_port;
};

CCommPort::CCommPort(const char* device)
    : m_szDevice{},
      m_nBaudRate(0),
      m_nDataBits(8),
      m_nParity(parityNone),
      m_nStopBits(stopOne),
      m_nFlow(flowNone),
      m_hDevice(-1),
      m_hWake(NewWake()),
      m_nTimeOut(0),
      m_nWriteTimeOut(kWriteTimeOut),
      m_bClosing(false),
      m_nUsers(0)
{
    SetName(device);
}

CCommPort::CCommPort(const char* device, int baudRate, char parity, int dataBits, int stopBits) : CCommPort(device)
{
    SetCommParms(baudRate, parity, dataBits, stopBits);
}

CCommPort::CCommPort(const char* device, const char* mode) : CCommPort(device)
{
    SetCommParms(mode);
}

CCommPort::CCommPort(const CCommPort& other) : CCommPort(static_cast<const char*>(nullptr))
{
    CopySettings(other);
}

CCommPort& CCommPort::operator=(const CCommPort& other)
{
    if (this != &other) {
        Close();
        CopySettings(other);
    }
    return *this;
}

CCommPort::~CCommPort()
{
    Close();
    if (m_hWake >= 0)
        ::close(m_hWake);
}

void CCommPort::CopySettings(const CCommPort& other)
{
    std::memcpy(m_szDevice, other.m_szDevice, sizeof m_szDevice);
    m_nBaudRate = other.m_nBaudRate;
    m_nDataBits = other.m_nDataBits;
    m_nParity = other.m_nParity;
    m_nStopBits = other.m_nStopBits;
    m_nFlow = other.m_nFlow;
    m_nTimeOut = other.m_nTimeOut;
    m_nWriteTimeOut = other.m_nWriteTimeOut;
    int fd;
    {
        std::lock_guard<std::mutex> lock(other.m_mutex);
        fd = other.m_hDevice >= 0 && !other.m_bClosing ? ::fcntl(other.m_hDevice, F_DUPFD_CLOEXEC, 3) : -1;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_hDevice = fd;
}

void CCommPort::SetName(const char* device)
{
    m_szDevice[0] = '\0';
    if (!device)
        return;
    size_t n = std::strlen(device);
    if (n > 3 && n <= 12 && std::tolower(static_cast<unsigned char>(device[0])) == 'c' &&
        std::tolower(static_cast<unsigned char>(device[1])) == 'o' &&
        std::tolower(static_cast<unsigned char>(device[2])) == 'm' && std::strspn(device + 3, "0123456789") == n - 3) {
        long number = std::strtol(device + 3, nullptr, 10);
        if (number >= 1) {
            std::snprintf(m_szDevice, sizeof m_szDevice, "/dev/ttyS%ld", number - 1);
            return;
        }
    }
    if (n <= static_cast<size_t>(kMaxDeviceName))
        std::memcpy(m_szDevice, device, n + 1);
}

bool CCommPort::IsOpen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_hDevice >= 0;
}

int CCommPort::Open(int /*ignored*/)
{
    int fd;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_hDevice >= 0 || m_szDevice[0] == '\0' || m_hWake < 0)
            return 0;
        fd = ::open(m_szDevice, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return 0;
        termios tio;
        bool ok = ::isatty(fd) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::tcgetattr(fd, &tio) == 0;
        if (ok) {
            ::ioctl(fd, TIOCEXCL);
            // Raw bytes, as a serial port delivers them: every byte value
            // passes both ways. Speed, character size, parity and stop bits
            // stay as they are; Apply sets the flow control.
            tcflag_t translations = IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL;
#ifdef IUCLC
            translations |= IUCLC;
#endif
            tio.c_iflag &= ~translations;
            tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
            tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHOE | ECHOK | ECHONL | ICANON | ISIG | IEXTEN);
            tio.c_cflag |= CREAD | CLOCAL;
            tio.c_cc[VMIN] = 0;
            tio.c_cc[VTIME] = 0;
            ok = ::tcsetattr(fd, TCSANOW, &tio) == 0;
        }
        if (!ok) {
            ::ioctl(fd, TIOCNXCL);
            ::close(fd);
            return 0;
        }
        ClearWake(m_hWake);
        m_hDevice = fd;
    }
    // Settings the device refuses would leave the line at a speed or format
    // the caller did not ask for: that is a failed Open, not a success.
    if (!Apply()) {
        Close();
        return 0;
    }
    SetTimeOut(kOpenTimeOut);
    FlushBuffers();
    return 1;
}

int CCommPort::Close()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_hDevice < 0)
        return 1;
    if (m_bClosing) {
        // Another thread is closing: wait until it is done.
        m_usersLeft.wait(lock, [this] { return m_hDevice < 0; });
        return 1;
    }
    m_bClosing = true;
    SignalWake(m_hWake);
    m_usersLeft.wait(lock, [this] { return m_nUsers == 0; });
    ::ioctl(m_hDevice, TIOCNXCL);
    int r = ::close(m_hDevice);
    m_hDevice = -1;
    m_bClosing = false;
    ClearWake(m_hWake);
    m_usersLeft.notify_all();
    return r == 0 ? 1 : 0;
}

int CCommPort::SetCommParms(int baudRate, char parity, int dataBits, int stopBits)
{
    m_nBaudRate = baudRate;
    m_nDataBits = dataBits;
    switch (parity) {
    case 'N':
        m_nParity = parityNone;
        break;
    case 'O':
        m_nParity = parityOdd;
        break;
    case 'E':
        m_nParity = parityEven;
        break;
    case 'M':
        m_nParity = parityMark;
        break;
    case 'S':
        m_nParity = paritySpace;
        break;
    default:
        break;  // any other letter, lower case included, leaves it
    }
    if (stopBits == 1)
        m_nStopBits = stopOne;
    else if (stopBits == 2)
        m_nStopBits = stopTwo;
    return Apply();
}

int CCommPort::SetCommParms(const char* mode)
{
    if (!mode)
        return 0;
    LineSettings s = {m_nBaudRate, m_nDataBits, m_nParity, m_nStopBits, m_nFlow};
    if (!ParseMode(mode, s))
        return 0;
    m_nBaudRate = s.baud;
    m_nDataBits = s.data;
    m_nParity = s.parity;
    m_nStopBits = s.stop;
    m_nFlow = s.flow;
    return Apply();
}

int CCommPort::SetCommParms()
{
    return Apply();
}

int CCommPort::Apply()
{
    Use use(*this);
    if (use.fd < 0)
        return 1;  // nothing to apply
    termios tio;
    if (::tcgetattr(use.fd, &tio) != 0)
        return 0;
    // Flow control is the caller's alone: off unless asked for, whatever the
    // device had, so that XON and XOFF are data and nothing stops the output.
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
    if (m_nFlow & flowXonXoff)
        tio.c_iflag |= IXON | IXOFF;
    if (m_nFlow & (flowOutCts | flowRtsHandshake))
        tio.c_cflag |= CRTSCTS;
    if (m_nBaudRate == 0)
        return ::tcsetattr(use.fd, TCSANOW, &tio) == 0 ? 1 : 0;

    speed_t speed;
    if (!SpeedOf(m_nBaudRate, speed))
        return 0;
#ifdef CIBAUD
    tio.c_cflag &= ~static_cast<tcflag_t>(CIBAUD);  // input speed follows the output speed
#endif
    if (speed != kOtherSpeed && (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0))
        return 0;

    tcflag_t size;
    switch (m_nDataBits) {
    case 5:
        size = CS5;
        break;
    case 6:
        size = CS6;
        break;
    case 7:
        size = CS7;
        break;
    case 8:
        size = CS8;
        break;
    default:
        return 0;
    }
    tio.c_cflag = (tio.c_cflag & ~static_cast<tcflag_t>(CSIZE)) | size;

    tcflag_t parityBits = PARENB | PARODD;
#ifdef CMSPAR
    parityBits |= CMSPAR;
#endif
    tio.c_cflag &= ~parityBits;
    switch (m_nParity) {
    case parityNone:
        break;
    case parityOdd:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case parityEven:
        tio.c_cflag |= PARENB;
        break;
#ifdef CMSPAR
    case parityMark:
        tio.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case paritySpace:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
#endif
    default:
        return 0;
    }

    switch (m_nStopBits) {
    case stopOne:
        tio.c_cflag &= ~static_cast<tcflag_t>(CSTOPB);
        break;
    case stopTwo:
        tio.c_cflag |= CSTOPB;
        break;
    case stopOneAndHalf:
        if (m_nDataBits != 5)
            return 0;
        tio.c_cflag |= CSTOPB;
        break;
    default:
        return 0;
    }
    if (::tcsetattr(use.fd, TCSANOW, &tio) != 0)
        return 0;
    // An other speed goes in afterwards: tcsetattr keeps the device's speed.
    return speed != kOtherSpeed || SetOtherSpeed(use.fd, static_cast<unsigned>(m_nBaudRate)) ? 1 : 0;
}

int CCommPort::SetTimeOut(int tensOfMs)
{
    if (tensOfMs < 0 || !IsOpen())
        return 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nTimeOut = tensOfMs;
    return 1;
}

int CCommPort::SetWriteTimeOut(int tensOfMs)
{
    if (tensOfMs < 1)
        return 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_nWriteTimeOut = tensOfMs;
    return 1;
}

int CCommPort::FlushBuffers()
{
    Use use(*this);
    if (use.fd < 0)
        return 0;
    return ::tcflush(use.fd, TCIOFLUSH) == 0 ? 1 : 0;
}

int CCommPort::ReadBytes(void* buffer, int count)
{
    if (count < 0 || (!buffer && count > 0))
        return -1;
    Use use(*this);
    if (use.fd < 0)
        return -1;
    if (count == 0)
        return 0;
    char* p = static_cast<char*>(buffer);
    // Interval, per-byte and constant time-outs are all t x 10 ms.
    const int64_t step = static_cast<int64_t>(use.timeOut) * 10;
    const int64_t total = step > 0 ? NowMs() + step * count + step : -1;
    int got = 0;
    int64_t lastByte = 0;
    for (;;) {
        ssize_t n = ::read(use.fd, p + got, static_cast<size_t>(count - got));
        if (n > 0) {
            got += static_cast<int>(n);
            if (got == count)
                return got;
            lastByte = NowMs();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return got > 0 ? got : -1;

        int64_t wait = -1;
        if (step > 0) {
            int64_t deadline = total;
            if (got > 0 && lastByte + step < deadline)
                deadline = lastByte + step;
            wait = deadline - NowMs();
            if (wait <= 0)
                return got;
        }
        pollfd fds[2] = {{use.fd, POLLIN, 0}, {m_hWake, POLLIN, 0}};
        if (PollFor(fds, 2, wait) < 0 || (fds[1].revents & POLLIN))
            return got > 0 ? got : -1;  // failed, or woken by Close
        if ((fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) && !(fds[0].revents & POLLIN))
            return got > 0 ? got : -1;  // the device has gone
    }
}

int CCommPort::WriteBytes(const void* buffer, int count)
{
    if (count < 0 || (!buffer && count > 0))
        return -1;
    Use use(*this);
    if (use.fd < 0)
        return -1;
    const char* p = static_cast<const char*>(buffer);
    // The device must take a byte at least every write time-out (flow control
    // may hold it back); otherwise the Write ends with what it has moved.
    const int64_t stall = static_cast<int64_t>(use.writeTimeOut) * 10;
    int64_t lastByte = NowMs();
    int put = 0;
    while (put < count) {
        ssize_t n = ::write(use.fd, p + put, static_cast<size_t>(count - put));
        if (n > 0) {
            put += static_cast<int>(n);
            lastByte = NowMs();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return put > 0 ? put : -1;
        const int64_t wait = lastByte + stall - NowMs();
        if (wait <= 0)
            return put;
        pollfd fds[2] = {{use.fd, POLLOUT, 0}, {m_hWake, POLLIN, 0}};
        if (PollFor(fds, 2, wait) < 0 || (fds[1].revents & POLLIN))
            return put > 0 ? put : -1;
        if ((fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) && !(fds[0].revents & POLLOUT))
            return put > 0 ? put : -1;
    }
    return put;
}

int CCommPort::Read(char* buffer, int count, int /*ignored*/)
{
    return ReadBytes(buffer, count);
}

int CCommPort::Read(unsigned char* buffer, int count, int /*ignored*/)
{
    return ReadBytes(buffer, count);
}

int CCommPort::Write(const char* buffer, int count, int /*ignored*/)
{
    return WriteBytes(buffer, count);
}

int CCommPort::Write(const unsigned char* buffer, int count, int /*ignored*/)
{
    return WriteBytes(buffer, count);
}

int CCommPort::WriteString(const char* text, int passedOn)
{
    if (!text)
        return -1;
    return Write(text, static_cast<int>(std::strlen(text)), passedOn);
}
