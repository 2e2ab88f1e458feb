// A child writes mailbox fields and INI keys, reporting each returned write
// through a pipe, until SIGKILL. After each kill python's dbfread and
// configparser read both files cleanly, every field and key holding its last
// returned write or the one under way.

#include "platform/Profile.h"
#include "tests/common/Soak.h"
#include "tests/core/MailboxFixture.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <sstream>

namespace {

constexpr int kRounds = 200;
constexpr long kKeys = 20;  // the fixture's table
constexpr int kIniKeys = 16;
constexpr const char* kIni = "soak.ini";
const char* const kPython = "/usr/bin/python3";

// Prints "count <header count> <records read>", then "<slot> <value>" per
// field of each record and per key of [Soak].
const char* const kReader = R"(import sys, os, dbfread, configparser
t = dbfread.DBF(sys.argv[1], encoding='cp1252', char_decode_errors='strict')
rows = list(t)
print('count', t.header.numrecords, len(rows))
for r in rows:
    print('T%d.text' % r['T01'], r['T33'])
    print('T%d.number' % r['T01'], r['T65'])
ini = configparser.ConfigParser(interpolation=None, strict=True)
ini.optionxform = str
if os.path.exists(sys.argv[2]):
    ini.read_string(open(sys.argv[2], encoding='cp1252').read())
for k, v in (ini['Soak'].items() if ini.has_section('Soak') else []):
    print('I' + k[1:], v)
)";

// Write i of a round, to slot "T<key>.text", "T<key>.number" (key i/3 mod
// kKeys) or "I<key>" (INI key i/3 mod kIniKeys).
struct Write {
    std::string slot;
    std::string value;
};
Write writeOf(int round, long i)
{
    const long n = i / 3;
    const std::string text = "r" + std::to_string(round) + "-" + std::to_string(i);
    switch (i % 3) {
    case 0:
        return {"T" + std::to_string(n % kKeys) + ".text", text};
    case 1:
        return {"T" + std::to_string(n % kKeys) + ".number", std::to_string(i)};
    default:
        return {"I" + std::to_string(n % kIniKeys), text};
    }
}

[[noreturn]] void writeUntilKilled(const char* table, int round, int report)
{
    CDatabase db;
    if (!db.Open(table))
        ::_exit(2);
    for (long i = 0;; ++i) {
        const long n = i / 3;
        const std::string value = writeOf(round, i).value;
        const bool done = i % 3 == 2 ? kx::WriteProfileString(kIni, "Soak", "k" + std::to_string(n % kIniKeys), value)
                                     : kx::mailbox::WriteField(db, kx::mailbox::RecordOfKey(n % kKeys), n % kKeys,
                                                               i % 3 ? "num6_1" : "text_opt1", value.c_str()) == 1;
        if (!done || ::write(report, &i, sizeof i) != sizeof i)
            ::_exit(3);
    }
}

}  // namespace

class CrashSoak : public kx::test::MailboxFixture {
protected:
    // What the reader sees: slot -> value, plus the counts.
    std::map<std::string, std::string> read(std::string& counts)
    {
        const std::string script = site.path("reader.py");
        site.write("reader.py", kReader);
        const std::string command = std::string(kPython) + " " + script + " " + site.path("db1/vm001.dbf") + " " +
                                    site.windows() + "/" + kIni + " 2>&1";
        FILE* p = ::popen(command.c_str(), "r");
        std::string out;
        char buf[4096];
        for (std::size_t n; p && (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
            out.append(buf, n);
        EXPECT_TRUE(p && ::pclose(p) == 0) << out;
        std::map<std::string, std::string> seen;
        std::istringstream lines(out);
        for (std::string line; std::getline(lines, line);) {
            const std::size_t blank = line.find(' ');
            const std::string name = line.substr(0, blank), value = line.substr(blank + 1);
            (name == "count" ? counts : seen[name]) = value;
        }
        return seen;
    }
};

TEST_F(CrashSoak, KilledWritersLeaveTheTableAndTheIniFileWhole)
{
    KX_SOAK_ONLY();
    if (::access(kPython, X_OK) != 0 || std::system((std::string(kPython) + " -c 'import dbfread'").c_str()) != 0)
        GTEST_SKIP() << kPython << " lacks dbfread (Debian package python3-dbfread)";
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("random seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::string counts;
    std::map<std::string, std::string> state = read(counts);  // what survived so far

    long writesSeen = 0;
    for (int round = 0; round < kRounds; ++round) {
        int report[2];
        ASSERT_EQ(::pipe(report), 0);
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(report[0]);
            writeUntilKilled(kTable, round, report[1]);
        }
        ::close(report[1]);
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 50000)(random));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer failed, status " << status;
        long done = 0;
        for (long i; ::read(report[0], &i, sizeof i) == sizeof i; ++done)
            ASSERT_EQ(i, done);
        ::close(report[0]);
        writesSeen += done;

        // Each slot: its last returned write (or what it held), or the write under way.
        std::map<std::string, std::set<std::string>> allowed;
        for (const auto& [slot, value] : state)
            allowed[slot] = {value};
        for (long i = 0; i < done; ++i) {
            const Write w = writeOf(round, i);
            allowed[w.slot] = {w.value};
        }
        const Write underWay = writeOf(round, done);
        allowed[underWay.slot].insert(underWay.value);
        if (!state.count(underWay.slot) && underWay.slot[0] == 'I' && allowed[underWay.slot].size() == 1)
            allowed[underWay.slot].insert("<missing>");  // a new key whose write had not returned

        state = read(counts);
        ASSERT_EQ(counts, std::to_string(kKeys) + " " + std::to_string(kKeys)) << "round " << round;
        for (const auto& [slot, value] : state)
            ASSERT_TRUE(allowed.count(slot)) << "round " << round << ": " << slot << " appeared with " << value;
        for (const auto& [slot, values] : allowed) {
            const std::string value = state.count(slot) ? state[slot] : "<missing>";
            ASSERT_TRUE(values.count(value))
                << "round " << round << ", " << slot << " holds " << value << ", after " << done << " returned writes";
        }
    }
    RecordProperty("returned_writes", std::to_string(writesSeen));
    EXPECT_GT(writesSeen, kRounds) << "the writers were killed before they wrote";

    // The next writer leaves no temporary file of a killed one behind.
    ASSERT_TRUE(kx::WriteProfileString(kIni, "Soak", "after", "1"));
    for (const auto& entry : std::filesystem::directory_iterator(site.windows()))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}
