#pragma once
// Helpers for the table engine tests: hand-built tables and index files, and
// running commands and children.

#include "tableengine/DbfTable.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

namespace kxtest {

using kx::dbf::FieldInfo;
using kx::dbf::Table;
using kx::test::InChildProcess;
using kx::test::ReadBytes;
using kx::test::TempDir;
using kx::test::WriteBytes;

inline std::string le(std::uint32_t v, int bytes)
{
    std::string s;
    for (int i = 0; i < bytes; ++i)
        s += char((v >> (8 * i)) & 0xFF);
    return s;
}

struct RawField {
    std::string name;  // written as is, NUL-padded to 11 bytes
    char type;
    unsigned char length;
    unsigned char decimals = 0;
};

// A table file built byte by byte; each record is flag + field bytes.
inline std::string rawTable(const std::vector<RawField>& fields, const std::vector<std::string>& records,
                            unsigned char version = 0x03)
{
    std::uint32_t rl = 1;
    for (const RawField& f : fields)
        rl += f.length;
    const std::uint32_t hl = std::uint32_t(32 + 32 * fields.size() + 1);
    std::string s(1, char(version));
    s += std::string("\x7c\x01\x02", 3) + le(std::uint32_t(records.size()), 4) + le(hl, 2) + le(rl, 2);
    s += std::string(17, '\0') + '\x57' + std::string(2, '\0');
    for (const RawField& f : fields) {
        std::string d = f.name.substr(0, 11);
        d.resize(11, '\0');
        d += f.type + std::string(4, '\0') + char(f.length) + char(f.decimals) + std::string(14, '\0');
        s += d;
    }
    s += '\x0d';
    for (const std::string& r : records)
        s += r;
    return s + '\x1a';
}

// Two fields NAME C(10), NUM N(6,2) and two records; header and record lengths.
constexpr std::size_t kHL = 32 + 2 * 32 + 1, kRL = 17;
inline std::string smallTable()
{
    return rawTable({{"NAME", 'C', 10}, {"NUM", 'N', 6, 2}}, {" alpha       1.50", "*beta       -2.00"});
}

// An index file built byte by byte, holding its expressions where its format
// keeps them (by the extension of `name`, any case); the key pages stay empty.
//  .ndx: key at 24.  .ntx: key at 22, filter at 282.
//  .mdx: tag count at 28, tag table at 544 (32 bytes a tag: header page, name);
//        a tag header on page 4 + 2i (512 bytes a page): key at 24, filter flag at 245, filter at 762.
//  anything else (.cdx): 1024 zero bytes.
struct IndexTag {
    std::string key;
    std::string filter = "";
};
inline std::string indexFile(const std::string& name, const std::vector<IndexTag>& tags)
{
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    std::string s(ext == ".mdx" ? 2048 + 1024 * tags.size() : 1024, '\0');
    auto put = [&s](std::size_t at, const std::string& bytes) { s.replace(at, bytes.size(), bytes); };
    if (ext == ".ndx") {
        put(0, le(1, 4));
        put(24, tags.at(0).key);
    } else if (ext == ".ntx") {
        put(0, le(6, 2));
        put(22, tags.at(0).key);
        put(282, tags.at(0).filter);
    } else if (ext == ".mdx") {
        s[0] = 2;
        s[26] = 32;
        put(28, le(std::uint32_t(tags.size()), 2));
        for (std::size_t i = 0; i < tags.size(); ++i) {
            const std::uint32_t page = std::uint32_t(4 + 2 * i);
            put(544 + 32 * i, le(page, 4) + "TAG" + std::to_string(i + 1));
            put(page * 512 + 24, tags[i].key);
            s[page * 512 + 245] = tags[i].filter.empty() ? 0 : 1;
            put(page * 512 + 762, tags[i].filter);
        }
    }
    return s;
}

// A new table "r.dbf" (or `name`) of NAME C(10) and NUM N(6) with records "recN", N.
inline std::unique_ptr<Table> tableWith(const TempDir& dir, int records, const char* name = "r.dbf")
{
    auto t = Table::create(dir.path(name), {{"NAME", 'C', 10, 0}, {"NUM", 'N', 6, 0}});
    for (int i = 1; t && i <= records; ++i) {
        if (!t->appendBlank() || !t->assignText(1, "rec" + std::to_string(i)) || !t->assignDouble(2, i))
            return nullptr;
    }
    return t;
}

inline std::string bytesOf(Table& t, int field)
{
    return std::string(t.fieldBytes(field));
}

// The current record's fields, each followed by '|'.
inline std::string recordOf(Table& t)
{
    std::string s;
    for (int f = 1; f <= int(t.fieldCount()); ++f)
        s += bytesOf(t, f) + '|';
    return s;
}

// Runs a shell command; returns its exit status, its standard output in *out.
inline int runCommand(const std::string& command, std::string* out)
{
    FILE* p = ::popen(command.c_str(), "r");
    if (!p)
        return -1;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        out->append(buf, n);
    const int status = ::pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace kxtest
