// kxalarmctl print: the configuration printout as a PDF file, drawn by the
// window's renderer on the offscreen platform, so it needs no display.

#include "alarmconfig/Printout.h"
#include "alarmconfig/ui/PrintoutRenderer.h"
#include "app/ctl/CtlCommand.h"
#include "console/ConsoleSession.h"
#include "console/ui/CMainFrame.h"
#include "console/ui/ConsoleIcons.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace kx::ctl {

namespace {

const std::map<std::string, QPageSize::PageSizeId> kPageSizes = {
    {"A4", QPageSize::A4}, {"Letter", QPageSize::Letter}, {"A5", QPageSize::A5}, {"Legal", QPageSize::Legal}};

struct PrintRequest {
    std::string file;
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    bool landscape = false;
    bool alarms = false;
    bool alarmIns = false;
    bool groups = false;
};

// The arguments; an empty message when they are sound.
std::string parse(const Arguments& args, PrintRequest& request)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "--pdf" || a == "--page-size") && i + 1 >= args.size())
            return a + " expects a value";
        if (a == "--pdf") {
            request.file = args[++i];
        } else if (a == "--page-size") {
            const auto size = kPageSizes.find(args[++i]);
            if (size == kPageSizes.end())
                return "unknown page size " + args[i] + " (A4, Letter, A5 or Legal)";
            request.pageSize = size->second;
        } else if (a == "--landscape") {
            request.landscape = true;
        } else if (a == "alarms") {
            request.alarms = true;
        } else if (a == "alarms-in") {
            request.alarmIns = true;
        } else if (a == "groups") {
            request.groups = true;
        } else {
            return "unknown argument " + a;
        }
    }
    if (request.file.empty())
        return "expects --pdf FILE";
    if (!request.alarms && !request.alarmIns && !request.groups)
        request.alarms = request.alarmIns = request.groups = true;
    return {};
}

int runPrint(const Arguments& args)
{
    const Command& self = *FindCommand("print");
    PrintRequest request;
    if (const std::string problem = parse(args, request); !problem.empty())
        return UsageError(self, problem);

    console::ConsoleSession session;
    if (!session.start())
        return Fail("the mailbox table could not be opened");
    alarmconfig::printout::Content content;
    content.withAlarms = request.alarms;
    content.withAlarmIns = request.alarmIns;
    content.withGroups = request.groups;
    const auto alarms = session.alarmRows();
    const auto alarmIns = session.alarmInRows();
    if (!alarms || !alarmIns)
        return Fail("the mailbox table could not be read");
    content.alarms = *alarms;
    content.alarmIns = *alarmIns;
    if (request.groups) {
        const auto selector = session.loadGroups();
        if (!selector)
            return Fail("the group table could not be opened");
        content.groups = alarmconfig::printout::LoadGroups(selector->entries, session.personsDirectory());
    }

    // Only this command draws, and it draws without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kxalarmctl";
    static char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    // The file is written under a temporary name and renamed when complete.
    QSaveFile file(QString::fromLocal8Bit(request.file.c_str()));
    if (!file.open(QIODevice::WriteOnly))
        return Fail("cannot write " + request.file + ": " + file.errorString().toStdString());
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("kxalarmctl"));
        writer.setTitle(QStringLiteral("kxalarm"));
        writer.setPageLayout(QPageLayout(QPageSize(request.pageSize),
                                         request.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        ui::PrintoutRenderer renderer(content, ui::CMainFrame::windowTitleText(), ui::RenderAlarmImage);
        if (!renderer.print(writer))
            return Fail("the printout could not be drawn");
        pages = renderer.pageCount();
    }
    if (!file.commit())
        return Fail("cannot write " + request.file + ": " + file.errorString().toStdString());
    std::printf("%d\n", pages);
    return kExitOk;
}

const CommandRegistration registration(
    45, {"print", "print --pdf FILE [--page-size A4|Letter|A5|Legal] [--landscape] [alarms] [alarms-in] [groups]",
         "Writes the configuration printout of \"Print...\" to the PDF file FILE: the alarm and alarm-in\n"
         "lists as `list` shows them and every group with its members (the sections named, always in\n"
         "that order; all without a name). Default page A4 portrait with 10 mm margins. FILE is written\n"
         "under a temporary name and replaced only when complete. Prints the page count. Exit 1 when\n"
         "FILE cannot be written. Needs no display.",
         runPrint});

}  // namespace

}  // namespace kx::ctl
