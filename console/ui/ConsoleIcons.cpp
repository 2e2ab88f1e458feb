#include "console/ui/ConsoleIcons.h"

#include "console/ui/IconPainting.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

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
    return icons::paintToolbarImage(painter, commandId);
}

bool paintProgram(QPainter& painter, int)
{
    icons::paintProgramImage(painter);
    return true;
}

}  // namespace

const QPixmap& alarmImage(int index)
{
    static const std::vector<QPixmap> family = paintFamily(icons::paintAlarmImage, kAlarmImageCount, kAlarmImageSize);
    return pick(family, index);
}

const QPixmap& memberImage(int index)
{
    static const std::vector<QPixmap> family =
        paintFamily(icons::paintMemberImage, kMemberImageCount, kMemberImageSize);
    return pick(family, index);
}

const QPixmap& alarmInImage(int index)
{
    static const std::vector<QPixmap> family =
        paintFamily(icons::paintAlarmInImage, kAlarmInImageCount, kAlarmInImageSize);
    return pick(family, index);
}

QIcon toolbarIcon(int commandId)
{
    static const std::map<int, QIcon> icons = [] {
        std::map<int, QIcon> result;
        for (int command : kToolbarIconCommands) {
            QIcon icon;
            for (int size : {16, 24, 32, 48})
                icon.addPixmap(QPixmap::fromImage(renderToolbarImage(command, size)));
            result.emplace(command, icon);
        }
        return result;
    }();
    const auto found = icons.find(commandId);
    return found != icons.end() ? found->second : QIcon();
}

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon result;
        for (int size : {16, 24, 32, 48, 64, 128})
            result.addPixmap(QPixmap::fromImage(renderProgramImage(size)));
        return result;
    }();
    return icon;
}

QImage renderAlarmImage(int index, qreal scale)
{
    return paintImage(icons::paintAlarmImage, index, kAlarmImageSize, scale, 1.0);
}

QImage renderMemberImage(int index, qreal scale)
{
    return paintImage(icons::paintMemberImage, index, kMemberImageSize, scale, 1.0);
}

QImage renderAlarmInImage(int index, qreal scale)
{
    return paintImage(icons::paintAlarmInImage, index, kAlarmInImageSize, scale, 1.0);
}

QImage renderToolbarImage(int commandId, int size)
{
    return paintImage(paintToolbar, commandId, QSize(kToolbarIconSize, kToolbarIconSize),
                      qreal(size) / kToolbarIconSize, 1.0);
}

QImage renderProgramImage(int size)
{
    return paintImage(paintProgram, 0, QSize(48, 48), size / 48.0, 1.0);
}

}  // namespace kx::ui
