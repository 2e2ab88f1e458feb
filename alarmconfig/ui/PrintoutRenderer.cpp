#include "alarmconfig/ui/PrintoutRenderer.h"

#include "platform/ui/WidgetText.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace kx::ui {

using namespace alarmconfig::printout;

namespace {

constexpr Text kAlarmColumnTitles[4] = {
    KX_TEXT("PrintoutRenderer", "Alarmnumber"),
    KX_TEXT("PrintoutRenderer", "Alarmname"),
    KX_TEXT("PrintoutRenderer", "Group"),
    KX_TEXT("PrintoutRenderer", "Type"),
};
constexpr Text kAlarmInColumnTitles[4] = {
    KX_TEXT("PrintoutRenderer", "Alarm-in"),
    KX_TEXT("PrintoutRenderer", "Alarmname"),
    KX_TEXT("PrintoutRenderer", "Type"),
    KX_TEXT("PrintoutRenderer", "Launch alarm"),
};
constexpr Text kGroupColumnTitles[4] = {
    KX_TEXT("PrintoutRenderer", "Grp"),
    KX_TEXT("PrintoutRenderer", "Name"),
    KX_TEXT("PrintoutRenderer", "Phone number"),
    KX_TEXT("PrintoutRenderer", "Type"),
};
constexpr Text kGroupHeading = KX_TEXT("PrintoutRenderer", "Group: %1");
constexpr Text kContinues = KX_TEXT("PrintoutRenderer", "Printout of group continues on next page.");
constexpr Text kPageOf = KX_TEXT("PrintoutRenderer", "Page %d of %d");
// The fixed line in the middle of every footer.
constexpr const char* kFooterLine = "kxalarm";

constexpr qreal kPageWidth = 400;
constexpr qreal kIconHeight = 8;  // inside a 10-unit row
constexpr qreal kIconGap = 3;     // between the icon and the number
// The alphabet the average character width is measured over.
constexpr const char* kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";

// The fonts are "Arial"; where it is not installed, the metric-compatible
// "Liberation Sans" takes its place.
QFont font(qreal heightPixels, int weight)
{
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(heightPixels))));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

QColor shadowColour()
{
    return qGuiApp ? QGuiApplication::palette().color(QPalette::Dark) : QColor(Qt::darkGray);
}

}  // namespace

PrintoutRenderer::PrintoutRenderer(const Content& content, QString title, AlarmImageSource alarmImage)
    : m_content(content),
      m_title(std::move(title)),
      m_alarmImageSource(std::move(alarmImage))
{}

void PrintoutRenderer::measure(QPaintDevice& device)
{
    Metrics& m = m_metrics;
    const qreal width = std::max(1, device.width());
    m.scale = width / kPageWidth;
    m.pageHeight = kPageWidth * device.height() / width;
    m.table = font(6 * m.scale, 400);
    m.title = font(9 * m.scale, 700);
    m.heading = font(7 * m.scale, 700);
    m.footer = font(6 * m.scale, 700);
    const QFontMetricsF tableMetrics(m.table, &device);
    const QString alphabet = QString::fromLatin1(kAlphabet).left(52);
    m.averageCharWidth = tableMetrics.horizontalAdvance(alphabet) / 52 / m.scale;
    m.lineHeight = tableMetrics.height() / m.scale;
    m.titleHeight = QFontMetricsF(m.title, &device).height() / m.scale;
    m.bodyTop = std::max(2 * m.lineHeight, m.titleHeight + 2);
    m.footerTop = m.pageHeight - 8 * m.lineHeight;
}

void PrintoutRenderer::layOut(QPaintDevice& device)
{
    measure(device);
    // One unit between the body and the footer line.
    const int bodyHeight = static_cast<int>(std::floor(m_metrics.footerTop - m_metrics.bodyTop)) - 1;
    m_pages = Layout(m_content, bodyHeight);
}

bool PrintoutRenderer::print(QPagedPaintDevice& device, int fromPage, int toPage, const std::function<void()>& abortJob)
{
    m_printedAt = QDateTime::currentDateTime();
    m_refusedPage = 0;
    m_images.clear();
    layOut(device);
    const int first = std::max(1, fromPage);
    const int last = toPage > 0 ? std::min(toPage, pageCount()) : pageCount();
    if (first > last)
        return true;
    QPainter painter;
    if (!painter.begin(&device)) {
        m_refusedPage = first;
        return false;
    }
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage()) {
            m_refusedPage = page;
            if (abortJob)
                abortJob();
            painter.end();
            return false;
        }
        drawPage(painter, page - 1);
    }
    return painter.end();
}

QRectF PrintoutRenderer::device(qreal x, qreal y, qreal width, qreal height) const
{
    const qreal s = m_metrics.scale;
    return {x * s, y * s, width * s, height * s};
}

void PrintoutRenderer::drawPage(QPainter& painter, int index) const
{
    drawFrame(painter, index + 1);
    const Page& page = m_pages[static_cast<std::size_t>(index)];
    painter.setFont(m_metrics.table);
    if (page.section == Section::Groups)
        drawGroups(painter, page);
    else
        drawTable(painter, page);
}

