// The console's painted images: sizes, transparency, that each is painted
// and differs from the others of its family, the safety of bad indices, the
// toolbar's icons.

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

// Every pair of images differs in at least `least` pixels.
void checkAllDiffer(const std::vector<QImage>& images, int least, const QByteArray& what)
{
    for (std::size_t a = 0; a < images.size(); ++a)
        for (std::size_t b = a + 1; b < images.size(); ++b) {
            const int differing = differingPixels(images[a], images[b]);
            QVERIFY2(differing >= least, what + " " + QByteArray::number(qsizetype(a)) + " and " +
                                             QByteArray::number(qsizetype(b)) + " are nearly alike (" +
                                             QByteArray::number(differing) + " pixels differ)");
        }
}

// Every image of a family: its size, painted (at least a sixth of the
// square it sits in), background left transparent, and unlike the others.
void checkFamily(const char* family, const std::function<QPixmap(int)>& imageOf, int count, QSize size)
{
    std::vector<QImage> images;
    for (int index = 0; index < count; ++index) {
        const QPixmap pixmap = imageOf(index);
        const QByteArray where = QByteArray(family) + " image " + QByteArray::number(index);
        QVERIFY2(!pixmap.isNull(), where);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
        const auto [opaque, transparent] = coverage(pixmap.toImage());
        QVERIFY2(opaque * 6 >= size.height() * size.height() && transparent > 0 &&
                     opaque < pixmap.width() * pixmap.height(),
                 where + " is nearly blank, has no transparent background or is a filled rectangle");
        images.push_back(pixmap.toImage());
    }
    checkAllDiffer(images, 12, QByteArray(family) + " images");
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

    void imagesAreCachedAndMatchAFreshRenderingAlsoMagnified()
    {
        QCOMPARE(AlarmImage(5).cacheKey(), AlarmImage(5).cacheKey());
        QCOMPARE(MemberImage(13).cacheKey(), MemberImage(13).cacheKey());
        // The cached pixmap is what a fresh rendering at the same ratio paints.
        if (qFuzzyCompare(AlarmImage(0).devicePixelRatio(), 1.0)) {
            QCOMPARE(differingPixels(AlarmImage(30).toImage(), RenderAlarmImage(30)), 0);
            QCOMPARE(differingPixels(MemberImage(21).toImage(), RenderMemberImage(21)), 0);
        }
        // Magnified and scaled down again it still resembles the list image.
        const QImage big = RenderAlarmImage(2, 4.0);
        QCOMPARE(big.size(), QSize(96, 52));
        const QImage back = big.scaled(kAlarmImageSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(differingPixels(back, RenderAlarmImage(2)) < 24 * 13 / 4);
        QVERIFY(differingPixels(back, RenderAlarmImage(3)) > 24 * 13 / 8);
    }

    void toolbarAndProgramIconsArePaintedAtEachSize()
    {
        std::vector<QImage> images;
        for (int command : kToolbarIconCommands) {
            const QIcon icon = ToolbarIcon(command);
            QVERIFY2(!icon.isNull(), QByteArray::number(command));
            for (int size : {16, 24, 32}) {
                const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
                QCOMPARE(pixmap.size(), QSize(size, size));
                const auto [opaque, transparent] = coverage(pixmap.toImage());
                QVERIFY2(opaque * 5 >= size * size && transparent > 0,
                         "command " + QByteArray::number(command) +
                             " is nearly blank or has no transparent background");
            }
            images.push_back(RenderToolbarImage(command, 24));
        }
        checkAllDiffer(images, 40, "toolbar images");
        const QIcon program = ProgramIcon();
        QVERIFY(!program.isNull());
        for (int size : {16, 32, 48}) {
            const QPixmap pixmap = program.pixmap(QSize(size, size), 1.0);
            QCOMPARE(pixmap.size(), QSize(size, size));
            QVERIFY(coverage(pixmap.toImage()).first * 2 >= size * size);
        }
    }
};

QTEST_MAIN(ConsoleIconsTest)
#include "ConsoleIconsTest.moc"
