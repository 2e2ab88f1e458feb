// The configuration printout of a 10,000-key site whose alarm range (10 to
// 4999) and alarm-in range (5000 to 5999) are full, with the demo site's
// 21 groups, to a PDF in memory: the lists read as kxalarmctl print reads
// them, laid out and drawn. The goal: at most 2 s.

#include "alarmconfig/Printout.h"
#include "alarmconfig/ui/PrintoutRenderer.h"
#include "bench/BenchSite.h"
#include "console/ConsoleSession.h"
#include "console/ui/ConsoleIcons.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "platform/SitePaths.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

void useFullSite()
{
    static const std::string dir = [] {
        const std::string path = kx::bench::BuildBenchSite("kx-bench-printout");
        CDatabase table;
        if (!table.Open("\\db1\\vm001.dbf"))
            throw std::runtime_error("vm001.dbf");
        const std::string status = kx::mailbox::PhysicalName(kx::mailbox::PositionOfLogicalName("status"));
        table.Lock();
        for (long key = 10; key <= 5999; ++key) {
            table.Go(kx::mailbox::RecordOfKey(key));
            table.Replace(status.c_str(), key < 5000 ? "91" : "92");
            table.Replace("T33", ("Alarm building " + std::to_string(key)).c_str());
        }
        table.Flush();
        table.Unlock();
        table.Close();
        return path;
    }();
    kx::SitePaths::configure(dir, {});
}

void PrintFullSiteToPdf(benchmark::State& state)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    useFullSite();
    int pages = 0;
    for (auto _ : state) {
        kx::console::ConsoleSession session;
        session.start();
        kx::alarmconfig::printout::Content content;
        content.alarms = session.alarmRows().value();
        content.alarmIns = session.alarmInRows().value();
        content.groups =
            kx::alarmconfig::printout::LoadGroups(session.loadGroups()->entries, session.personsDirectory());
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        kx::ui::PrintoutRenderer renderer(content, "Quillon - Alarm Control Center Tellmark", kx::ui::RenderAlarmImage);
        renderer.print(writer);
        pages = renderer.pageCount();
        state.counters["rows"] = static_cast<double>(content.alarms.size() + content.alarmIns.size());
        state.counters["bytes"] = static_cast<double>(buffer.size());
    }
    state.counters["pages"] = pages;
}
BENCHMARK(PrintFullSiteToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
