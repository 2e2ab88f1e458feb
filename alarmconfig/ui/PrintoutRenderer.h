#pragma once
// Draws the configuration printout on a paged device: a printer, the print
// preview or a PDF file. A print lays the content out once for the device's
// page, then draws the pages of that layout, so the "Page n of m" footers
// and the breaks always agree. All positions are in page units: a page is
// 400 units wide and as high as its width-to-height ratio gives.

#include "alarmconfig/Printout.h"

#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace kx::ui {

class PrintoutRenderer {
public:
    // The image of an alarm list image index drawn at a scale (1.0: 24 x 13
    // pixels); a null image for none.
    using AlarmImageSource = std::function<QImage(int index, qreal scale)>;

    PrintoutRenderer(const alarmconfig::printout::Content& content, QString title, AlarmImageSource alarmImage = {});

    // One print: takes the time of printing, lays out for the device's page
    // and draws the pages `fromPage` to `toPage` (counted from 1; 0 means
    // from the first / to the last), each footer with the full page count.
    // False when the device cannot start or refuses a new page
    // (refusedPage() names the page): `abortJob` then runs while the job is
    // still open, so that it is aborted instead of finished.
    bool print(QPagedPaintDevice& device, int fromPage = 0, int toPage = 0, const std::function<void()>& abortJob = {});

    // Of the last print (or layOut()).
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    int refusedPage() const { return m_refusedPage; }
    const std::vector<alarmconfig::printout::Page>& pages() const { return m_pages; }
    // The layout for a device's page without drawing.
    void layOut(QPaintDevice& device);

private:
    struct Metrics {
        qreal scale = 1;  // device pixels per unit
        qreal pageHeight = 0;
        qreal lineHeight = 0;
        qreal averageCharWidth = 0;
        qreal titleHeight = 0;
        qreal bodyTop = 0;
        qreal footerTop = 0;
        QFont table, title, heading, footer;
    };

    void measure(QPaintDevice& device);
    void drawPage(QPainter& painter, int index) const;
    void drawFrame(QPainter& painter, int pageNumber) const;
    void drawTable(QPainter& painter, const alarmconfig::printout::Page& page) const;
    void drawGroups(QPainter& painter, const alarmconfig::printout::Page& page) const;
    void drawCell(QPainter& painter, qreal x, qreal y, qreal width, qreal height, const QString& text,
                  qreal indent = 1) const;
    QRectF device(qreal x, qreal y, qreal width, qreal height) const;
    const QImage& alarmImage(int index) const;

    const alarmconfig::printout::Content& m_content;
    QString m_title;
    AlarmImageSource m_alarmImageSource;
    Metrics m_metrics;
    QDateTime m_printedAt;
    std::vector<alarmconfig::printout::Page> m_pages;
    int m_refusedPage = 0;
    mutable std::map<int, QImage> m_images;
};

}  // namespace kx::ui
