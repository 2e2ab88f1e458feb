#include "plans/PlanFiles.h"

#include "platform/MessageBoxes.h"
#include "platform/SitePaths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace kx::plans {

namespace {

constexpr Text kOutOfRange = KX_TEXT("PlanFiles", "Please enter a valid schedule-number for the plan !\nThe number "
                                                  "must be between 10 and 9999.");
constexpr Text kExists =
    KX_TEXT("PlanFiles", "The plan '%1' already exists for this number !\nPlease use another number.");
constexpr Text kNotCreated = KX_TEXT("PlanFiles", "The plan '%1' could not be created !\n%2");

std::string errnoText(int error)
{
    return std::strerror(error);
}

bool writeAll(int fd, const std::string& bytes, std::string& error)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = errnoText(n < 0 ? errno : EIO);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        error = errnoText(errno);
        return false;
    }
    return true;
}

// Links the finished file `fd` to `name`; fails with EEXIST when anything
// of that name appeared meanwhile, so nothing is ever overwritten.
bool linkAnonymous(int fd, const std::string& name, std::string& error)
{
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno != EEXIST && ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0)
        return true;
    error = errnoText(errno);
    return false;
}

// Writes `bytes` to a new file `name` in the working directory: complete
// or not at all, and only when no entry of that name exists. The file is
// written unnamed (or under a hidden temporary name where the file system
// has no unnamed files) and linked into place at the end.
bool createExclusive(const std::string& name, const std::string& bytes, std::string& error)
{
#ifdef O_TMPFILE
    const int anonymous = ::open(".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (anonymous >= 0) {
        const bool done = writeAll(anonymous, bytes, error) && linkAnonymous(anonymous, name, error);
        ::close(anonymous);
        return done;
    }
#endif
    std::random_device random;
    for (int tries = 0; tries < 100; ++tries) {
        const std::string temp = "." + name + "." + std::to_string(random()) + ".tmp";
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            error = errnoText(errno);
            return false;
        }
        bool done = writeAll(fd, bytes, error);
        ::close(fd);
        if (done && ::link(temp.c_str(), name.c_str()) != 0) {
            error = errnoText(errno);
            done = false;
        }
        ::unlink(temp.c_str());
        return done;
    }
    error = "no free temporary name";
    return false;
}

// One file of a new plan; false (message shown) when it exists or fails.
bool createOne(long number, PlanFamily family, bool week)
{
    const std::string name = week ? WeekFileName(number, family) : YearFileName(number, family);
    if (!ExistingPlanFile(name).empty()) {
        ErrorBox(kExists, name);
        return false;
    }
    std::string error;
    if (createExclusive(name, PlanFileHeader(number, family, week), error))
        return true;
    if (error == errnoText(EEXIST))
        ErrorBox(kExists, name);  // made by another program meanwhile
    else
        ErrorBox(kNotCreated, name, error);
    return false;
}

}  // namespace

const char* PlanPrefix(PlanFamily family)
{
    return family == PlanFamily::Alarm ? "kxa" : "kxi";
}

std::string YearFileName(long number, PlanFamily family)
{
    return std::string(PlanPrefix(family)) + "_" + std::to_string(number) + ".kxh";
}

std::string WeekFileName(long number, PlanFamily family)
{
    return std::string(PlanPrefix(family)) + "_" + std::to_string(number) + ".kxw";
}

std::string ExistingPlanFile(const std::string& name)
{
    const std::string path = FindEntryNoCase(".", name);
    if (path.empty())
        return {};
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string PlanFileHeader(long number, PlanFamily family, bool week)
{
    const std::string word = family == PlanFamily::Alarm ? "alarm" : "alarmin";
    const std::string name = week ? WeekFileName(number, family) : YearFileName(number, family);
    std::string header = "rem  quillon tool   audiotex & voicemail application generator\n";
    if (week) {
        header += "rem  week " + word + " file:  " + name + "\n";
        header += "rem  line 1 (0 , 00:00 - 00:00 , ) : default values\n";
        header += "rem  day , start:time - stop:time , action;\n";
    } else {
        header += "rem  year " + word + " file:  " + name + "\n";
        header += "rem  line 1 (00.00.  00 , 00:00 - 00.00.  00 , 00:00 ,) : default values\n";
        header += "rem  start:date:time - stop:date:time , action;\n";
    }
    return header;
}

bool CreatePlanFiles(long number, PlanFamily family, PlanParts what)
{
    if (number < kFirstNewPlan || number > kLastPlan) {
        ErrorBox(kOutOfRange);
        return false;
    }
    if (what != PlanParts::Week && !createOne(number, family, false))
        return false;
    if (what != PlanParts::Year && !createOne(number, family, true))
        return false;
    return true;
}

}  // namespace kx::plans
