// CCommPort: a serial port (a terminal device driven through termios) with
// separate read and write operations, line settings and a read time-out.
// No member throws.
//
// Device names
//   "COM<n>" (any case, n >= 1) is /dev/ttyS<n-1>. Any other name is a device
//   path used as given (for example /dev/ttyUSB0 or /dev/serial/by-id/...).
//   The result must fit 39 characters; a longer path is not cut short but
//   left empty, and Open then fails.
//
// Open
//   Opens the existing device for reading and writing (never creating it),
//   not as the controlling terminal. Only terminal devices are accepted. The
//   port is held exclusively: an advisory lock (flock) keeps out every other
//   user of this class, and the terminal's exclusive mode (TIOCEXCL) keeps
//   out other programs that are not run by root; Close gives both up.
//   The line is made raw, as a serial port is: no echo, no line editing, no
//   signals from the data, no translation of CR, LF or case, so every byte
//   value 0 to 255 passes both ways; the receiver is enabled and modem-status
//   lines do not hang the port up (CLOCAL). Flow control is set as stored
//   (off unless a mode text asked for it, see below), whatever the device had:
//   without it XON and XOFF are data and never stop the output. Baud rate,
//   data bits, parity and stop bits are left as the device has them, then the
//   stored line settings are applied (unless the baud rate is 0), the read
//   time-out is set to 500 (5 s) and both buffers are discarded.
//
// Line settings
//   Parity codes 0 none, 1 odd, 2 even, 3 mark, 4 space; stop-bit codes 0 one,
//   1 one and a half (only with 5 data bits, where the UART gives 1.5 for
//   its two-stop-bit setting), 2 two. Data bits 5 to 8. Applying needs an open
//   port and a baud rate other than 0, and changes only these four settings
//   (and the flow control). Baud rates: those with a termios speed constant
//   (50 to 4000000) and the Windows standard rates 14400, 56000, 128000 and
//   256000, which are set by number (termios2); a device that refuses such a
//   rate or cannot come within 2 % of it fails the setting. Any other rate
//   fails. There is no abort-on-error flag on this platform.
//
// Flow control
//   Off unless asked for by a mode text: xon=on selects XON/XOFF both ways
//   (IXON, IXOFF); octs=on or rts=hs selects RTS/CTS handshake (CRTSCTS, which
//   on Linux covers both directions); xon=off, octs=off and rts=on/off/tg
//   turn their part off again. dtr=, odsr=, idsr= and to= are accepted and
//   ignored. The setting is kept and applied with the line settings, even
//   with baud rate 0.
//
// Time-outs (SetTimeOut, in tens of milliseconds, t)
//   A Read of n bytes returns when n bytes have arrived, when t x 10 ms pass
//   after a byte without a further byte, or when (n + 1) x t x 10 ms have
//   passed in all; it returns the bytes it has, possibly 0. t = 0 means no
//   time-outs: a Read waits until n bytes have arrived.
//   A Write returns when all bytes are handed to the device, or when the
//   device has taken no byte for the write time-out (SetWriteTimeOut, in tens
//   of milliseconds, kWriteTimeOut = 5 s until set; never unlimited, so a
//   peer that holds the output back by flow control cannot hang the caller);
//   it then returns the number of bytes handed over, possibly 0.
//
// Threads
//   One thread may Read while another Writes. Close may be called from any
//   thread: it wakes a Read or Write that is waiting (which returns the bytes
//   it has already moved, or -1 when none), waits until they have left, and
//   only then closes the device, so that a woken thread never touches a
//   reused descriptor.
#pragma once

#include <kxsupport/Export.h>

#include <condition_variable>
#include <cstdint>
#include <mutex>

class KXSUPPORT_API CCommPort {
public:
    enum Parity : int32_t {
        parityNone = 0,
        parityOdd = 1,
        parityEven = 2,
        parityMark = 3,
        paritySpace = 4
    };
    enum StopBits : int32_t {
        stopOne = 0,
        stopOneAndHalf = 1,
        stopTwo = 2
    };
    // Flow control, as bits (see Flow control above).
    enum FlowControl : int32_t {
        flowNone = 0,
        flowXonXoff = 1,
        flowOutCts = 2,
        flowRtsHandshake = 4
    };

    static constexpr int kMaxDeviceName = 39;
    static constexpr int kOpenTimeOut = 500;
    static constexpr int kWriteTimeOut = 500;  // default write time-out, tens of ms

