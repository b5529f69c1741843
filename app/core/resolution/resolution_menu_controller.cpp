// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/resolution/resolution_menu_controller.h"

#include "core/startup/app_settings.h"
#include "core/connection/camera_operations.h"
#include "core/connection/library_camera_operations.h"
#include "core/main_window/message_box_presenter.h"
#include "core/startup/process_values.h"
#include "core/resolution/resolution_labels.h"

#include <QCoreApplication>
#include <QIcon>
#include <QMenu>

namespace {
// The texts belong to the main window's translation context.
QString windowText(const char *key)
{
    return QCoreApplication::translate("Corvane", key);
}

const char kMenuStyle[] =
    "QMenu{background-color:#ededed;border:1px solid #ededed;border-radius:10px;"
    "color:#000;padding:10px 10px;}"
    "QMenu::item{padding-left:5px;padding-right:40px;padding-bottom:5px;font-size:14px;}"
    // The entry under the mouse (or the keyboard) must stand out.
    "QMenu::item:selected{background-color:#0296D6;color:#fff;}";
} // namespace

ResolutionMenuController::ResolutionMenuController(CameraOperations *operations)
    : operations_(operations ? *operations : LibraryCameraOperations::shared())
{
}

ResolutionMenuController::~ResolutionMenuController()
{
    delete menu_.data();
}

QMenu *ResolutionMenuController::openMenu(QWidget *window, const QSize &frameSize,
                                          int screenHeight)
{
    QVector<QSize> sizes;
    const QByteArray ip = processValues().cameraIp.toLocal8Bit();
    // With no live view there is no camera to ask: fail at once instead of
    // waiting out the command's time-outs.
    if (ip.isEmpty() || !operations_.getResolutions(ip, sizes)) {
        MessageBoxPresenter::warning(window, windowText("Get Resolution"),
                                     windowText("Get Resolution Fail, Please Obtain Again"));
        return nullptr;
    }
    labels_ = resolutionLabels(sizes);
    const int matched = matchingResolutionIndex(sizes, frameSize, -1);
    if (matched >= 0)
        storeIndex(matched);
    return buildMenu(screenHeight);
}

QMenu *ResolutionMenuController::buildMenu(int screenHeight)
{
    delete menu_.data();
    QMenu *menu = new QMenu();
    menu_ = menu;
    menu->setWindowFlag(Qt::NoDropShadowWindowHint);
    menu->setStyleSheet(QString::fromLatin1(kMenuStyle));
    for (int i = 0; i < labels_.size(); ++i) {
        QAction *action = menu->addAction(labels_.at(i));
        action->setData(i);
        if (i == index_) {
            action->setCheckable(true);
            action->setChecked(true);
            action->setIcon(QIcon(QStringLiteral(":/static/side/fenbianlv_select.png")));
        }
    }
    // Placed only once it is complete: a visible menu resizes itself to its
    // contents whenever an action is added, which would undo the fixed size.
    if (screenHeight > 965)
        menu->setGeometry(104, 110, 400, 500);
    else
        menu->setGeometry(90, 60, 200, 500);
    menu->show();
    menu->raise();
    return menu;
}

void ResolutionMenuController::changeResolution(QWidget *window, QAction *action)
{
    if (!action)
        return;
    bool ok = false;
    const int i = action->data().toInt(&ok);
    // Only actions of the menu built from the current labels carry a valid
    // index; anything else is not ours to act on.
    if (!ok || i < 0 || i >= labels_.size())
        return;
    const QSize size = sizeFromResolutionLabel(labels_.at(i));
    const QByteArray ip = processValues().cameraIp.toLocal8Bit();
    const int result = size.isValid() && !ip.isEmpty()
        ? operations_.setResolution(ip, size.width(), size.height())
        : 0;
    if (result <= 0) {
        MessageBoxPresenter::warning(window, windowText("Set Resolution"),
                                     windowText("Set Resolution Fail"));
        return;
    }
    storeIndex(i);
}

void ResolutionMenuController::storeIndex(int index)
{
    index_ = index;
    writeSetting(QStringLiteral("dev/res"), QString::number(index));
}
