// Other programs' index files beside a table: writes that cannot change what
// an index holds go ahead, the others are refused naming table, field and
// index. Also the tables we may read but must not write at all.

#include "DbfTestSupport.h"

using namespace kxtest;
using kx::dbf::WriteRefusal;

namespace {

// Every write operation fails, names the table and the reasons, and the file stays as it was.
void expectEveryWriteRefused(const std::string& path, WriteRefusal why, std::vector<std::string> reasons)
{
    reasons.push_back(path);
    const std::string before = ReadBytes(path);
    auto t = Table::open(path);
    ASSERT_TRUE(t && t->go(1));
    EXPECT_EQ(t->writeRefusal(), why);
    EXPECT_EQ(bytesOf(*t, 1), "alpha     ") << "reading still works";
    const std::pair<const char*, bool> attempts[] = {
        // clang-format off
        {"assignText", t->assignText(1, "x")}, {"assignDouble", t->assignDouble(2, 1)}, {"blank", t->blank()},
        {"markDeleted", t->markDeleted()}, {"recall", t->recall()}, {"appendBlank", t->appendBlank()},
        {"pack", t->pack()}, {"lock", t->lock()},
        // clang-format on
    };
    for (const auto& [op, result] : attempts) {
        EXPECT_FALSE(result) << op;
        for (const std::string& reason : reasons)
            EXPECT_NE(t->lastError().find(reason), std::string::npos) << op << ": " << t->lastError();
    }
    EXPECT_TRUE(t->flush());
    t.reset();
    EXPECT_EQ(ReadBytes(path), before);
}

void expectNamed(const Table& t, std::initializer_list<std::string> names)
{
    for (const std::string& name : names)
        EXPECT_NE(t.lastError().find(name), std::string::npos) << t.lastError();
}

}  // namespace

