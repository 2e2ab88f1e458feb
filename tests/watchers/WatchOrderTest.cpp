// The watch orders of one alarm (server watch, service and process watch):
// the comment read and written, the refusals, the login file and the
// listing scripts.

#include "platform/SitePaths.h"
#include "settings/SettingsRegistry.h"
#include "tests/common/DemoSiteFixture.h"
#include "tests/common/StandInPrograms.h"

#include <sys/stat.h>

#include <filesystem>

namespace kx::watchers {
namespace {

constexpr long kAlarm = 100;

class WatchOrderTest : public test::DemoSiteFixture {
protected:
    // The dialog `name` opened for kAlarm with `stored` as its comment, then
    // the changes "name=value" in order.
    std::unique_ptr<settings::SettingsModel> open(const char* name, const std::string& stored,
                                                  const std::vector<std::string>& changes = {})
    {
        setFields(kAlarm, {{"text_opt1", stored}});
        auto model = settings::FindSettingsDialog(name)->make();
        model->load(kAlarm);
        for (const std::string& c : changes)
            EXPECT_EQ(model->changeShown(c.substr(0, c.find('=')), c.substr(c.find('=') + 1)), settings::Change::Done)
                << c;
        return model;
    }
    // The listed values as kxalarmctl prints them, joined by "|".
    static std::string values(const settings::SettingsModel& model)
    {
        std::string out;
        for (const settings::SettingRow& row : model.rows())
            if (row.listed && row.kind != settings::Kind::Button)
                out += model.shown(row.name) + "|";
        return out.substr(0, out.size() - 1);
    }
    static unsigned modeOf(const std::string& path)
    {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    }
};

TEST_F(WatchOrderTest, OrdersOpenAndSaveWithEveryWordOfTheComment)
{
    writeIni("kxaservw.ini", "[10.0.0.2]\nlogin=admin\npassword=secret\n");
    const struct {
        const char* dialog;
        const char* stored;
        std::vector<std::string> changes;
        const char* shown;    // the values after the changes
        const char* written;  // the comment after OK
    } cases[] = {
        // clang-format off
        {"server-watch", "KXAPING 10.0.0.1 main router  2", {},
         "10.0.0.1|main router  2", "KXAPING 10.0.0.1 main router  2"},
        {"server-watch", "Fire alarm building 47", {"address=1.2.3.4"}, "1.2.3.4|", "KXAPING 1.2.3.4"},
        {"service-watch", "KXASERVW 10.0.0.2\\Spooler print server", {},
         "service|remote|10.0.0.2|Spooler|admin|******|print server", "KXASERVW 10.0.0.2\\Spooler print server"},
        {"service-watch", "KXAPROCW 10.0.0.3\\kxtserv", {"location=local", "login=op", "password=pw"},
         "process|local|10.0.0.3|kxtserv|op|**|", "KXAPROCW 127.0.0.1\\kxtserv"},
        {"service-watch", "", {"kind=process", "location=remote", "address=10.0.0.2", "name=abcdefghijklmnopqrstuvwxy"},
         "process|remote|10.0.0.2|abcdefghijklmnopqrstuvwxy|admin|******|", "KXAPROCW 10.0.0.2\\abcdefghijklmno"},
        {"service-watch", "", {}, "||||||", nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        const auto model = open(c.dialog, c.stored, c.changes);
        EXPECT_EQ(values(*model), c.shown) << c.stored;
        if (!c.written)
            continue;
        boxes.answer(true);  // save
        boxes.answer(true);  // autostart
        EXPECT_TRUE(model->ok()) << c.stored;
        EXPECT_EQ(field(kAlarm, "text_opt1"), c.written);
    }
    EXPECT_NE(ini("kxtserv.ini").find("Params=kxaping 1\r\n"), std::string::npos);
    EXPECT_NE(ini("kxtserv.ini").find("Params=kxaservw 1\r\n"), std::string::npos);
    EXPECT_EQ(iniLines("kxaservw.ini"),
              "[10.0.0.2]\nlogin=admin\npassword=secret\n[127.0.0.1]\nlogin=op\npassword=pw\n");
}

TEST_F(WatchOrderTest, RefusedOrdersWriteNothing)
{
    const std::string longComment(50, 'x');
    const auto with = [](const std::string& change) {  // a service order with one more change
        return std::vector<std::string>{"kind=service", "location=remote", "address=10.0.0.2", "name=Spooler", change};
    };
    const struct {
        const char* dialog;
        std::vector<std::string> changes;
        const char* message;
    } cases[] = {
        {"server-watch", {"address=1234567"}, "No valid ip address defined to watch remote server by ping!"},
        {"server-watch", {"address=.1.2.3.4"}, "No valid ip address"},
        {"server-watch", {"address=10.0.0.1\\x"}, "must not contain a blank or a backslash"},
        {"server-watch", {"address=10.0.0.1", "comment=" + longComment}, "holds at most 65 characters"},
        {"server-watch", {"address=10.0.0.1"}, "Save settings for server watch on ip-address: 10.0.0.1 ?"},
        {"service-watch", with("name="), "No valid service or process defined to watch!"},
        {"service-watch", with("address=10.0.0"), "No valid ip address defined to watch service or process"},
        {"service-watch", with("name=print spooler"), "name of the service or process must not contain a blank"},
        {"service-watch", with("address=10.0.0.2 x"), "ip address must not contain a blank"},
        {"service-watch", with("comment=" + longComment), "holds at most 65 characters"},
        {"service-watch", with("location=local"), "Save settings for service watch on local system ?"},
    };
    for (const auto& c : cases) {
        boxes.clear();
        const auto model = open(c.dialog, "KXAPING 10.0.0.9 old", c.changes);
        EXPECT_FALSE(model->ok()) << c.message;  // the question is answered No
        ASSERT_FALSE(boxes.texts().empty());
        EXPECT_NE(boxes.texts().back().find(c.message), std::string::npos) << boxes.texts().back();
        EXPECT_EQ(field(kAlarm, "text_opt1"), "KXAPING 10.0.0.9 old");
    }
    // A mailbox table that does not open: reported with its path.
    const auto model = open("server-watch", "KXAPING 10.0.0.9 old");
    std::filesystem::rename(site.path("db1/vm001.dbf"), site.path("db1/vm001.old"));
    model->load(kAlarm);
    model->change("address", "10.0.0.1");
    EXPECT_FALSE(model->ok());
    EXPECT_NE(boxes.texts().back().find("impossible to open alarm-database"), std::string::npos);
    EXPECT_EQ(ini("kxtserv.ini") + ini("kxaservw.ini"), "");
}

TEST_F(WatchOrderTest, ANewLoginFileIsForOwnerAndGroupAndTypedAddressesBringTheirLogin)
{
    const std::string file = SitePaths::profileFile("kxaservw.ini");
    for (const unsigned before : {0u, 0604u}) {
        ::chmod(file.c_str(), before);  // none the first time
        boxes.answer(true);
        EXPECT_TRUE(open("service-watch", "KXASERVW 10.0.0.5\\cron", {"login=root", "password=toor"})->ok());
        EXPECT_EQ(modeOf(file), before ? before : 0640u);
    }
    // The same address again (the dialog commits what was typed) keeps the typed login.
    const auto model = open("service-watch", "KXASERVW 10.0.0.2\\x", {"login=a", "address=10.0.0.5"});
    EXPECT_EQ(model->shown("login") + model->shown("password"), "root****");
    model->changeShown("login", "b");
    model->changeShown("address", "10.0.0.5");
    EXPECT_EQ(model->value("login"), "b");
}

TEST_F(WatchOrderTest, ShowListsThroughItsScriptWithThePasswordOnlyInTheEnvironment)
{
    test::StandInPrograms programs(site.path("bin"));
    programs.add("ps");
    programs.add("myeditor");
    programs.add("ssh", "printf 'askpass=%s\\n' \"$(\"$SSH_ASKPASS\" Password:)\" >> \"" + programs.directory() +
                            "/calls.txt\"");
    ::setenv("KX_EDITOR", "myeditor", 1);
    const std::string script = site.path("work/showproc.sh");

    auto model = open("service-watch", "KXAPROCW 127.0.0.1\\cron", {"login=-x y", "password=p 'w\" $HOME"});
    ASSERT_EQ(model->press("show"), settings::Change::Done);
    EXPECT_EQ(programs.waitForCalls(2), (std::vector<std::string>{"ps|-e", "myeditor|showproc.txt"}));
    EXPECT_EQ(modeOf(script), 0700u);
    const std::string text = site.read("work/showproc.sh");
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.find("systemctl"), std::string::npos);

    programs.clear();
    model->changeShown("location", "remote");
    model->changeShown("address", "-oProxyCommand=x");
    ASSERT_EQ(model->press("show"), settings::Change::Done);
    EXPECT_EQ(programs.waitForCalls(3), (std::vector<std::string>{"ssh|-l|-x y|--|-oProxyCommand=x|ps|-e",
                                                                  "askpass=p 'w\" $HOME", "myeditor|showproc.txt"}));
    // A script that exists is used as it is.
    site.write("work/showserv.sh", "#!/bin/sh\nexec myeditor mine \"$@\"\n");
    ::chmod(site.path("work/showserv.sh").c_str(), 0750);
    programs.clear();
    model = open("service-watch", "KXASERVW 127.0.0.1\\cron");
    model->press("show");
    EXPECT_EQ(programs.waitForCalls(1), std::vector<std::string>{"myeditor|mine|127.0.0.1|"});
    EXPECT_EQ(modeOf(site.path("work/showserv.sh")), 0750u);
    ::unsetenv("KX_EDITOR");
}

}  // namespace
}  // namespace kx::watchers