void PrintoutRenderer::drawFrame(QPainter& painter, int pageNumber) const
{
    const Metrics& m = m_metrics;
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(Qt::black);
    painter.setFont(m.title);
    painter.drawText(device(0, 0, kPageWidth, m.titleHeight), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                     m_title);
    painter.setPen(QPen(shadowColour(), m.scale, Qt::SolidLine, Qt::FlatCap));
    const qreal titleLine = (m.titleHeight + m.bodyTop) / 2;
    painter.drawLine(device(0, titleLine, kPageWidth, 0).topLeft(), device(0, titleLine, kPageWidth, 0).topRight());
    painter.drawLine(device(0, m.footerTop, kPageWidth, 0).topLeft(), device(0, m.footerTop, kPageWidth, 0).topRight());

    painter.setPen(Qt::black);
    painter.setFont(m.footer);
    const QRectF line = device(0, m.footerTop + m.lineHeight / 2, kPageWidth, m.lineHeight);
    const std::string pageText = FillNumber(FillNumber(Tr(kPageOf), pageNumber), pageCount());
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FromUtf8(pageText));
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, QString::fromLatin1(kFooterLine));
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                     m_printedAt.toString(QStringLiteral("dd.MM.yy HH:mm")));
}

void PrintoutRenderer::drawCell(QPainter& painter, qreal x, qreal y, qreal width, qreal height, const QString& text,
                                qreal indent) const
{
    painter.drawRect(device(x, y, width, height));
    if (text.isEmpty())
        return;
    const QRectF inside = device(x + indent, y, width - indent - 1, height);
    // Text is clipped at its cell; clipping only what is too wide keeps
    // the file small.
    const bool fits = painter.fontMetrics().horizontalAdvance(text) <= inside.width();
    painter.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | (fits ? Qt::TextDontClip : 0),
                     text);
}

const QImage& PrintoutRenderer::alarmImage(int index) const
{
    auto it = m_images.find(index);
    if (it == m_images.end()) {
        // Drawn at up to four times its list size: sharp enough on paper, small in the file.
        const qreal scale = std::min<qreal>(kIconHeight * m_metrics.scale / 13, 4);
        it = m_images.emplace(index, m_alarmImageSource ? m_alarmImageSource(index, scale) : QImage()).first;
    }
    return it->second;
}

void PrintoutRenderer::drawTable(QPainter& painter, const Page& page) const
{
    const bool alarms = page.section == Section::Alarms;
    const std::vector<console::ListRow>& rows = alarms ? m_content.alarms : m_content.alarmIns;
    const Text* titles = alarms ? kAlarmColumnTitles : kAlarmInColumnTitles;
    painter.setPen(QPen(Qt::black, 0.3 * m_metrics.scale));
    qreal y = m_metrics.bodyTop;
    qreal x = 0;
    for (int c = 0; c < 4; ++c) {
        drawCell(painter, x, y, kAlarmColumns[c], kTableHeaderHeight, Translated(titles[c]));
        x += kAlarmColumns[c];
    }
    y += kTableHeaderHeight;
    const qreal iconWidth = kIconHeight * 24 / 13;
    for (std::size_t r = page.firstRow; r < page.firstRow + page.rowCount; ++r, y += kRowHeight) {
        const console::ListRow& row = rows[r];
        x = 0;
        for (int c = 0; c < 4; ++c) {
            qreal indent = 1;
            if (alarms && c == 0 && row.image[0] >= 0) {
                const QImage& image = alarmImage(row.image[0]);
                if (!image.isNull())
                    painter.drawImage(device(x + 1, y + (kRowHeight - kIconHeight) / 2, iconWidth, kIconHeight), image);
                indent = 1 + iconWidth + kIconGap;
            }
            drawCell(painter, x, y, kAlarmColumns[c], kRowHeight, FromBytes(row.text[c]), indent);
            x += kAlarmColumns[c];
        }
    }
}

void PrintoutRenderer::drawGroups(QPainter& painter, const Page& page) const
{
    const Metrics& m = m_metrics;
    // Headings and the continuation line end where the body does.
    const qreal bodyWidth = kPageWidth - 8 * m.averageCharWidth;
    for (const GroupBlock& block : page.blocks) {
        const Group& group = m_content.groups[block.group];
        qreal y = m.bodyTop + block.top;
        painter.setPen(Qt::black);
        painter.setFont(m.heading);
        painter.drawText(device(0, y, bodyWidth, kGroupHeadingHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         Translated(kGroupHeading).arg(FromBytes(group.selectorEntry)));
        y += kGroupHeadingHeight;
        painter.setFont(m.table);
        painter.setPen(QPen(Qt::black, 0.3 * m.scale));
        qreal x = 0;
        for (int c = 0; c < 4; ++c) {
            drawCell(painter, x, y, kGroupColumns[c], kGroupHeaderHeight, Translated(kGroupColumnTitles[c]));
            x += kGroupColumns[c];
        }
        y += kGroupHeaderHeight;
        for (std::size_t i = block.firstMember; i < block.firstMember + block.memberCount; ++i, y += kRowHeight) {
            const MemberRow& member = group.members[i];
            const std::string* cells[4] = {&member.grp, &member.name, &member.phone, &member.phoneType};
            x = 0;
            for (int c = 0; c < 4; ++c) {
                drawCell(painter, x, y, kGroupColumns[c], kRowHeight, FromBytes(*cells[c]));
                x += kGroupColumns[c];
            }
        }
        if (block.continues)
            painter.drawText(device(0, y, bodyWidth, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             Translated(kContinues));
    }
}

}  // namespace kx::ui
