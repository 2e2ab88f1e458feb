// The console's painted images and icons.

#include "console/ui/ConsoleIcons.h"

#include <QImage>
#include <QtTest>

#include <algorithm>
#include <climits>
#include <functional>
#include <vector>

using namespace kx::ui;

namespace {

// The pixels of an image, row by row, as ARGB32.
std::vector<QRgb> pixels(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    std::vector<QRgb> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.push_back(image.pixel(x, y));
    return out;
}

// Number of pixels in which two images of the same size differ noticeably.
int differingPixels(const std::vector<QRgb>& a, const std::vector<QRgb>& b)
{
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        count += qAbs(qRed(a[i]) - qRed(b[i])) + qAbs(qGreen(a[i]) - qGreen(b[i])) + qAbs(qBlue(a[i]) - qBlue(b[i])) +
                     qAbs(qAlpha(a[i]) - qAlpha(b[i])) >
                 60;
    return count;
}

// Every image of a family: its size, painted (at least 1/`share` of the
// square it sits in), background left transparent, and each pair differing
// in at least `least` pixels.
void checkFamily(const QByteArray& family, const std::function<QPixmap(int)>& imageOf, int count, QSize size,
                 int share = 6, int least = 12)
{
    std::vector<std::vector<QRgb>> images;
    for (int index = 0; index < count; ++index) {
        const QPixmap pixmap = imageOf(index);
        const QByteArray where = family + " image " + QByteArray::number(index);
        QVERIFY2(!pixmap.isNull(), where);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
        const std::vector<QRgb> image = pixels(pixmap.toImage());
        // Clearly painted (alpha 192 and more), and some pixels left fully transparent.
        const auto opaque = std::count_if(image.begin(), image.end(), [](QRgb p) { return qAlpha(p) >= 192; });
        QVERIFY2(opaque * share >= size.height() * size.height() &&
                     std::any_of(image.begin(), image.end(), [](QRgb p) { return qAlpha(p) == 0; }),
                 where + " is nearly blank or has no transparent background");
        for (std::size_t other = 0; other < images.size(); ++other) {
            const int differing = differingPixels(images[other], image);
            QVERIFY2(differing >= least, where + " and " + QByteArray::number(qsizetype(other)) +
                                             " are nearly alike (" + QByteArray::number(differing) + " pixels differ)");
        }
        images.push_back(image);
    }
}

}  // namespace

class ConsoleIconsTest : public QObject {
    Q_OBJECT

private slots:
    void listImagesHaveTheirSizeDifferAndBadIndicesGiveNone()
    {
        checkFamily("alarm", AlarmImage, kAlarmImageCount, kAlarmImageSize);
        checkFamily("member", MemberImage, kMemberImageCount, kMemberImageSize);
        checkFamily("alarm-in", AlarmInImage, kAlarmInImageCount, kAlarmInImageSize);
        // Bad indices give empty images.
        for (int index : {-1, INT_MIN, INT_MAX})
            QVERIFY(AlarmImage(index).isNull() && MemberImage(index).isNull() && AlarmInImage(index).isNull() &&
                    RenderAlarmImage(index).isNull());
        QVERIFY(AlarmImage(kAlarmImageCount).isNull() && MemberImage(kMemberImageCount).isNull() &&
                AlarmInImage(kAlarmInImageCount).isNull() && RenderMemberImage(kMemberImageCount).isNull() &&
                RenderAlarmInImage(kAlarmInImageCount).isNull());
        // Commands without a toolbar button.
        for (int command :
             {0, -1, int(kx::console::cmd::Setup), int(kx::console::cmd::Refresh), int(kx::console::cmd::Exit)})
            QVERIFY(ToolbarIcon(command).isNull() && RenderToolbarImage(command).isNull());
    }

    void toolbarAndProgramIconsArePaintedAtEachSize()
    {
        for (int size : {16, 24, 32}) {
            const auto icon = [size](int i) {
                return ToolbarIcon(kToolbarIconCommands[std::size_t(i)]).pixmap(QSize(size, size), 1.0);
            };
            checkFamily("toolbar " + QByteArray::number(size), icon, int(std::size(kToolbarIconCommands)),
                        QSize(size, size), 5, size == 24 ? 40 : 0);
        }
        for (int size : {16, 32, 48}) {
            const auto icon = [size](int) { return ProgramIcon().pixmap(QSize(size, size), 1.0); };
            checkFamily("program " + QByteArray::number(size), icon, 1, QSize(size, size), 2);
        }
    }
};

QTEST_MAIN(ConsoleIconsTest)
#include "ConsoleIconsTest.moc"
