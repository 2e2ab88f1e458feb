// The console's painted images: sizes, transparency, that each is painted
// and differs from the others of its family, the safety of bad indices, the
// toolbar's icons. With KX_ICON_SHEET=/path/sheet.png the test also writes a
// contact sheet of all images, magnified, to look at them.

#include "console/ui/ConsoleIcons.h"

#include <QFont>
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

// ---- the contact sheet ----

QImage magnified(const QImage& image, int factor)
{
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

class SheetWriter {
public:
    explicit SheetWriter(int width) : m_sheet(width, 3600, QImage::Format_ARGB32)
    {
        m_sheet.fill(QColor(0xfa, 0xfa, 0xfa));
        m_painter.begin(&m_sheet);
        QFont font("DejaVu Sans");
        font.setPixelSize(12);
        m_painter.setFont(font);
    }

    void heading(const QString& text)
    {
        newRow();
        m_sections.push_back(m_y);
        QFont bold = m_painter.font();
        bold.setBold(true);
        bold.setPixelSize(16);
        m_painter.save();
        m_painter.setFont(bold);
        m_painter.drawText(QPointF(10, m_y + 20), text);
        m_painter.restore();
        m_y += 30;
    }

    // A cell: the image magnified, and beneath it the image at its size on
    // white and on a list-selection blue, and a caption.
    void cell(QImage image, int factor, const QString& caption, int cellWidth)
    {
        image.setDevicePixelRatio(1.0);  // one image pixel to one sheet pixel
        const QImage big = magnified(image, factor);
        const int cellHeight = big.height() + image.height() + 34;
        if (m_x + cellWidth > m_sheet.width())
            newRow();
        m_painter.fillRect(QRect(m_x, m_y, big.width(), big.height()), QColor(0xff, 0xff, 0xff));
        m_painter.setPen(QColor(0xe0, 0xe0, 0xe0));
        m_painter.drawRect(QRect(m_x - 1, m_y - 1, big.width() + 1, big.height() + 1));
        m_painter.drawImage(m_x, m_y, big);
        const int y = m_y + big.height() + 4;
        m_painter.fillRect(QRect(m_x, y, image.width() + 4, image.height() + 4), Qt::white);
        m_painter.drawImage(m_x + 2, y + 2, image);
        m_painter.fillRect(QRect(m_x + image.width() + 6, y, image.width() + 4, image.height() + 4),
                           QColor(0x33, 0x77, 0xcc));
        m_painter.drawImage(m_x + image.width() + 8, y + 2, image);
        m_painter.setPen(Qt::black);
        m_painter.drawText(QPointF(m_x, y + image.height() + 20), caption);
        m_x += cellWidth;
        m_rowHeight = std::max(m_rowHeight, cellHeight + 8);
    }

    // A strip of images at their size, as a list or toolbar shows them.
    void strip(const std::vector<QImage>& images, const QColor& ground, int gap)
    {
        newRow();
        int width = 8;
        int height = 0;
        for (const QImage& image : images) {
            width += image.width() + gap;
            height = std::max(height, image.height());
        }
        m_painter.fillRect(QRect(10, m_y, width, height + 8), ground);
        int x = 14;
        for (QImage image : images) {
            image.setDevicePixelRatio(1.0);
            m_painter.drawImage(x, m_y + 4, image);
            x += image.width() + gap;
        }
        m_y += height + 16;
    }

    // The whole sheet, and each section on its own beside it (name-1.png, ...),
    // small enough to be looked at without being scaled down.
    bool save(const QString& path)
    {
        newRow();
        m_painter.end();
        m_sections.push_back(m_y + 10);
        bool saved = m_sheet.copy(0, 0, m_sheet.width(), m_y + 10).save(path);
        QString base = path;
        if (base.endsWith(".png", Qt::CaseInsensitive))
            base.chop(4);
        for (std::size_t i = 0; i + 1 < m_sections.size(); ++i) {
            const QImage section = m_sheet.copy(0, m_sections[i], m_sheet.width(), m_sections[i + 1] - m_sections[i]);
            saved = section.save(base + "-" + QString::number(i + 1) + ".png") && saved;
        }
        return saved;
    }

private:
    void newRow()
    {
        m_y += m_rowHeight;
        m_rowHeight = 0;
        m_x = 10;
    }

    QImage m_sheet;
    QPainter m_painter;
    int m_x = 10;
    int m_y = 10;
    int m_rowHeight = 0;
    std::vector<int> m_sections;
};

}  // namespace

class ConsoleIconsTest : public QObject {
    Q_OBJECT

private slots:
    void listImagesHaveTheirSizeAndDifferFromEachOther()
    {
        checkFamily("alarm", alarmImage, kAlarmImageCount, kAlarmImageSize);
        checkFamily("member", memberImage, kMemberImageCount, kMemberImageSize);
        checkFamily("alarm-in", alarmInImage, kAlarmInImageCount, kAlarmInImageSize);
    }

