#include "console/ui/ConsoleIcons.h"

#include "console/ui/IconPainting.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <map>
#include <vector>

namespace kx::ui {

namespace {

using PaintFunction = bool (*)(QPainter&, int);

// Paints one image on a transparent surface of size × scale logical pixels
// at a device pixel ratio; null when the painter does not know the index.
QImage paintImage(PaintFunction paint, int index, QSize size, qreal scale, qreal ratio)
{
    const QSize pixels(int(std::lround(size.width() * scale * ratio)), int(std::lround(size.height() * scale * ratio)));
    if (pixels.isEmpty())
        return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const bool known = paint(painter, index);
    painter.end();
    return known ? image : QImage();
}

// The screen's pixel ratio rounded up, so that list images stay sharp on
// high-resolution screens; 1 without a GUI application.
qreal screenRatio()
{
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app ? std::max(1.0, std::ceil(app->devicePixelRatio())) : 1.0;
}

std::vector<QPixmap> paintFamily(PaintFunction paint, int count, QSize size)
{
    std::vector<QPixmap> pixmaps;
    pixmaps.reserve(std::size_t(count));
    const qreal ratio = screenRatio();
    for (int index = 0; index < count; ++index) {
        pixmaps.push_back(QPixmap::fromImage(paintImage(paint, index, size, 1.0, ratio)));
    }
    return pixmaps;
}

const QPixmap& pick(const std::vector<QPixmap>& family, int index)
{
    static const QPixmap empty;
    return index >= 0 && std::size_t(index) < family.size() ? family[std::size_t(index)] : empty;
}

bool paintToolbar(QPainter& painter, int commandId)
{
    return icons::PaintToolbarImage(painter, commandId);
}

}  // namespace

const QPixmap& AlarmImage(int index)
{
    static const std::vector<QPixmap> family = paintFamily(icons::PaintAlarmImage, kAlarmImageCount, kAlarmImageSize);
    return pick(family, index);
}

const QPixmap& MemberImage(int index)
{
    static const std::vector<QPixmap> family =
        paintFamily(icons::PaintMemberImage, kMemberImageCount, kMemberImageSize);
    return pick(family, index);
}

const QPixmap& AlarmInImage(int index)
{
    static const std::vector<QPixmap> family =
        paintFamily(icons::PaintAlarmInImage, kAlarmInImageCount, kAlarmInImageSize);
    return pick(family, index);
}

QIcon ToolbarIcon(int commandId)
{
    static const std::map<int, QIcon> icons = [] {
        std::map<int, QIcon> result;
        for (int command : kToolbarIconCommands) {
            QIcon icon;
            for (int size : {16, 24, 32, 48})
                icon.addPixmap(QPixmap::fromImage(RenderToolbarImage(command, size)));
            result.emplace(command, icon);
        }
        return result;
    }();
    const auto found = icons.find(commandId);
    return found != icons.end() ? found->second : QIcon();
}

QIcon ProgramIcon()
{
    static const QIcon icon = [] {
        QIcon result;
        for (int size : {16, 24, 32, 48, 64, 128})
            result.addPixmap(QPixmap::fromImage(RenderProgramImage(size)));
        return result;
    }();
    return icon;
}

QImage RenderAlarmImage(int index, qreal scale)
{
    return paintImage(icons::PaintAlarmImage, index, kAlarmImageSize, scale, 1.0);
}

QImage RenderMemberImage(int index, qreal scale)
{
    return paintImage(icons::PaintMemberImage, index, kMemberImageSize, scale, 1.0);
}

QImage RenderAlarmInImage(int index, qreal scale)
{
    return paintImage(icons::PaintAlarmInImage, index, kAlarmInImageSize, scale, 1.0);
}

QImage RenderToolbarImage(int commandId, int size)
{
    return paintImage(paintToolbar, commandId, QSize(kToolbarIconSize, kToolbarIconSize),
                      qreal(size) / kToolbarIconSize, 1.0);
}

QImage RenderProgramImage(int size)
{
    static const QString kProgramIcon = QStringLiteral(":/kxalarm/kxalarm.svg");
    QSvgRenderer renderer(kProgramIcon);
    if (size < 1 || !renderer.isValid())
        return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

}  // namespace kx::ui
