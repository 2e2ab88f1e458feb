// CDosFile and CLogFile: a named file opened, read, written and positioned
// through a file descriptor, with results 1 (success) and 0 (failure), or -1
// for a position. No member throws.
#pragma once

#include <kxsupport/Export.h>

#include <cstdint>

// A file named at construction. The name is copied; the descriptor is 0 while
// the file is closed. An open file never gets descriptor 0, 1 or 2, so that a
// program that runs with a closed standard stream cannot write console output
// into one of its data files by accident.
class KXSUPPORT_API CDosFile {
public:
    // Open modes, with the numeric values of the old `_lopen` flags so that
    // stored or ported mode values keep their meaning: one access mode plus
    // at most one share mode.
    static constexpr uint32_t modeRead = 0x00;
    static constexpr uint32_t modeWrite = 0x01;
    static constexpr uint32_t modeReadWrite = 0x02;
    // Share modes decide between the opens of this class, in any process, as
    // Windows decides them: an Open fails when another open of the file
    // denies an access this one asks for, or when this one denies an access
    // another open has. Read access is modeRead or modeReadWrite, write
    // access modeWrite or modeReadWrite.
    //   shareExclusive   denies reading and writing;
    //   shareDenyWrite   denies writing;  shareDenyRead  denies reading;
    //   shareDenyNone    denies nothing;
    //   shareCompat      denies nothing, as Windows maps it (FILE_SHARE_READ |
    //                    FILE_SHARE_WRITE).
    // Every open takes part, deny-none and compat included. The modes are
    // kept in shared open-file-description locks on four bytes at the top of
    // the offset range of the file itself (bytes 2^63 - 4 to 2^63 - 1: read
    // access, write access, deny read, deny write); a write-only open holds
    // them through a second, read-only descriptor. They are advisory:
    // programs that open the file by other means are not held off, and a
    // program that locks the whole file counts as denying everything. Two
    // conflicting opens at the very same moment may both fail, never both
    // succeed. A write-only open of a device, or of a file this account may
    // not read, is checked against the others but cannot be seen by them.
    static constexpr uint32_t shareCompat = 0x00;
    static constexpr uint32_t shareExclusive = 0x10;
    static constexpr uint32_t shareDenyWrite = 0x20;
    static constexpr uint32_t shareDenyRead = 0x30;
    static constexpr uint32_t shareDenyNone = 0x40;

    explicit CDosFile(const char* fileName = nullptr);
    // A copy refers to the same open file through a duplicated descriptor
    // (same position, same share mode) and owns its own copy of the name, so
    // each object closes and releases only what it owns.
    CDosFile(const CDosFile& other);
    ~CDosFile();
    // Closes this object's file first, then takes a copy as above.
    CDosFile& operator=(const CDosFile& other);

    // Creates the file or truncates it to 0 bytes (mode 0666 less the umask),
    // then opens it with Open(openMode). 0 without a name, when creation fails,
    // or when another open denies reading or writing (the creation is a
    // read/write open that denies nothing; the file is then left untouched).
    int Create(uint32_t openMode);
    // Opens an existing file. 0 without a name, for an unknown mode value, for
    // a directory, on failure or a share conflict; the descriptor is then 0.
    // An object that is already open closes its file first.
    int Open(uint32_t openMode);
    // 0 when not open; otherwise closes, sets the descriptor to 0 and returns
    // 1 if the close succeeded.
    int Close();

    // Absolute position from the start of the file.
    int Seek(uint32_t position);
    int SeekEof();
    // Current position, or -1 when not open, on failure, or when the position
    // does not fit a signed 32-bit value.
    int32_t GetPos() const;

    // Reads up to `count` bytes (fewer only at the end of the file). On
    // success stores the number read and returns 1; on failure stores 0 and
    // returns 0.
    int Read(void* buffer, uint32_t count, uint32_t& bytesRead);
    int Read(void* buffer, uint32_t count);

    // Reads one text line into `buffer` (of `bufferSize` bytes):
    //  - up to bufferSize - 1 bytes are read from the current position;
    //  - only CR LF ends a line: the string ends at the CR and the position
    //    moves to just behind the LF. A lone LF or CR is part of the line;
    //  - without a CR LF pair in what was read, the whole block is returned
    //    and the position stays behind it: a longer line comes in pieces of
    //    bufferSize - 1 bytes;
    //  - at the end of the file the result is an empty string and 1, with the
    //    position unchanged.
    // 0 when not open, when the read fails (position restored), or when
    // bufferSize is below 2 (no room for one character).
    int ReadLine(char* buffer, uint32_t bufferSize);

    // Writes all `count` bytes. Results as for Read.
    int Write(const void* buffer, uint32_t count, uint32_t& bytesWritten);
    int Write(const void* buffer, uint32_t count);

    const char* GetFileName() const { return m_pszFileName; }
    // The descriptor, 0 while closed.
    int GetHandle() const { return m_hFile; }
    bool IsOpen() const { return m_hFile != 0; }

private:
    void CopyHandles(const CDosFile& other);

    char* m_pszFileName;  // own copy of the name, null when none was given
    int m_hFile;          // descriptor above 2 while open, 0 while closed
    int m_hShare;         // read-only descriptor holding a write-only open's share mode, else -1
};

// The log-file class: exactly the members and behaviour of CDosFile.
class KXSUPPORT_API CLogFile : public CDosFile {
public:
    explicit CLogFile(const char* fileName = nullptr);
    CLogFile(const CLogFile& other);
    ~CLogFile();
    CLogFile& operator=(const CLogFile& other);
};
