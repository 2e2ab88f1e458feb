#include "importexport/AlarmExport.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "importexport/CsvWriter.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "platform/Text.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace kx::importexport {

// Note the missing blank after "escalkey_level;": older exports wrote it so,
// and the import recognises the export by these exact bytes.
const char* const kExportHeader =
    "alarmkey; alarmname; group; alarmtype; confirmation; pag_sms_msg; disp_msg1; disp_msg2; schedule; rings; "
    "priority; password; escalkey_level;escalkey_contact; escal_level; escal_level_delay; escal_contact_delay; "
    "faxreport; email; wait_callback; check_status; 2nd_alarm; alarm_on_success; alarm_on_reset; "
    "alarm_escal_maxloops; check_event; event_time_before; event_time_after; update_event; "
    "check_contact_add_offset; slave_server; master_server; max_escal_level_loops; max_escal_contact_loops; "
    "alarm_icon; pers_needed; set_status; check_status; pag_sms_callback; check_pers_login; pers_supervision; "
    "print_report; mail_report; fax_report; escal_on_max_loops; report_callback; secure_name; start_popup; "
    "escal_only_noansw; contact_on; contact_off; disp_msg3";

namespace {

constexpr Text kNoFile = KX_TEXT("AlarmExport", "Please specify a file to export the configuration to !");
constexpr Text kCannotOpen = KX_TEXT("AlarmExport", "The file %1 can not be opend to export configuration to !");
constexpr Text kNotWritten = KX_TEXT("AlarmExport", "The configuration could not be exported to %1: %2\n"
                                                    "An existing file keeps its old content.");

// The message files of the message columns; a message is the value of the
// alarm's key in section "Messages", read as with a buffer of 128 bytes.
constexpr std::array<const char*, 4> kMessageFiles = {"kxamsg.ini", "kxamsg1.ini", "kxamsg2.ini", "kxamsg3.ini"};
constexpr std::size_t kMessageBufferSize = 128;

struct Column {
    enum Kind {
        Key,      // the key itself
        Number,   // a record field as an integer
        Clamped,  // ... with a negative written as 0
        Text,     // a record field as text
        Message,  // a message file (index into kMessageFiles)
    } kind;
    const char* field = nullptr;
    int message = 0;
};

constexpr Column number(const char* field)
{
    return {Column::Number, field};
}
constexpr Column clamped(const char* field)
{
    return {Column::Clamped, field};
}
constexpr Column text(const char* field)
{
    return {Column::Text, field};
}
constexpr Column message(int file)
{
    return {Column::Message, nullptr, file};
}

// The columns in the header's order.
constexpr std::array<Column, kExportColumns> kColumns = {
    Column{Column::Key}, text("T33"),    number("T30"),  number("T15"),  number("T11"), message(0),    message(1),
    message(2),          clamped("T10"), number("T21"),  clamped("T22"), number("T09"), number("T18"), number("T20"),
    clamped("T24"),      clamped("T26"), clamped("T29"), text("T32"),    text("T34"),   number("T59"), number("T60"),
    number("T65"),       number("T66"),  number("T67"),  number("T69"),  number("T73"), number("T74"), number("T75"),
    number("T76"),       number("T77"),  number("T78"),  number("T79"),  number("T80"), number("T81"), number("T82"),
    number("T83"),       number("T84"),  number("T85"),  number("T86"),  number("T87"), number("T88"), number("T90"),
    number("T91"),       number("T92"),  number("T93"),  number("T94"),  number("T95"), number("T97"), number("T98"),
    number("T13"),       number("T14"),  message(3),
};

// A text as the platform's C programs see it: up to its first NUL byte.
std::string_view cString(std::string_view s)
{
    return s.substr(0, s.find('\0'));
}

std::string systemError(int error)
{
    return std::strerror(error);
}

// The export file under a temporary name beside the target; removed unless
// it was renamed onto the target.
class TemporaryFile {
public:
    ~TemporaryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }

    // False with errno set.
    bool create(const std::filesystem::path& target)
    {
        static std::atomic<unsigned> s_counter{0};
        const std::filesystem::path directory = target.has_parent_path() ? target.parent_path() : ".";
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = ".kxexport-" + std::to_string(::getpid()) + "-" + std::to_string(++s_counter);
            const std::string path = (directory / name).string();
            // 0666 less the umask, as the target itself would be created.
            m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd >= 0) {
                m_path = path;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    // Writes all bytes; false with errno set.
    bool write(std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return true;
    }

    // Gives the file the old target's permissions, makes it durable and puts
    // it in the target's place. False with errno set.
    bool replace(const std::string& target)
    {
        struct stat old;
        if (::stat(target.c_str(), &old) == 0)
            ::fchmod(m_fd, old.st_mode & 07777);
        if (::fsync(m_fd) != 0)
            return false;
        const int fd = m_fd;
        m_fd = -1;
        if (::close(fd) != 0 || ::rename(m_path.c_str(), target.c_str()) != 0)
            return false;
        m_path.clear();
        return true;
    }

private:
    int m_fd = -1;
    std::string m_path;
};

// The file the export replaces: a symbolic link keeps pointing to the new file.
std::string resolvedTarget(const std::string& path)
{
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec))
        return path;
    const std::filesystem::path real = std::filesystem::canonical(path, ec);
    return ec ? path : real.string();
}

