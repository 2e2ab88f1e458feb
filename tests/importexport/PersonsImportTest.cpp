// The persons import: free records are taken in order and never a person
// overwritten; the table always ends with a free, numbered record.

#include "platform/SitePaths.h"
#include "tests/importexport/ImportFixture.h"

#include <sys/stat.h>

namespace kx::test {
namespace {

using importexport::Outcome;

class PersonsImportTest : public ImportFixture {
protected:
    // "NAME|TT1|TY1|DEPARTMENT|IDXP" of each record from `first` on.
    static std::vector<std::string> records(unsigned long first)
    {
        std::vector<std::string> out;
        CDatabase db;
        if (!db.Open("\\db1\\kxpers.dbf"))
            return out;
        for (unsigned long r = first; r <= db.RecCount(); ++r) {
            db.Go(r);
            std::string line;
            for (const char* f : {"NAME", "TT1", "TY1", "DEPARTMENT", "IDXP"}) {
                std::string v;
                db.Read(f, v);
                line += v + (f[0] == 'I' ? "" : "|");
            }
            out.push_back(line);
        }
        db.Close();
        return out;
    }
};

TEST_F(PersonsImportTest, PersonsTakeFreeRecordsAndTheTableGrows)
{
    const std::vector<std::string> before = records(1);
    ASSERT_EQ(before.size(), 16u);
    const importexport::OperationResult result = persons(
        "Ann;1;INT;Lab\nBob;2\n;3;INT\nCid;3;EXT\n\nDan;4;GSM; \nEve;5;SMS\n" + std::string(40, 'F') + ";6;INT;x\n");
    EXPECT_EQ(result.outcome, Outcome::DoneWithRemarks);
    EXPECT_EQ(result.count, 5);
    EXPECT_EQ(result.linesSkipped, 2);
    EXPECT_EQ(result.valuesCut, 1);
    EXPECT_EQ(result.remarks.front(), "Line 2: the line has no name, telephone number or type and was skipped.");
    // clang-format off
    const std::vector<std::string> expected = {"Ann|1|INT|Lab|0013", "Cid|3|EXT||0014", "Dan|4|GSM||0015",
                                               "Eve|5|SMS||0016", std::string(30, 'F') + "|6|INT|x|0017", "||||0018"};
    // clang-format on
    EXPECT_EQ(records(13), expected);
    const std::vector<std::string> after = records(1);
    EXPECT_EQ(std::vector<std::string>(after.begin(), after.begin() + 12),
              std::vector<std::string>(before.begin(), before.begin() + 12));
}

TEST_F(PersonsImportTest, RefusalsWriteNothing)
{
    const std::string before = written();
    importexport::OperationResult result = persons("Ann;1;INT;Lab\nBob;2;INT;Lab;extra\n");
    EXPECT_EQ(result.outcome, Outcome::Refused);
    EXPECT_EQ(result.error.substr(0, 38), "Line 2: the line has a value in column");

    site.write("db1/KXPERS.MDX", "index");
    EXPECT_EQ(persons("Ann;1;INT\n").error.substr(0, 57),
              "The persons table \\db1\\kxpers.dbf cannot be written: the ");
    std::filesystem::remove(site.path("db1/KXPERS.MDX"));

    if (::geteuid() != 0) {  // root writes whatever the mode says
        ::chmod(site.path("db1/kxpers.dbf").c_str(), 0444);
        EXPECT_EQ(persons("Ann;1;INT\n").error,
                  "The persons table \\db1\\kxpers.dbf cannot be written: it is read-only.");
    }
    EXPECT_EQ(written(), before);
}

}  // namespace
}  // namespace kx::test
