// kxalarm: the configuration console's main window.
//
// Start: the language of kxaconf.ini, then one console per window title (a
// second start brings the first window forward and ends), then the main
// window; its form opens the mailbox table, loads the groups, fills the
// lists and starts the background threads.

#include "console/ConsoleSession.h"
#include "console/ui/CAlarmForm.h"
#include "console/ui/CMainFrame.h"
#include "core/Configuration.h"
#include "platform/MessageBoxes.h"
#include "platform/SitePaths.h"
#include "platform/ui/Language.h"
#include "platform/ui/QtMessageBoxes.h"
#include "platform/ui/SingleInstance.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("kxalarm");

    QCommandLineParser options;
    options.setApplicationDescription("The configuration console of the alarm notification server.");
    options.addHelpOption();
    const QCommandLineOption root("root", "The site's drive root (default: $KX_ROOT, else /).", "DIR");
    const QCommandLineOption windir("windir", "The site's Windows directory (default: $KX_WINDIR, else ROOT/windows).",
                                    "DIR");
    options.addOption(root);
    options.addOption(windir);
    options.process(app);
    kx::SitePaths::configureFromEnvironment();
    const char* envWindir = std::getenv("KX_WINDIR");
    kx::SitePaths::configure(options.isSet(root) ? options.value(root).toStdString() : kx::SitePaths::root(),
                             options.isSet(windir) ? options.value(windir).toStdString()
                                                   : std::string(envWindir ? envWindir : ""));

    kx::ui::QtMessageBoxes boxes;
    kx::SetMessageBoxHandler(&boxes);

    kx::ui::LoadLanguage(kx::config::DefaultLanguage());

    kx::ui::SingleInstance instance(kx::ui::CMainFrame::windowTitleText());
    if (instance.handOverToRunningInstance())
        return 0;
    instance.listen();

    kx::console::ConsoleSession session;
    kx::ui::CMainFrame frame(session);
    QObject::connect(&instance, &kx::ui::SingleInstance::bringForwardRequested, &frame,
                     &kx::ui::CMainFrame::bringForward);
    frame.form()->initialUpdate();
    frame.show();
    const int result = app.exec();
    frame.form()->stopThreads();
    kx::SetMessageBoxHandler(nullptr);
    return result;
}