TEST(DbfIndexGuard, OnlyWritesThatLeaveEveryKeyAsItIsGoAhead)
{
    const struct {
        const char* what;
        const char* file;  // beside vm001.dbf; "" for none
        std::string bytes;
        const char* keys;   // fields whose changes are refused, DELETED for the flag; "*" everything
        bool flag = false;  // header byte 28 (production index)
    } cases[] = {
        {"ndx on a field", "vm001.ndx", indexFile(".ndx", {{"INDEX"}}), "INDEX"},
        {"ndx on an expression", "VM001.NDX", indexFile(".ndx", {{"UPPER(T33)+STR(T01,5)"}}), "T01 T33"},
        {"ntx with a filter", "vm001.ntx", indexFile(".ntx", {{"status", "T01 > 0 .AND. !DELETED()"}}),
         "STATUS T01 DELETED"},
        {"mdx tags", "Vm001.Mdx", indexFile(".mdx", {{"INDEX"}, {"DTOS(DATE()) + T33"}}), "INDEX T33"},
        {"mdx tag with a filter", "vm001.mdx", indexFile(".mdx", {{"STATUS", "NOTE = 'x' .AND. .NOT. DELE()"}}),
         "STATUS NOTE DELETED"},
        {"text constants, aliases", "vm001.ndx", indexFile(".ndx", {{"VM001->NOTE + 'INDEX' + [T01]"}}), "NOTE"},
        {"abbreviated function", "vm001.ndx", indexFile(".ndx", {{"SUBS(T33, 1, 3)"}}), "T33"},
        {"production mdx", "vm001.mdx", indexFile(".mdx", {{"INDEX"}}), "INDEX", true},
        {"mdx without tags", "vm001.mdx", indexFile(".mdx", {}), ""},
        {"cdx", "vm001.cdx", indexFile(".cdx", {}), "*"},
        {"unknown function", "vm001.ndx", indexFile(".ndx", {{"MYKEY(NOTE)"}}), "*"},
        {"no such field", "vm001.ndx", indexFile(".ndx", {{"OTHER + NOTE"}}), "*"},
        {"macro", "vm001.ndx", indexFile(".ndx", {{"&KEYEXPR"}}), "*"},
        {"bytes beyond ASCII", "vm001.ndx", indexFile(".ndx", {{"NOTE+\xe9\x01"}}), "*"},
        {"empty key", "vm001.ndx", indexFile(".ndx", {{""}}), "*"},
        {"key without end", "vm001.ndx", indexFile(".ndx", {{std::string(488, 'A')}}), "*"},
        {"ndx cut short", "vm001.ndx", indexFile(".ndx", {{"INDEX"}}).substr(0, 28), "*"},
        {"ntx of several tags", "vm001.ntx", "\x06\x80" + indexFile(".ntx", {{"INDEX"}}).substr(2), "*"},
        {"mdx tag page past the end", "vm001.mdx", indexFile(".mdx", {{"INDEX"}}).substr(0, 2048 + 24), "*"},
        {"mdx filter past the end", "vm001.mdx", indexFile(".mdx", {{"INDEX", "T01"}}).substr(0, 2048 + 300), "*"},
        {"mdx counting 49 tags", "vm001.mdx", indexFile(".mdx", {{"INDEX"}}).replace(28, 1, "\x31"), "*"},
        {"production flag, no file", "", "", "*", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string p = dir.path("vm001.dbf");
        const std::string record = std::string(" ") + "    5" + "91" + "   12" + "alpha     " + "note      ";
        std::string table = rawTable(
            {{"INDEX", 'N', 5}, {"STATUS", 'C', 2}, {"T01", 'N', 5}, {"T33", 'C', 10}, {"NOTE", 'C', 10}}, {record});
        table[28] = c.flag ? 1 : 0;
        WriteBytes(p, table);
        if (*c.file)
            WriteBytes(dir.path(c.file), c.bytes);
        const std::string index = *c.file ? c.file : "header byte 28";
        const std::string keys = std::string(" ") + c.keys + " ";
        auto isKey = [&](const std::string& name) {
            return keys == " * " || keys.find(" " + name + " ") != std::string::npos;
        };

        auto t = Table::open(p);
        ASSERT_TRUE(t && t->go(1));
        EXPECT_EQ(t->writeRefusal(), WriteRefusal::None);
        for (int f = 1; f <= int(t->fieldCount()); ++f) {
            const std::string name = t->fieldName(f);
            EXPECT_TRUE(t->assignText(f, bytesOf(*t, f))) << name << " keeps its value: " << t->lastError();
            EXPECT_EQ(t->assignText(f, "7"), !isKey(name)) << name;
            if (isKey(name))
                expectNamed(*t, {p, "field " + name, index});
            EXPECT_EQ(t->lastError().find_first_of("\x01\xe9"), std::string::npos) << "only printable bytes";
        }
        const std::string after = recordOf(*t);
        EXPECT_EQ(t->markDeleted() && t->recall(), !isKey("DELETED"));
        if (isKey("DELETED"))
            expectNamed(*t, {p, "deletion flag", index});
        for (const auto& [op, refused] :
             {std::pair{"appendBlank", !t->appendBlank()}, {"blank", !t->blank()}, {"pack", !t->pack()}}) {
            EXPECT_TRUE(refused) << op;
            expectNamed(*t, {p, index});
        }
        t.reset();
        t = Table::open(p);
        ASSERT_TRUE(t && t->go(1) && t->recordCount() == 1);
        EXPECT_FALSE(t->isDeleted());
        EXPECT_EQ(recordOf(*t), after);
        EXPECT_EQ(after.substr(0, 5), isKey("INDEX") ? "    5" : "    7");
    }
}

TEST(DbfIndexGuard, TablesWeMayNotWriteSayEveryReason)
{
    const struct {
        const char* what;
        std::size_t at;
        char byte;
        const char* index;  // beside the table, "" for none
        WriteRefusal why;
        std::vector<std::string> reasons;
    } cases[] = {
        // clang-format off
        {"encrypted", 15, '\x01', "", WriteRefusal::Encrypted, {"encryption flag"}},
        {"Visual FoxPro", 0, '\x30', "", WriteRefusal::UnsupportedVersion, {"Visual FoxPro", "0x30"}},
        {"Visual FoxPro with an index", 0, '\x31', "VM001.CDX", WriteRefusal::UnsupportedVersion,
         {"Visual FoxPro", "index file VM001.CDX"}},
        {"unknown version", 0, '\x7f', "", WriteRefusal::UnsupportedVersion, {"unknown table version 0x7F"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        std::string bytes = smallTable();
        bytes[c.at] = c.byte;
        WriteBytes(dir.path("vm001.dbf"), bytes);
        if (*c.index)
            WriteBytes(dir.path(c.index), indexFile(".cdx", {}));
        expectEveryWriteRefused(dir.path("vm001.dbf"), c.why, c.reasons);
    }
}

TEST(DbfIndexGuard, UnwritableFileOpensReadOnly)
{
    TempDir dir;
    const std::string p = dir.path("ro.dbf");
    WriteBytes(p, smallTable());
    ASSERT_EQ(::chmod(p.c_str(), 0444), 0);
    if (::geteuid() != 0) {
        expectEveryWriteRefused(p, WriteRefusal::ReadOnlyFile, {"cannot be opened for writing"});
        return;
    }
    // Permissions do not stop root: look as an unprivileged user instead.
    ASSERT_EQ(::chmod(dir.root().c_str(), 0755), 0);
    EXPECT_TRUE(InChildProcess([&] {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            return false;
        auto t = Table::open(p);
        return t && t->writeRefusal() == WriteRefusal::ReadOnlyFile && t->go(1) && bytesOf(*t, 1) == "alpha     " &&
               !t->assignText(1, "x") && !t->appendBlank() &&
               t->lastError().find("cannot be opened for writing") != std::string::npos;
    }));
    EXPECT_EQ(ReadBytes(p), smallTable());
}
