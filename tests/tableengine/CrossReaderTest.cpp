// Other programs' view of our files and ours of theirs: the Debian python
// modules dbfread and dbf (system python only) read what the engine writes,
// and the engine reads what python's dbf writes.

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

    t = Table::open(p);
    ASSERT_TRUE(t && t->pack());
    t.reset();
    const std::string out = runPython(dir, kReadBoth, p);
    EXPECT_EQ(out.find("gone"), std::string::npos) << out;
    EXPECT_NE(out.find("dbf False ['            ', None, 7, None, None]"), std::string::npos) << out;
}

TEST(DbfCrossReaders, EngineReadsAndExtendsWhatPythonDbfWrote)
{
    REQUIRE_PYTHON_READERS();
    TempDir dir;
    const std::string p = dir.path("theirs.dbf");
    runPython(dir, R"(import sys, dbf, datetime
t = dbf.Table(sys.argv[1], 'NAME C(20); NUM N(8,2); FLAG L; DAY D', dbf_type='db3', codepage='cp1252')
t.open(dbf.READ_WRITE)
t.append(('Zo\xeb', 12.5, True, datetime.date(2024, 2, 29)))
t.append(('second', -3, False, None))
t.close()
)",
              p);
    auto t = Table::open(p);
    ASSERT_TRUE(t && t->go(1));
    EXPECT_EQ(std::make_tuple(t->writeRefusal(), t->fieldCount(), t->fieldName(2), t->fieldType(2), t->fieldDecimals(2),
                              t->recordCount(), recordOf(*t)),
              std::make_tuple(kx::dbf::WriteRefusal::None, 4u, std::string("NUM"), 'N', 2u, 2u,
                              "Zo\xeb" + std::string(17, ' ') + "|   12.50|T|20240229|"));
    ASSERT_TRUE(t->go(2));
    EXPECT_EQ(std::make_pair(t->fieldInt(2), bytesOf(*t, 4)), std::make_pair(-3L, std::string(8, ' ')));

    ASSERT_TRUE(t->assignText(1, "engine") && t->appendBlank() && t->assignDouble(2, 0.25));
    t.reset();
    const std::string out = runPython(dir, kReadBoth, p);
    EXPECT_NE(out.find("dbf False ['engine              ', -3.0, False, None]"), std::string::npos) << out;
    EXPECT_NE(out.find("dbf False ['                    ', 0.25, None, None]"), std::string::npos) << out;
}

TEST(DbfCrossReaders, FoxProMemosStayReachableThroughOurWrites)
{
    REQUIRE_PYTHON_READERS();
    TempDir dir;
    const std::string p = dir.path("fox.dbf");
    runPython(dir, R"(import sys, dbf
t = dbf.Table(sys.argv[1], 'NAME C(10); NOTE M; NUM N(5,0)', dbf_type='fp')
t.open(dbf.READ_WRITE)
t.append(('first', 'memo one', 1))
t.append(('second', 'memo two', 2))
t.close()
)",
              p);
    auto t = Table::open(p);
    ASSERT_TRUE(t);
    ASSERT_TRUE(t->go(1) && t->assignText(1, "engine") && t->go(2) && t->blank()) << t->lastError();
    t.reset();
    EXPECT_EQ(runPython(dir, R"(import sys, dbf
t = dbf.Table(sys.argv[1])
t.open(dbf.READ_ONLY)
for r in t:
    print(repr(r.name), repr(r.note), r.num)
t.close()
)",
                        p),
              "'engine    ' 'memo one' 1\n'          ' 'memo two' None\n");
}

// Index files written by another implementation: xbase64 3 (Debian package
// libxbase64-dev), through a helper compiled here. Its .ntx reindex crashes,
// so that index keeps its header and no keys, which is all we read.
TEST(DbfCrossReaders, IndexesWrittenByXbase64GuardTheirKeysOnly)
{
    REQUIRE_PYTHON_READERS();
    if (::access("/usr/include/xbase64/xbase64.h", R_OK) != 0)
        GTEST_SKIP() << "skipped: no xbase64 headers (Debian package libxbase64-dev)";
    TempDir dir;
    const std::string p = dir.path("vm001.dbf");
    runPython(dir, R"(import sys, dbf
t = dbf.Table(sys.argv[1], 'INDEX N(5,0); STATUS C(2); T01 N(5,0); T33 C(10); NOTE C(10)', dbf_type='db3')
t.open(dbf.READ_WRITE)
t.append((5, '91', 12, 'alpha', 'note'))
t.close()
)",
              p);
    WriteBytes(dir.path("mkindex.cpp"), R"cpp(#include <xbase64/xbase64.h>
#include <cstdlib>
int main(int, char** argv) {
    xbXBase x;
    xbDbf t(&x);
    xbNdx n(&t);
    xbNtx k(&t);
    if (t.OpenDatabase(argv[1]) != XB_NO_ERROR) return 1;
    if (n.CreateIndex(argv[2], "UPPER(T33)+STR(T01,5)", XB_NOT_UNIQUE, XB_OVERLAY) != XB_NO_ERROR) return 2;
    if (n.ReIndex() != XB_NO_ERROR || k.CreateIndex(argv[3], "NOTE", XB_NOT_UNIQUE, XB_OVERLAY) != XB_NO_ERROR) return 3;
    t.CloseDatabase();
    std::_Exit(0);
}
)cpp");
    std::string out;
    ASSERT_EQ(runCommand("cd " + dir.root() + " && c++ -o mkindex mkindex.cpp -lxbase64 2>&1 && " +
                             "./mkindex vm001.dbf vm001.ndx vm001.ntx 2>&1",
                         &out),
              0)
        << out;
    auto t = Table::open(p);
    ASSERT_TRUE(t && t->go(1));
    for (const auto& [field, key] :
         {std::pair{"INDEX", false}, {"STATUS", false}, {"T01", true}, {"T33", true}, {"NOTE", true}}) {
        EXPECT_EQ(t->assignText(t->fieldNumber(field), "7"), !key) << field;
        const std::string index = field == std::string("NOTE") ? "vm001.ntx" : "vm001.ndx";
        EXPECT_TRUE(!key || t->lastError().find(index) != std::string::npos) << t->lastError();
    }
    EXPECT_FALSE(t->appendBlank());
}
