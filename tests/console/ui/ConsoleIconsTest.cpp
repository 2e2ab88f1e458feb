// The console's painted images: sizes, transparency, that each is painted
// and differs from the others of its family, the safety of bad indices, the
// toolbar's icons.

#include "console/ui/ConsoleIcons.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <climits>
#include <functional>
#include <vector>

using namespace kx::ui;

namespace {

// Pixels that are clearly painted, and pixels left fully transparent.
struct Coverage {
    int opaque = 0;
    int transparent = 0;
};

Coverage coverage(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    Coverage result;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            if (alpha >= 192)
                ++result.opaque;
            if (alpha == 0)
                ++result.transparent;
        }
    }
    return result;
}

// Number of pixels in which two images of the same size differ noticeably.
int differingPixels(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            const int delta = qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) +
                              qAbs(qAlpha(p) - qAlpha(q));
            if (delta > 60)
                ++count;
        }
    }
    return count;
}

using ImageOf = std::function<QPixmap(int)>;

// Every image of a family: its size, painted, background left transparent;
// and every pair differs in enough pixels to tell them apart.
void checkFamily(const char* family, const ImageOf& imageOf, int count, QSize size)
{
    std::vector<QImage> images;
    for (int index = 0; index < count; ++index) {
        const QPixmap pixmap = imageOf(index);
        const QByteArray where = QByteArray(family) + " image " + QByteArray::number(index);
        QVERIFY2(!pixmap.isNull(), where);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), size);
        const QImage image = pixmap.toImage();
        const Coverage cover = coverage(image);
        const int pixels = image.width() * image.height();
        // Something recognisable: at least a sixth of the square it sits in.
        QVERIFY2(cover.opaque * 6 >= size.height() * size.height(), where + " is nearly blank");
        QVERIFY2(cover.transparent > 0, where + " has no transparent background");
        QVERIFY2(cover.opaque < pixels, where + " is a filled rectangle");
        images.push_back(image);
    }
    for (int a = 0; a < count; ++a) {
        for (int b = a + 1; b < count; ++b) {
            const int differing = differingPixels(images[std::size_t(a)], images[std::size_t(b)]);
            QVERIFY2(differing >= 12, QByteArray(family) + " images " + QByteArray::number(a) + " and " +
                                          QByteArray::number(b) + " are nearly alike (" +
                                          QByteArray::number(differing) + " pixels differ)");
        }
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

    void imagesAreCachedAndMatchAFreshRendering()
    {
        QCOMPARE(AlarmImage(5).cacheKey(), AlarmImage(5).cacheKey());
        QCOMPARE(MemberImage(13).cacheKey(), MemberImage(13).cacheKey());
        // The cached pixmap is what a fresh rendering at the same ratio paints.
        if (qFuzzyCompare(AlarmImage(0).devicePixelRatio(), 1.0)) {
            QCOMPARE(differingPixels(AlarmImage(30).toImage(), RenderAlarmImage(30)), 0);
            QCOMPARE(differingPixels(MemberImage(21).toImage(), RenderMemberImage(21)), 0);
        }
    }

    void magnifiedRenderingKeepsTheDrawing()
    {
        const QImage big = RenderAlarmImage(2, 4.0);
        QCOMPARE(big.size(), QSize(96, 52));
        // Scaled down again it still resembles the list image.
        const QImage back = big.scaled(kAlarmImageSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(differingPixels(back, RenderAlarmImage(2)) < 24 * 13 / 4);
        QVERIFY(differingPixels(back, RenderAlarmImage(3)) > 24 * 13 / 8);
    }

    void toolbarHasAPaintedIconForEachButton()
    {
        std::vector<QImage> images;
        for (int command : kToolbarIconCommands) {
            const QIcon icon = ToolbarIcon(command);
            const QByteArray where = "command " + QByteArray::number(command);
            QVERIFY2(!icon.isNull(), where);
            for (int size : {16, 24, 32}) {
                const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
                QCOMPARE(pixmap.size(), QSize(size, size));
                const Coverage cover = coverage(pixmap.toImage());
                QVERIFY2(cover.opaque * 5 >= size * size, where + " is nearly blank");
                QVERIFY2(cover.transparent > 0, where + " has no transparent background");
            }
            images.push_back(RenderToolbarImage(command, 24));
        }
        for (std::size_t a = 0; a < images.size(); ++a) {
            for (std::size_t b = a + 1; b < images.size(); ++b) {
                QVERIFY2(differingPixels(images[a], images[b]) >= 40,
                         QByteArray::number(kToolbarIconCommands[a]) + " and " +
                             QByteArray::number(kToolbarIconCommands[b]) + " look alike");
            }
        }
    }

    void programIconHasWindowAndAboutBoxSizes()
    {
        const QIcon icon = ProgramIcon();
        QVERIFY(!icon.isNull());
        for (int size : {16, 32, 48}) {
            const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
            QCOMPARE(pixmap.size(), QSize(size, size));
            QVERIFY(coverage(pixmap.toImage()).opaque * 2 >= size * size);
        }
    }
};

QTEST_MAIN(ConsoleIconsTest)
#include "ConsoleIconsTest.moc"
