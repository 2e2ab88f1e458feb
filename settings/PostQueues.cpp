#include "settings/PostQueues.h"

#include "core/CDatabase.h"
#include "platform/MessageBoxes.h"
#include "platform/SitePaths.h"
#include "platform/TextEncoding.h"
#include "settings/SettingsModel.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kx::settings {

namespace {

constexpr Text kStandardQueue = KX_TEXT("PostQueues", "Standard queue");
constexpr Text kQueueLines = KX_TEXT("PostQueues", "Postqueue %d  ( lines %d to %d ) ");
constexpr Text kQueueMissing = KX_TEXT("PostQueues", "Postqueue %d  not existent");
constexpr Text kCreateQueue = KX_TEXT(
    "PostQueues", "Error ! The selected postqueue %1 does not exist !\nWould you like to create the postqueue now ?");
constexpr Text kSetToStandard = KX_TEXT("PostQueues", "The selected postque %1,will be set to the standard queue.");
constexpr Text kQueueUnreadable =
    KX_TEXT("PostQueues", "The postqueue table %1 exists but cannot be opened: %2\nNothing was saved.");
constexpr Text kQueueNotCreated = KX_TEXT("PostQueues", "The postqueue could not be created from %1: %2");
constexpr Text kGroupFileNotWritten =
    KX_TEXT("PostQueues", "The file %1 could not be written: %2\nThe postqueue is used nevertheless.");

constexpr const char* kTemplateTable = "\\kxt\\kxtpost.dbf";
constexpr const char* kTemplateIndex = "\\kxt\\kxtpost.ndx";

std::string queueText(int n)
{
    CDatabase table;
    table.SetQuiet(true);
    if (!table.Open(PostQueuePath(n, "dbf").c_str()))
        return Utf8ToCp1252Lossy(TrNumber(kQueueMissing, n));
    ScopedClose closer(table);
    // Only the lines the line server maps are read, and a table may be shorter.
    const long lines =
        std::min<long>(ProfileNumber("kxt.ini", "SETTINGS", "MapMaxLines", 30), static_cast<long>(table.RecCount()));
    long first = 0;
    long last = 0;
    table.Lock();
    for (long line = 1; line <= lines; ++line) {
        table.Go(static_cast<unsigned long>(line));
        int value = -9;
        if (!table.Read("T41", value))
            break;
        if (value == 0) {
            if (first == 0)
                first = line;
            last = line;
        } else if (value == -9 && first != 0) {
            break;  // the queue's lines are one run
        }
    }
    table.Unlock();
    return Utf8ToCp1252Lossy(FillNumber(FillNumber(TrNumber(kQueueLines, n), first), last));
}

std::string reason()
{
    return std::strerror(errno);
}

// Copies `from` to a new temporary file in `directory`; its name in `temp`.
bool copyToTemporary(const std::string& from, const std::string& directory, std::string& temp, std::string& error)
{
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        error = reason();
        return false;
    }
    std::string pattern = directory + "/.kxtpost-XXXXXX";
    const int out = ::mkstemp(pattern.data());
    if (out < 0) {
        error = reason();
        ::close(in);
        return false;
    }
    temp = pattern;
    ::fchmod(out, 0644);
    bool ok = true;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0 || ::write(out, buffer, static_cast<std::size_t>(n)) != n) {
            ok = false;
            break;
        }
    }
    if (!ok || ::fsync(out) != 0)
        ok = false;
    if (!ok)
        error = reason();
    ::close(in);
    if (::close(out) != 0 && ok) {
        error = reason();
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        temp.clear();
    }
    return ok;
}

}  // namespace

std::string PostQueuePath(int n, const char* extension)
{
    char path[32];
    std::snprintf(path, sizeof path, "\\kxt\\kxtpost%d.%s", n, extension);
    return path;
}

std::vector<Option> PostQueueItems()
{
    std::vector<Option> items{{"0", kStandardQueue, {}}};
    for (int n = 1; n <= kPostQueueCount; ++n)
        items.push_back({std::to_string(n), {}, queueText(n)});
    return items;
}

ItemSource PostQueueSource()
{
    return [](CDatabase*) { return PostQueueItems(); };
}

bool PostQueueCheck::ask(long n)
{
    if (n < 1 || n > kPostQueueCount || m_states.count(n))
        return true;
    const std::string path = PostQueuePath(static_cast<int>(n), "dbf");
    if (SitePaths::exists(path)) {
        CDatabase table;
        table.SetQuiet(true);
        if (!table.Open(path.c_str())) {
            // Not missing, so not to be replaced by a template: the operator must look at it.
            ErrorBox(kQueueUnreadable, Utf8ToCp1252Lossy(SitePaths::translate(path)), CDatabase::LastError());
            return false;
        }
        table.Close();
        m_states[n] = State::Allowed;
        return true;
    }
    const std::string number = std::to_string(n);
    if (ConfirmBox(kCreateQueue, false, number)) {
        m_states[n] = State::Agreed;
    } else {
        InfoBox(kSetToStandard, number);
        m_states[n] = State::Declined;
    }
    return true;
}

void PostQueueCheck::createAgreed()
{
    for (auto& [n, state] : m_states) {
        if (state != State::Agreed)
            continue;
        if (CreatePostQueue(static_cast<int>(n))) {
            state = State::Allowed;
        } else {
            InfoBox(kSetToStandard, std::to_string(n));
            state = State::Declined;
        }
    }
}

bool PostQueueCheck::allowed(long n) const
{
    if (n == 0)
        return true;
    const auto it = m_states.find(n);
    return it != m_states.end() && it->second == State::Allowed;
}

bool CreatePostQueue(int n)
{
    const std::string directory = SitePaths::translate("\\kxt");
    const std::string table = SitePaths::translate(PostQueuePath(n, "dbf"));
    const std::string index = SitePaths::translate(PostQueuePath(n, "ndx"));
    std::string tempTable;
    std::string tempIndex;
    std::string error;
    std::string failed;
    if (!copyToTemporary(SitePaths::translate(kTemplateTable), directory, tempTable, error)) {
        failed = SitePaths::translate(kTemplateTable);
    } else if (!copyToTemporary(SitePaths::translate(kTemplateIndex), directory, tempIndex, error)) {
        failed = SitePaths::translate(kTemplateIndex);
    } else if (::rename(tempIndex.c_str(), index.c_str()) != 0) {
        // The index first: a table under its name is what makes the queue exist.
        error = reason();
        failed = index;
    } else if (::rename(tempTable.c_str(), table.c_str()) != 0) {
        error = reason();
        failed = table;
        ::unlink(index.c_str());
    }
    if (!failed.empty()) {
        for (const std::string& temp : {tempTable, tempIndex})
            if (!temp.empty())
                ::unlink(temp.c_str());
        ErrorBox(kQueueNotCreated, Utf8ToCp1252Lossy(failed), error);
        return false;
    }

    char line[32];
    const int length = std::snprintf(line, sizeof line, "kxtpost%d\r\n", n);
    const std::string groupFile = SitePaths::translate(PostQueuePath(n, "cgp"));
    const int fd = ::open(groupFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    bool written = fd >= 0 && ::write(fd, line, static_cast<std::size_t>(length)) == length;
    if (!written)
        error = reason();
    if (fd >= 0 && ::close(fd) != 0 && written) {
        error = reason();
        written = false;
    }
    if (!written)
        ErrorBox(kGroupFileNotWritten, Utf8ToCp1252Lossy(groupFile), error);
    return true;
}

}  // namespace kx::settings
