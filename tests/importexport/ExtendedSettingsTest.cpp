// The extended settings: the separators written on opening, the paths'
// defaults, the error alarm list, and the buttons' operations.

#include "importexport/ExtendedSettings.h"
#include "importexport/AlarmExport.h"
#include "platform/Profile.h"
#include "tests/common/DemoSiteFixture.h"

namespace kx::importexport {
namespace {

class ExtendedSettingsTest : public test::DemoSiteFixture {
protected:
    std::string stored(const char* section, const char* key)
    {
        return ProfileString("kxalarm.ini", section, key, "<missing>");
    }
};

TEST_F(ExtendedSettingsTest, Open_WritesMissingSeparatorsAndFormsThePaths)
{
    ASSERT_TRUE(DeleteProfileKey("kxalarm.ini", "config", "CSVSeparationChar"));
    ExtendedSettings model;
    model.load();
    EXPECT_EQ(stored("config", "CSVSeparationChar"), ";");
    const std::string work = site.path("work");
    EXPECT_EQ(model.nativePath("AlarmImportPath") + "|" + model.nativePath("AlarmExportPath") + "|" +
                  model.nativePath("PersonsImportPath"),
              work + "/kxalarm.csv|" + work + "/kxalarm.csv|" + work + "/kxpers.csv");

    // Stored separators stay as they are, also ones the reader refuses.
    ASSERT_TRUE(WriteProfileString("kxalarm.ini", "config", "CSVSeparationChar", "ab"));
    model.load();
    EXPECT_EQ(model.shown("CSVSeparationChar"), "ab");
    EXPECT_TRUE(model.ok());
    EXPECT_EQ(stored("config", "CSVSeparationChar"), "ab");
}

TEST_F(ExtendedSettingsTest, Ok_WritesTheKeysAndRefusesUnusableSeparators)
{
    ASSERT_TRUE(WriteProfileString("kxalarm.ini", "kxaerror", "ErrorNumber", "5"));  // not an alarm
    ExtendedSettings model;
    model.load();
    EXPECT_EQ(model.value("ErrorNumber"), "5");
    EXPECT_EQ(model.row("ErrorNumber")->option("5"), nullptr);
    EXPECT_EQ(model.options("ErrorNumber").back().token, "0");  // "Do not launch an alarm" last
    EXPECT_FALSE(model.isEnabled("ErrorNumber"));

    EXPECT_EQ(model.changeShown("CSVSeparationChar", "a"), settings::Change::Done);
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(stored("config", "WaitAfterPostjob"), "<missing>");

    EXPECT_EQ(model.changeShown("CSVSeparationChar", ";,"), settings::Change::Done);
    EXPECT_EQ(model.change("WaitAfterPostjob", "7"), settings::Change::Done);
    EXPECT_TRUE(model.ok());
    EXPECT_EQ(stored("config", "WaitAfterPostjob") + "|" + stored("kxaerror", "ErrorNumberActive") + "|" +
                  stored("kxaerror", "ErrorNumber") + "|" + stored("config", "CSVSeparationChar"),
              "7|0|5|;,");
}

TEST_F(ExtendedSettingsTest, Buttons_RunTheOperationsOnTheDialogsPaths)
{
    ExtendedSettings model;
    model.load();
    ASSERT_EQ(model.change("AlarmExportPath", site.path("work/out.csv")), settings::Change::Done);
    EXPECT_EQ(model.press("export-alarms"), settings::Change::Done);
    EXPECT_EQ(site.read("work/out.csv").rfind(std::string(kExportHeader) + "\r\n", 0), 0u);
    EXPECT_TRUE(boxes.shown().empty());

    // Importing what was exported; the persons file is missing.
    const struct {
        const char* path;
        const char* button;
        const char* file;
        char kind;  // of the last message
    } runs[] = {
        {"AlarmImportPath", "import-alarms", "work/out.csv", 'I'},
        {"PersonsImportPath", "import-persons", "work/none.csv", 'E'},
    };
    for (const auto& run : runs) {
        boxes.clear();
        ASSERT_EQ(model.change(run.path, site.path(run.file)), settings::Change::Done);
        EXPECT_EQ(model.press(run.button), settings::Change::Done);
        ASSERT_FALSE(boxes.shown().empty()) << run.button;
        EXPECT_EQ(boxes.shown().back().kind, run.kind) << run.button;
    }

    // A runner takes the operation with the path as it stands.
    std::string ran;
    model.setRunner([&ran](Operation, const std::string& path, const ExtendedSettings::Work&) { ran = path; });
    EXPECT_EQ(model.press("import-persons"), settings::Change::Done);
    EXPECT_EQ(ran, model.nativePath("PersonsImportPath"));
}

}  // namespace
}  // namespace kx::importexport