    void badIndicesGiveEmptyImages()
    {
        for (int index : {-1, INT_MIN, INT_MAX}) {
            QVERIFY(alarmImage(index).isNull());
            QVERIFY(memberImage(index).isNull());
            QVERIFY(alarmInImage(index).isNull());
            QVERIFY(renderAlarmImage(index).isNull());
        }
        QVERIFY(alarmImage(kAlarmImageCount).isNull());
        QVERIFY(memberImage(kMemberImageCount).isNull());
        QVERIFY(alarmInImage(kAlarmInImageCount).isNull());
        QVERIFY(renderMemberImage(kMemberImageCount).isNull());
        QVERIFY(renderAlarmInImage(kAlarmInImageCount).isNull());
        // Commands without a toolbar button.
        for (int command :
             {0, -1, int(kx::console::cmd::Setup), int(kx::console::cmd::Refresh), int(kx::console::cmd::Exit)}) {
            QVERIFY(toolbarIcon(command).isNull());
            QVERIFY(renderToolbarImage(command).isNull());
        }
    }

    void imagesAreCachedAndMatchAFreshRendering()
    {
        QCOMPARE(alarmImage(5).cacheKey(), alarmImage(5).cacheKey());
        QCOMPARE(memberImage(13).cacheKey(), memberImage(13).cacheKey());
        // The cached pixmap is what a fresh rendering at the same ratio paints.
        if (qFuzzyCompare(alarmImage(0).devicePixelRatio(), 1.0)) {
            QCOMPARE(differingPixels(alarmImage(30).toImage(), renderAlarmImage(30)), 0);
            QCOMPARE(differingPixels(memberImage(21).toImage(), renderMemberImage(21)), 0);
        }
    }

    void magnifiedRenderingKeepsTheDrawing()
    {
        const QImage big = renderAlarmImage(2, 4.0);
        QCOMPARE(big.size(), QSize(96, 52));
        // Scaled down again it still resembles the list image.
        const QImage back = big.scaled(kAlarmImageSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(differingPixels(back, renderAlarmImage(2)) < 24 * 13 / 4);
        QVERIFY(differingPixels(back, renderAlarmImage(3)) > 24 * 13 / 8);
    }

    void toolbarHasAPaintedIconForEachButton()
    {
        std::vector<QImage> images;
        for (int command : kToolbarIconCommands) {
            const QIcon icon = toolbarIcon(command);
            const QByteArray where = "command " + QByteArray::number(command);
            QVERIFY2(!icon.isNull(), where);
            for (int size : {16, 24, 32}) {
                const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
                QCOMPARE(pixmap.size(), QSize(size, size));
                const Coverage cover = coverage(pixmap.toImage());
                QVERIFY2(cover.opaque * 5 >= size * size, where + " is nearly blank");
                QVERIFY2(cover.transparent > 0, where + " has no transparent background");
            }
            images.push_back(renderToolbarImage(command, 24));
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
        const QIcon icon = programIcon();
        QVERIFY(!icon.isNull());
        for (int size : {16, 32, 48}) {
            const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
            QCOMPARE(pixmap.size(), QSize(size, size));
            QVERIFY(coverage(pixmap.toImage()).opaque * 2 >= size * size);
        }
    }

    // Only with KX_ICON_SHEET set: writes the contact sheet to that path.
    void contactSheet()
    {
        const QString path = qEnvironmentVariable("KX_ICON_SHEET");
        if (path.isEmpty())
            QSKIP("set KX_ICON_SHEET=/path/sheet.png to write the contact sheet");
        SheetWriter sheet(1220);
        sheet.heading("Alarm images, 24 x 13");
        std::vector<QImage> strip;
        for (int i = 0; i < kAlarmImageCount; ++i) {
            sheet.cell(alarmImage(i).toImage(), 5, QString::number(i), 150);
            strip.push_back(alarmImage(i).toImage());
        }
        sheet.strip(strip, Qt::white, 6);
        sheet.heading("Member images, 13 x 13");
        strip.clear();
        for (int i = 0; i < kMemberImageCount; ++i) {
            sheet.cell(memberImage(i).toImage(), 7, QString::number(i), 110);
            strip.push_back(memberImage(i).toImage());
        }
        sheet.strip(strip, Qt::white, 6);
        sheet.heading("Alarm-in images, 13 x 13");
        for (int i = 0; i < kAlarmInImageCount; ++i) {
            sheet.cell(alarmInImage(i).toImage(), 7, QString::number(i), 110);
        }
        sheet.heading("Toolbar, 24 and 16");
        std::vector<QImage> toolbar24;
        std::vector<QImage> toolbar16;
        for (int command : kToolbarIconCommands) {
            sheet.cell(renderToolbarImage(command, 24), 4, QString::number(command), 120);
            toolbar24.push_back(renderToolbarImage(command, 24));
            toolbar16.push_back(renderToolbarImage(command, 16));
        }
        for (int command : kToolbarIconCommands) {
            sheet.cell(renderToolbarImage(command, 16), 4, QString::number(command) + " @16", 100);
        }
        sheet.strip(toolbar24, QColor(0xef, 0xef, 0xef), 8);
        sheet.strip(toolbar16, QColor(0xef, 0xef, 0xef), 8);
        sheet.heading("Program icon, 48, 32, 16");
        sheet.cell(renderProgramImage(48), 4, "48", 260);
        sheet.cell(renderProgramImage(32), 4, "32", 200);
        sheet.cell(renderProgramImage(16), 4, "16", 200);
        QVERIFY(sheet.save(path));
    }
};

QTEST_MAIN(ConsoleIconsTest)
#include "ConsoleIconsTest.moc"
