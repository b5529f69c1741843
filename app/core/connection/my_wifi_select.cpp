#include "core/connection/my_wifi_select.h"
#include "ui_my_wifi_select.h"

#include "core/startup/app_settings.h"
#include "core/connection/broadcast_address_source.h"

#include <QDebug>
#include <QEvent>
#include <QThread>
#include <QTimer>

MyWifiSelect::MyWifiSelect(std::unique_ptr<BroadcastAddressSource> addresses,
                           CameraSearchWorker::VersionQuery query, QWidget *parent)
    : QDialog(parent), ui_(new Ui::MyWifiSelectClass), addresses_(std::move(addresses)),
      query_(std::move(query))
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setStyleSheet(QStringLiteral("background-color:#FAFAFA"));
    const QString buttonStyle = QStringLiteral("border:1px solid #7A7A7A");
    ui_->pushButton_go_wifi->setStyleSheet(buttonStyle);
    ui_->pushButton_sousuo_ip_start->setStyleSheet(buttonStyle);
    ui_->pushButton_go_route->setStyleSheet(buttonStyle);

    connect(ui_->pushButton_sousuo_ip_start, SIGNAL(clicked()), this, SLOT(btn_sousuo_ip_start()));
    connect(ui_->pushButton_go_wifi, SIGNAL(clicked()), this, SLOT(btn_go_wifi()));
    connect(ui_->pushButton_go_route, SIGNAL(clicked()), this, SLOT(btn_go_route()));

    const QString stored = readSettingOr(QStringLiteral("wifi/sta_ip"), QString());
    if (!stored.isEmpty())
        ui_->lineEdit_ip->setText(stored);

    searchTimer_ = new QTimer(this);
    connect(searchTimer_, &QTimer::timeout, this, &MyWifiSelect::queryTick, Qt::DirectConnection);
}

MyWifiSelect::~MyWifiSelect()
{
    if (searchThread_) {
        searchThread_->quit();
        searchThread_->wait();
        delete searchWorker_;
        delete searchThread_;
    }
}

QString MyWifiSelect::addressText() const
{
    return ui_->lineEdit_ip->text();
}

void MyWifiSelect::setAddressText(const QString &text)
{
    ui_->lineEdit_ip->setText(text);
}

void MyWifiSelect::btn_sousuo_ip_start()
{
    qDebug() << "123";
    broadcastAddress_ = addresses_->broadcastAddress(broadcastAddress_);
    ensureSearchThread();
    searchTimer_->start(50);
}

void MyWifiSelect::btn_go_wifi()
{
    emit sendWifiIp(QString::fromLatin1(kAccessPointAddress));
}

void MyWifiSelect::btn_go_route()
{
    const QString text = ui_->lineEdit_ip->text();
    if (text.length() <= 7)
        return;
    writeSetting(QStringLiteral("wifi/sta_ip"), text);
    emit sendWifiIp(text);
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
    qDebug() << "broadcast:" << broadcastAddress << " IP: " << reply.toLocal8Bit().constData()
             << " version:" << version;
    if (version > 0) {
        foundIp_ = reply;
        ui_->lineEdit_ip->setText(foundIp_);
        searchTimer_->stop();
    }
}

void MyWifiSelect::changeEvent(QEvent *event)
{
    // The settings button stays reachable while this dialog waits for a
    // choice, so a language picked there must reach these captions too.
    if (event->type() == QEvent::LanguageChange)
        ui_->retranslateUi(this);
    QDialog::changeEvent(event);
}

#include "moc_my_wifi_select.cpp"
