// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_MESSAGE_BOX_CATCHER_H
#define CORVANE_TEST_MESSAGE_BOX_CATCHER_H

// Notes every message box the code under test shows and closes it as soon
// as its modal loop runs, so no test waits on a person.

#include "core/main_window/message_box_presenter.h"

#include <QList>
#include <QMessageBox>
#include <QTimer>

struct CaughtBox {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    int buttonCount;
    QWidget *parent;
};

class MessageBoxCatcher {
public:
    MessageBoxCatcher()
    {
        MessageBoxPresenter::setWatcherForTests([this](QMessageBox &box) {
            boxes.append({box.icon(), box.windowTitle(), box.text(),
                          int(box.buttons().size()), box.parentWidget()});
            QTimer::singleShot(0, &box, &QMessageBox::accept);
        });
    }
    ~MessageBoxCatcher() { MessageBoxPresenter::setWatcherForTests({}); }

    QList<CaughtBox> boxes;
};

#endif
