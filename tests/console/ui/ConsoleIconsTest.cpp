// The console's painted images and icons.

#include "console/ui/ConsoleIcons.h"

#include <QImage>
#include <QtTest>

#include <climits>
#include <functional>
#include <vector>

using namespace kx::ui;

namespace {

// Pixels that are clearly painted (alpha 192 and more), and pixels left fully transparent.
std::pair<int, int> coverage(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    std::pair<int, int> result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            result.first += alpha >= 192;
            result.second += alpha == 0;
        }
    return result;
}

// Number of pixels in which two images of the same size differ noticeably.
int differingPixels(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32), right = b.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y), q = right.pixel(x, y);
            count += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) +
                         qAbs(qAlpha(p) - qAlpha(q)) >
                     60;
        }
    return count;
}

// Every image of a family: its size, painted (at least 1/`share` of the
// square it sits in), background left transparent, and each pair differing
// in at least `least` pixels.
void checkFamily(const QByteArray& family, const std::function<QPixmap(int)>& imageOf, int count, QSize size,
                 int share = 6, int least = 12)
{
    std::vector<QImage> images;
    for (int index = 0; index < count; ++index) {
        const QPixmap pixmap = imageOf(index);
        const QByteArray where = family + " image " + QByteArray::number(index);
        QVERIFY2(!pixmap.isNull(), where);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
        const auto [opaque, transparent] = coverage(pixmap.toImage());
        QVERIFY2(opaque * share >= size.height() * size.height() && transparent > 0,
                 where + " is nearly blank or has no transparent background");
        for (std::size_t other = 0; other < images.size(); ++other) {
            const int differing = differingPixels(images[other], pixmap.toImage());
            QVERIFY2(differing >= least, where + " and " + QByteArray::number(qsizetype(other)) +
                                             " are nearly alike (" + QByteArray::number(differing) + " pixels differ)");
        }
        images.push_back(pixmap.toImage());
    }
}

}  // namespace

class ConsoleIconsTest : public QObject {
    Q_OBJECT

private slots:
    void listImagesHaveTheirSizeAndDifferFromEachOther()
    {
        checkFamily("alarm", AlarmImage, kAlarmImageCount, kAlarmImageSize);
        checkFamily("member", MemberImage, kMemberImageCount, kMemberImageSize);
        checkFamily("alarm-in", AlarmInImage, kAlarmInImageCount, kAlarmInImageSize);
    }

    void badIndicesGiveEmptyImages()
    {
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
