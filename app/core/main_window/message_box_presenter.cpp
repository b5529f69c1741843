// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/main_window/message_box_presenter.h"

namespace {
MessageBoxPresenter::Watcher &watcher()
{
    static MessageBoxPresenter::Watcher instance;
    return instance;
}
} // namespace

void MessageBoxPresenter::information(QWidget *parent, const QString &title,
                                      const QString &text)
{
    show(QMessageBox::Information, parent, title, text);
}

void MessageBoxPresenter::warning(QWidget *parent, const QString &title, const QString &text)
{
    show(QMessageBox::Warning, parent, title, text);
}

void MessageBoxPresenter::setWatcherForTests(Watcher w)
{
    watcher() = std::move(w);
}

void MessageBoxPresenter::show(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                               const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::Ok);
    if (watcher())
        watcher()(box);
    box.exec();
}
