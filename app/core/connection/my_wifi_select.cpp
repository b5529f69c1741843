// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/connection/my_wifi_select.h"
#include "ui_my_wifi_select.h"

#include "core/startup/app_settings.h"
#include "core/connection/broadcast_address_source.h"
#include "core/connection/camera_address.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWindow>

namespace {
const char *const kAddressHint =
    QT_TRANSLATE_NOOP("MyWifiSelect", "Enter the camera's IPv4 address, for example 192.168.1.20.");
} // namespace

MyWifiSelect::MyWifiSelect(std::unique_ptr<BroadcastAddressSource> addresses,
                           CameraSearchWorker::VersionQuery query, QWidget *parent)
    : QDialog(parent), ui_(new Ui::MyWifiSelectClass), addresses_(std::move(addresses)),
      query_(std::move(query))
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setStyleSheet(QStringLiteral("background-color:#FAFAFA"));
    const QString buttonStyle = QStringLiteral("border:1px solid #7A7A7A");
    // A dialog makes its first button the default for Enter, which would send
    // an address typed for route mode to the access point instead.
    for (QPushButton *button : {ui_->pushButton_go_wifi, ui_->pushButton_sousuo_ip_start,
                                ui_->pushButton_go_route}) {
        button->setStyleSheet(buttonStyle);
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    ui_->label_ip_hint->setStyleSheet(QStringLiteral("color:#C62828;background:transparent"));
    ui_->label_ip_hint->hide();

    connect(ui_->pushButton_sousuo_ip_start, SIGNAL(clicked()), this, SLOT(btn_sousuo_ip_start()));
    connect(ui_->pushButton_go_wifi, SIGNAL(clicked()), this, SLOT(btn_go_wifi()));
    connect(ui_->pushButton_go_route, SIGNAL(clicked()), this, SLOT(btn_go_route()));
    connect(ui_->lineEdit_ip, &QLineEdit::returnPressed, this, &MyWifiSelect::btn_go_route);
    connect(ui_->lineEdit_ip, &QLineEdit::textEdited, this, [this] { showAddressHint(QString()); });

    const QString stored = readSettingOr(QStringLiteral("wifi/sta_ip"), QString()).trimmed();
    if (!stored.isEmpty())
        ui_->lineEdit_ip->setText(stored);
    // Typing can start at once: the address is what route mode needs.
    ui_->lineEdit_ip->setFocus();

    searchTimer_ = new QTimer(this);
    connect(searchTimer_, &QTimer::timeout, this, &MyWifiSelect::queryTick, Qt::DirectConnection);
}

MyWifiSelect::~MyWifiSelect()
{
    if (mainWindow_)
        mainWindow_->removeEventFilter(this);
    if (searchThread_) {
        searchThread_->quit();
        searchThread_->wait();
        delete searchWorker_;
        delete searchThread_;
    }
}

void MyWifiSelect::showInFrontOf(QWidget *window)
{
    mainWindow_ = window;
    // Both native windows exist before either is mapped, so the window
    // system learns from the start whose dialog this is.
    window->winId();
    winId();
    windowHandle()->setTransientParent(window->windowHandle());
    window->installEventFilter(this);
    show();
    bringToFront();
}