    // Baud rate 0: the device's line settings are left as they are. Until
    // other settings are given, the stored ones are 8 data bits, no parity,
    // one stop bit.
    explicit CCommPort(const char* device);
    // Stores the line settings as SetCommParms(baud, parity, dataBits, stopBits).
    CCommPort(const char* device, int baudRate, char parity, int dataBits, int stopBits);
    // Stores the line settings as SetCommParms(mode).
    CCommPort(const char* device, const char* mode);
    // A copy has the same name and settings and, when the source is open, a
    // duplicated descriptor for the same device; each object closes its own.
    CCommPort(const CCommPort& other);
    CCommPort& operator=(const CCommPort& other);
    ~CCommPort();

    // 1 on success, 0 on failure (the port stays closed). An open port is not
    // opened again (0).
    int Open(int ignored = 0);
    // 1 when not open; otherwise the result of closing the device.
    int Close();

    // Stores baud rate and data bits; the parity letter 'N', 'O', 'E', 'M' or
    // 'S' (capitals only) sets the parity, any other letter leaves it; stop
    // bits 1 or 2 set them, any other value leaves them. Then applies: 1 when
    // applied or when there is nothing to apply (closed port, baud rate 0),
    // 0 when the device refuses the settings.
    int SetCommParms(int baudRate, char parity, int dataBits, int stopBits);
    // Parses a mode text and applies it; nothing changes and the result is 0
    // when the text is not valid. Accepted, with an optional leading "COMn:":
    //   short form   "9600,n,8,1"  (baud[,parity[,data[,stop[,retry]]]])
    //   keyword form "baud=9600 parity=N data=8 stop=1" (keys in any order and
    //                case; xon=, octs= and rts= set the flow control, see
    //                above; to=, odsr=, dtr=, idsr= are accepted and ignored)
    // Parity letters in any case; stop 1, 1.5 or 2; two-digit baud rates are
    // the mode command's abbreviations (11 = 110, 15, 30, 60, 12, 24, 48,
    // 96 = 9600, 19 = 19200). Fields left out keep their values, except that
    // 110 baud without a stop field selects two stop bits.
    int SetCommParms(const char* mode);
    // Applies the stored settings.
    int SetCommParms();

    // Number of bytes read (0 after a time-out), or -1 when not open or on
    // failure.
    int Read(char* buffer, int count, int ignored = 0);
    int Read(unsigned char* buffer, int count, int ignored = 0);
    // Number of bytes written, or -1 when not open or on failure.
    int Write(const char* buffer, int count, int ignored = 0);
    int Write(const unsigned char* buffer, int count, int ignored = 0);
    // Writes the text without its NUL: Write's result (0 for an empty text on
    // an open port), -1 for a null text.
    int WriteString(const char* text, int passedOn = 0);

    // Read time-outs in tens of milliseconds (see above). 0 when not open or
    // for a negative value.
    int SetTimeOut(int tensOfMs);
    // Write time-out in tens of milliseconds (see above), kept across Open and
    // Close. 0 for a value below 1: a write always has a limit.
    int SetWriteTimeOut(int tensOfMs);
    // Discards unread input and unsent output. 0 when not open.
    int FlushBuffers();

    const char* GetDeviceName() const { return m_szDevice; }
    int GetBaudRate() const { return m_nBaudRate; }
    int GetDataBits() const { return m_nDataBits; }
    int GetParity() const { return m_nParity; }
    int GetStopBits() const { return m_nStopBits; }
    int GetFlowControl() const { return m_nFlow; }
    int GetTimeOut() const { return m_nTimeOut; }
    int GetWriteTimeOut() const { return m_nWriteTimeOut; }
    bool IsOpen() const;

private:
    class Use;
    void SetName(const char* device);
    int Apply();
    int ReadBytes(void* buffer, int count);
    int WriteBytes(const void* buffer, int count);
    void CopySettings(const CCommPort& other);

    char m_szDevice[40];  // device path, see above
    int32_t m_nBaudRate;  // 0 = leave the device's line settings
    int32_t m_nDataBits;
    int32_t m_nParity;    // Parity
    int32_t m_nStopBits;  // StopBits
    int32_t m_nFlow;      // FlowControl bits
    int m_hDevice;        // descriptor, -1 while closed
    int m_hWake;          // eventfd signalled by Close (stands for the two events)

    int32_t m_nTimeOut;          // read time-out in tens of ms
    int32_t m_nWriteTimeOut;     // write time-out in tens of ms, at least 1
    mutable std::mutex m_mutex;  // guards m_hDevice, m_bClosing, m_nUsers
    std::condition_variable m_usersLeft;
    bool m_bClosing;
    int m_nUsers;  // Read/Write calls inside
};
