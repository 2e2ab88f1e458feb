// Tables we may read but must not write: indexed tables (we do not maintain
// index files), encrypted or foreign versions, files we cannot write.

#include "DbfTestSupport.h"

using namespace kxtest;
using kx::dbf::WriteRefusal;

namespace {

// Every write operation fails, names the table and the reason, and the file stays as it was.
void expectEveryWriteRefused(const std::string& path, WriteRefusal why, const std::string& reason) {
    SCOPED_TRACE(reason);
    const std::string before = readFile(path);
    auto t = Table::open(path);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->writeRefusal(), why);
    ASSERT_TRUE(t->go(1));
    EXPECT_EQ(bytesOf(*t, 1), "alpha     ") << "reading still works";
    const std::pair<const char*, bool> attempts[] = {
        {"assignText", t->assignText(1, "x")}, {"assignDouble", t->assignDouble(2, 1)},
        {"blank", t->blank()},                 {"markDeleted", t->markDeleted()},
        {"recall", t->recall()},               {"appendBlank", t->appendBlank()},
        {"pack", t->pack()},                   {"lock", t->lock()},
    };
    for (const auto& [op, result] : attempts) {
        EXPECT_FALSE(result) << op;
        EXPECT_NE(t->lastError().find(path), std::string::npos) << op << ": " << t->lastError();
        EXPECT_NE(t->lastError().find(reason), std::string::npos) << op << ": " << t->lastError();
    }
    EXPECT_TRUE(t->flush());
    t.reset();
    EXPECT_EQ(readFile(path), before);
}

}  // namespace

TEST(DbfIndexGuard, ProductionIndexFlagRefusesWrites) {
    TempDir dir;
    std::string bytes = smallTable();
    bytes[28] = '\x01';
    writeFile(dir.path("flag.dbf"), bytes);
    expectEveryWriteRefused(dir.path("flag.dbf"), WriteRefusal::ProductionIndex, "production index flag");
}

TEST(DbfIndexGuard, SiblingIndexFileOfAnyCaseRefusesWrites) {
    for (const char* index : {"vm001.mdx", "VM001.CDX", "Vm001.nDx", "vm001.NTX"}) {
        TempDir dir;
        writeFile(dir.path("vm001.dbf"), smallTable());
        writeFile(dir.path(index), "index");
        expectEveryWriteRefused(dir.path("vm001.dbf"), WriteRefusal::ProductionIndex, std::string("index file ") + index);
    }
    TempDir dir;  // an index of another table does not count
    writeFile(dir.path("vm001.dbf"), smallTable());
    writeFile(dir.path("vm0012.ndx"), "index");
    writeFile(dir.path("vm001.idx.bak"), "index");
    auto t = Table::open(dir.path("vm001.dbf"));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->writeRefusal(), WriteRefusal::None);
}

TEST(DbfIndexGuard, EncryptedAndForeignVersionsAreReadOnly) {
    TempDir dir;
    std::string bytes = smallTable();
    bytes[15] = '\x01';
    writeFile(dir.path("enc.dbf"), bytes);
    expectEveryWriteRefused(dir.path("enc.dbf"), WriteRefusal::Encrypted, "encryption flag");

    bytes = smallTable();
    bytes[0] = '\x30';
    writeFile(dir.path("vfp.dbf"), bytes);
    expectEveryWriteRefused(dir.path("vfp.dbf"), WriteRefusal::UnsupportedVersion, "0x30");

    bytes[0] = '\x7f';
    writeFile(dir.path("unknown.dbf"), bytes);
    expectEveryWriteRefused(dir.path("unknown.dbf"), WriteRefusal::UnsupportedVersion, "unknown table version 0x7F");
}

TEST(DbfIndexGuard, UnwritableFileOpensReadOnly) {
    TempDir dir;
    const std::string p = dir.path("ro.dbf");
    writeFile(p, smallTable());
    ASSERT_EQ(::chmod(p.c_str(), 0444), 0);
    if (::geteuid() != 0) {
        expectEveryWriteRefused(p, WriteRefusal::ReadOnlyFile, "cannot be opened for writing");
        return;
    }
    // Permissions do not stop root: look as an unprivileged user instead.
    ASSERT_EQ(::chmod(dir.dir().c_str(), 0755), 0);
    EXPECT_TRUE(inChild([&] {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) return false;
        auto t = Table::open(p);
        return t && t->writeRefusal() == WriteRefusal::ReadOnlyFile && t->go(1) && bytesOf(*t, 1) == "alpha     " &&
               !t->assignText(1, "x") && !t->appendBlank() &&
               t->lastError().find("cannot be opened for writing") != std::string::npos;
    }));
    EXPECT_EQ(readFile(p), smallTable());
}