void MyWifiSelect::finish()
{
    cameraChosen_ = true;
    stopSearch();
    if (mainWindow_) {
        mainWindow_->removeEventFilter(this);
        if (mainWindow_->isMinimized())
            mainWindow_->setWindowState(mainWindow_->windowState() & ~Qt::WindowMinimized);
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    hide();
}

QString MyWifiSelect::addressText() const
{
    return ui_->lineEdit_ip->text();
}

void MyWifiSelect::setAddressText(const QString &text)
{
    ui_->lineEdit_ip->setText(text);
}

QString MyWifiSelect::addressHint() const
{
    return ui_->label_ip_hint->isHidden() ? QString() : ui_->label_ip_hint->text();
}

void MyWifiSelect::btn_sousuo_ip_start()
{
    qDebug() << "123";
    broadcastAddress_ = addresses_->broadcastAddress(broadcastAddress_);
    ensureSearchThread();
    missLogged_ = false;
    searchTimer_->start(50);
}

void MyWifiSelect::btn_go_wifi()
{
    chooseCamera(QString::fromLatin1(kAccessPointAddress));
}

void MyWifiSelect::btn_go_route()
{
    const QString address = cameraAddressFrom(ui_->lineEdit_ip->text());
    if (address.isEmpty()) {
        showAddressHint(tr(kAddressHint));
        ui_->lineEdit_ip->setFocus();
        return;
    }
    ui_->lineEdit_ip->setText(address);
    writeSetting(QStringLiteral("wifi/sta_ip"), address);
    chooseCamera(address);
}

void MyWifiSelect::chooseCamera(const QString &address)
{
    showAddressHint(QString());
    // The search's queries must not compete with the live view's commands.
    stopSearch();
    emit sendWifiIp(address);
}

void MyWifiSelect::stopSearch()
{
    searchTimer_->stop();
}

void MyWifiSelect::showAddressHint(const QString &text)
{
    ui_->label_ip_hint->setText(text);
    ui_->label_ip_hint->setVisible(!text.isEmpty());
}

void MyWifiSelect::bringToFront()
{
    if (cameraChosen_ || !isVisible())
        return;
    raise();
    activateWindow();
}

bool MyWifiSelect::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mainWindow_ && !cameraChosen_) {
        switch (event->type()) {
        case QEvent::Show:
            // The main window is mapped after its show event: raise the
            // dialog once that has happened, or it would end up below.
            QTimer::singleShot(0, this, &MyWifiSelect::bringToFront);
            break;
        case QEvent::WindowActivate:
            // The main window activates itself whenever the mouse enters it;
            // the keyboard belongs here while a camera is to be chosen. A
            // modal window (the settings dialog) keeps it, though.
            if (!QApplication::activeModalWidget())
                QTimer::singleShot(0, this, &MyWifiSelect::bringToFront);
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MyWifiSelect::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        // Esc would hide the dialog with nothing left to choose a camera.
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the button that has the focus, and no other.
        if (auto *button = qobject_cast<QPushButton *>(focusWidget())) {
            button->click();
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

void MyWifiSelect::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (!cameraChosen_) {
        // Without a camera the program has nothing to show: closing the
        // dialog is closing the program.
        stopSearch();
        emit closedWithoutCamera();
        if (mainWindow_)
            mainWindow_->close();
    }
}

void MyWifiSelect::ensureSearchThread()
{
    if (searchThread_)
        return;
    searchThread_ = new QThread;
    searchThread_->setObjectName(QStringLiteral("camera search"));
    searchWorker_ = new CameraSearchWorker(query_);
    searchWorker_->moveToThread(searchThread_);
    connect(this, &MyWifiSelect::queryRequested, searchWorker_, &CameraSearchWorker::query,
            Qt::QueuedConnection);
    connect(searchWorker_, &CameraSearchWorker::answered, this, &MyWifiSelect::onAnswered,
            Qt::QueuedConnection);
    searchThread_->start();
}

void MyWifiSelect::queryTick()
{
    // A query on the GUI thread would hold the timer back until it returned;
    // the same here: ticks during a query are skipped, not stacked up.
    if (queryInFlight_)
        return;
    queryInFlight_ = true;
    emit queryRequested(broadcastAddress_);
}

void MyWifiSelect::onAnswered(const QString &broadcastAddress, const QString &reply, int version)
{
    queryInFlight_ = false;
    // An answer to a query sent before the search stopped changes nothing.
    if (!searchTimer_->isActive())
        return;
    if (version <= 0 && missLogged_)
        return;
    missLogged_ = true;
    qDebug() << "broadcast:" << broadcastAddress << " IP: " << reply.toLocal8Bit().constData()
             << " version:" << version;
    if (version > 0) {
        foundIp_ = reply;
        ui_->lineEdit_ip->setText(foundIp_);
        showAddressHint(QString());
        searchTimer_->stop();
    }
}

void MyWifiSelect::changeEvent(QEvent *event)
{
    // The settings button stays reachable while this dialog waits for a
    // choice, so a language picked there must reach these captions too.
    if (event->type() == QEvent::LanguageChange) {
        ui_->retranslateUi(this);
        if (!ui_->label_ip_hint->isHidden())
            ui_->label_ip_hint->setText(tr(kAddressHint));
    }
    QDialog::changeEvent(event);
}

#include "moc_my_wifi_select.cpp"
