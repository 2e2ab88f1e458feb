// Other programs' view of our files: the Debian python modules dbfread and
// dbf (system python only) read what the engine writes.

#include "DbfTestSupport.h"

using namespace kxtest;

namespace {

const char* const kPython = "/usr/bin/python3";

bool pythonReadersPresent()
{
    std::string out;
    return ::access(kPython, X_OK) == 0 &&
           runCommand(std::string(kPython) + " -c 'import dbfread, dbf' 2>/dev/null", &out) == 0;
}

#define REQUIRE_PYTHON_READERS()                                                                                       \
    if (!pythonReadersPresent())                                                                                       \
    GTEST_SKIP() << "skipped: " << kPython << " lacks the modules dbfread and dbf "                                    \
                 << "(Debian packages python3-dbfread, python3-dbf)"

std::string runPython(const TempDir& dir, const std::string& script, const std::string& table)
{
    WriteBytes(dir.path("script.py"), script);
    std::string out;
    const int rc = runCommand(
        "PYTHONIOENCODING=utf-8 " + std::string(kPython) + " " + dir.path("script.py") + " " + table + " 2>&1", &out);
    EXPECT_EQ(rc, 0) << out;
    return out;
}

const char* const kReadBoth = R"(import sys, dbfread, dbf
for r in dbfread.DBF(sys.argv[1], encoding='cp1252'):
    print('dbfread', list(r.items()))
t = dbf.Table(sys.argv[1])
t.open(dbf.READ_ONLY)
for r in t:
    print('dbf', dbf.is_deleted(r), [r[i] for i in range(len(t.field_names))])
t.close()
)";

}  // namespace

TEST(DbfCrossReaders, PythonReadersSeeWhatTheEngineWrote)
{
    REQUIRE_PYTHON_READERS();
    TempDir dir;
    const std::string p = dir.path("ours.dbf");
    auto t = Table::create(
        p, {{"NAME", 'C', 12, 0}, {"AMOUNT", 'N', 8, 2}, {"COUNT", 'N', 5, 0}, {"OK", 'L', 1, 0}, {"BORN", 'D', 8, 0}});
    ASSERT_TRUE(t && t->appendBlank());
    ASSERT_TRUE(t->assignText(1, "Zo\xeb caf\xe9") && t->assignDouble(2, -12.5) && t->assignDouble(3, 42) &&
                t->assignText(4, "T") && t->assignText(5, "20240229"));
    ASSERT_TRUE(t->appendBlank() && t->assignText(1, "gone") && t->markDeleted());
    ASSERT_TRUE(t->appendBlank() && t->assignText(3, " 7 "));
    t.reset();

    EXPECT_EQ(runPython(dir, kReadBoth, p),
              "dbfread [('NAME', 'Zo\xc3\xab caf\xc3\xa9'), ('AMOUNT', -12.5), ('COUNT', 42), ('OK', True), "
              "('BORN', datetime.date(2024, 2, 29))]\n"
              "dbfread [('NAME', ''), ('AMOUNT', None), ('COUNT', 7), ('OK', None), ('BORN', None)]\n"
              "dbf False ['Zo\xc3\xab caf\xc3\xa9    ', -12.5, 42, True, datetime.date(2024, 2, 29)]\n"
              "dbf True ['gone        ', None, None, None, None]\n"
              "dbf False ['            ', None, 7, None, None]\n");

    // And after a pack.
    t = Table::open(p);
    ASSERT_TRUE(t && t->pack());
    t.reset();
    const std::string out = runPython(dir, kReadBoth, p);
    EXPECT_EQ(out.find("gone"), std::string::npos) << out;
    EXPECT_NE(out.find("dbf False ['            ', None, 7, None, None]"), std::string::npos) << out;
}