// Why the target cannot take an export ("" when it can): an existing entry
// must be a regular file the operator may write.
std::string targetProblem(const std::string& target)
{
    struct stat st;
    if (::stat(target.c_str(), &st) != 0)
        return {};
    if (!S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? systemError(EISDIR) : "not a regular file";
    if (::access(target.c_str(), W_OK) != 0)
        return systemError(errno);
    return {};
}

OperationResult refused(std::string error)
{
    OperationResult result;
    result.outcome = Outcome::Refused;
    result.error = std::move(error);
    return result;
}

}  // namespace

OperationResult ExportAlarms(const std::string& path, const OperationControl& control)
{
    if (path.empty())
        return refused(Tr(kNoFile));
    const std::string target = resolvedTarget(path);
    const std::string problem = targetProblem(target);
    if (!problem.empty())
        return refused(Tr(kCannotOpen, path) + "\n" + problem);
    TemporaryFile file;
    if (!file.create(target))
        return refused(Tr(kCannotOpen, path) + "\n" + systemError(errno));

    const std::string tablePath = config::MailboxTablePath();
    CDatabase table;
    table.SetQuiet(true);
    if (!table.Open(tablePath.c_str()))
        return refused(FormatString(str::AlarmDatabaseNotOpened, tablePath) + "\n" + CDatabase::LastError());
    ScopedClose closer(table);

    std::array<ProfileValues, kMessageFiles.size()> messages;
    for (std::size_t i = 0; i < kMessageFiles.size(); ++i)
        messages[i] = ProfileSectionValues(kMessageFiles[i], "Messages", kMessageBufferSize);

    // Keys from the first of the range to its last or the table's last record.
    const config::KeyRanges ranges = config::ReadKeyRanges();
    const long first = std::max(ranges.firstAlarmKey, 0);
    const long last = std::min(static_cast<long>(ranges.lastAlarmKey), static_cast<long>(table.RecCount()) - 1);
    ProgressSteps progress(control, Phase::Export, last >= first ? last - first + 1 : 0);

    OperationResult result;
    const auto stop = [&](const std::string& reason) {
        result.outcome = Outcome::Stopped;
        result.error = Tr(kNotWritten, path, reason);
        result.count = 0;
        return result;
    };

    CsvWriter writer(CsvSeparators());
    std::string& bytes = writer.bytes();
    bytes.reserve(1 << 17);
    bytes = kExportHeader;
    writer.endLine();
    std::string status;
    std::string value;
    for (long key = first; key <= last; ++key) {
        if (control.cancelled()) {
            result.outcome = Outcome::Cancelled;
            result.count = 0;
            return result;
        }
        const unsigned long record = mailbox::RecordOfKey(key);
        table.Go(record);
        if (table.RecNo() != static_cast<long>(record))
            return stop(CDatabase::LastError());
        if (table.Read(mailbox::field::Status, status) == 1 &&
            mailbox::KindOfStatus(status) == mailbox::KeyKind::Alarm) {
            const std::string name = std::to_string(key);
            for (const Column& column : kColumns) {
                int number = 0;
                switch (column.kind) {
                case Column::Key:
                    writer.number(key);
                    break;
                case Column::Number:
                case Column::Clamped:
                    table.Read(column.field, number);
                    writer.number(column.kind == Column::Clamped && number < 0 ? 0 : number);
                    break;
                case Column::Text:
                    value.clear();
                    table.Read(column.field, value);
                    writer.text(cString(value));
                    break;
                case Column::Message:
                    writer.text(cString(messages[column.message].value(name)));
                    break;
                }
            }
            writer.endLine();
            ++result.count;
        }
        if (bytes.size() >= (1u << 16)) {
            if (!file.write(bytes))
                return stop(systemError(errno));
            bytes.clear();
        }
        progress.at(key - first + 1);
    }
    if (!file.write(bytes))
        return stop(systemError(errno));
    if (control.cancelled()) {
        result.outcome = Outcome::Cancelled;
        result.count = 0;
        return result;
    }
    if (!file.replace(target))
        return stop(systemError(errno));
    progress.finish();
    return result;
}

}  // namespace kx::importexport
