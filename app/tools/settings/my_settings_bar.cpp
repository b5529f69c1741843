// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/settings/my_settings_bar.h"

#include "ui_my_settings_bar.h"

#include "core/startup/app_settings.h"
#include "core/startup/language_table.h"
#include "core/connection/library_camera_operations.h"
#include "core/main_window/message_box_presenter.h"
#include "core/startup/process_values.h"
#include "core/connection/wireless_network_lister.h"

#include <QEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

namespace {
const char kDialogStyle[] = "QDialog#MySettingsBarClass{background-color:#ededed;}";
// The dialog is as grey as the window behind it; an edge in the accent
// colour shows where it ends.
const char kEdgeColour[] = "#0296D6";
constexpr int kCornerRadius = 10;
const char kButtonStyle[] = "background-color:#fff;border:1px solid #0296D6;border-radius:3px;"
                            "padding:5px;color:#0296D6";
const char kChooseButtonStyle[] = "QPushButton{background-color:#fff;border:1px solid #0296D6;"
                                  "border-radius:3px;padding:5px;color:#0296D6}";
const char kRevealButtonStyle[] = "QPushButton{background-color:#fff;border:1px solid #0296D6;"
                                  "border-radius:3px;padding:5px;color:#0296D6}"
                                  "QPushButton:checked{background-color:#0296D6;color:#fff}";
const char kFolderFieldStyle[] = "background-color:#fff;border:1px solid #fff;border-radius:2px;"
                                 "color:rgb(115,115,108);font-size:14px;padding:5px 10px;";

CameraOperations &operationsFrom(const MySettingsBarSeams &seams)
{
    return seams.operations ? *seams.operations : LibraryCameraOperations::shared();
}

MySettingsBarSeams &defaultSeams()
{
    static MySettingsBarSeams seams;
    return seams;
}

QString chooseFolderWithDialog(QWidget *parent, const QString &caption, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, caption, start,
                                             QFileDialog::ShowDirsOnly);
}
} // namespace

MySettingsBar::MySettingsBar(QWidget *parent)
    : MySettingsBar(defaultSeams(), parent)
{
}

void MySettingsBar::setDefaultSeamsForTests(const MySettingsBarSeams &seams)
{
    defaultSeams() = seams;
}

MySettingsBar::MySettingsBar(const MySettingsBarSeams &seams, QWidget *parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::MySettingsBarClass>()),
      actions_(operationsFrom(seams)),
      chooseFolder_(seams.chooseFolder ? seams.chooseFolder : chooseFolderWithDialog)
{
    ui_->setupUi(this);
    applyLookAndShape();
    connectButtons();
    startNetworkList(seams.networkListCommand);
    loadLanguage();
    loadSavePath();
}

MySettingsBar::~MySettingsBar() = default;

void MySettingsBar::applyLookAndShape()
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    setStyleSheet(QString::fromLatin1(kDialogStyle));
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));

    const QString buttonStyle = QString::fromLatin1(kButtonStyle);
    for (QPushButton *button : {ui_->pushButton_duijiao_set, ui_->pushButton_duijiao_reset,
                                ui_->pushButton_wifi_set_wifi, ui_->pushButton_wifi_set_route,
                                ui_->pushButton_close})
        button->setStyleSheet(buttonStyle);
    ui_->pushButton_baocun->setStyleSheet(QString::fromLatin1(kChooseButtonStyle));
    ui_->pushButton_show_password->setStyleSheet(QString::fromLatin1(kRevealButtonStyle));
    ui_->lineEdit_baocun->setStyleSheet(QString::fromLatin1(kFolderFieldStyle));
    // The popup rows only take their style sheet height with a list view of
    // their own.
    ui_->comboBox_software_language->setView(new QListView(ui_->comboBox_software_language));
}

void MySettingsBar::connectButtons()
{
    // A dialog makes its first button the default for Enter, which would
    // switch autofocus from the password field; Enter goes where the
    // keyboard is instead (keyPressEvent and eventFilter).
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(ui_->pushButton_duijiao_set, &QPushButton::clicked, this,
            [this] { report(actions_.setAutoFocus(true)); });
    connect(ui_->pushButton_duijiao_reset, &QPushButton::clicked, this,
            [this] { report(actions_.setAutoFocus(false)); });
    connect(ui_->pushButton_wifi_set_wifi, &QPushButton::clicked, this,
            [this] { report(actions_.resetToWifiMode()); });
    connect(ui_->pushButton_wifi_set_route, &QPushButton::clicked, this,
            &MySettingsBar::func_set_sta_mode);
    connect(ui_->pushButton_close, &QPushButton::clicked, this, &QWidget::close);

    // Enter in either Wi-Fi field means "join the router" (eventFilter); it
    // adds nothing to the list of names.
    ui_->wifi_name->setInsertPolicy(QComboBox::NoInsert);
    // The combo box takes the keys for its field (its focus proxy) and hands
    // them on directly; both are watched.
    ui_->wifi_password->installEventFilter(this);
    ui_->wifi_name->installEventFilter(this);
    ui_->wifi_name->lineEdit()->installEventFilter(this);
    // The password is masked on a projected screen unless asked for.
    connect(ui_->pushButton_show_password, &QPushButton::toggled, this, [this](bool shown) {
        ui_->wifi_password->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    });
}

void MySettingsBar::joinRouterFromKeyboard()
{
    // An empty field gets the keyboard: Enter after the name leads on to
    // the password, as in any form.
    if (ui_->wifi_name->currentText().isEmpty())
        ui_->wifi_name->setFocus();
    else if (ui_->wifi_password->text().isEmpty())
        ui_->wifi_password->setFocus();
    else
        func_set_sta_mode();
}

void MySettingsBar::startNetworkList(const NetworkListCommand &command)
{
    lister_ = new WirelessNetworkLister(command, this);
    connect(lister_, &WirelessNetworkLister::networksListed, this,
            [this](const QStringList &names) {
                // Typed text stays what the user typed; the names only join
                // the list below it.
                const QString typed = ui_->wifi_name->currentText();
                ui_->wifi_name->addItems(names);
                ui_->wifi_name->setCurrentText(typed.isEmpty() && !names.isEmpty()
                                                   ? names.first()
                                                   : typed);
            });
    lister_->start();
}

void MySettingsBar::loadLanguage()
{
    int index = languageIndexFromSetting(readSetting(QStringLiteral("dev/softwarelanguage")));
    if (index < 0 || index >= kLanguageCount)
        index = 0;
    ui_->comboBox_software_language->setCurrentIndex(index);
    ui_->comboBox_software_language->setMaxVisibleItems(5);
    // Connected only now, so that showing the stored choice stores nothing.
    connect(ui_->comboBox_software_language,
            QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int chosen) {
                writeSetting(QStringLiteral("dev/softwarelanguage"), QString::number(chosen));
                emit signals_change_language();
            });
}

void MySettingsBar::loadSavePath()
{
    ui_->lineEdit_baocun->setReadOnly(true);
    const QString stored = readSetting(QStringLiteral("dev/savePath"));
    ui_->lineEdit_baocun->setText(stored == QLatin1String("0") ? QString() : stored);
    connect(ui_->pushButton_baocun, &QPushButton::clicked, this,
            &MySettingsBar::func_change_savePath);
}

void MySettingsBar::func_change_savePath()
{
    const QString folder = chooseFolder_(this, tr("qing xuanze wenjian baocun weizhi"),
                                         processValues().documentsDir);
    if (folder.isEmpty())
        return;
    writeSetting(QStringLiteral("dev/savePath"), folder);
    ui_->lineEdit_baocun->setText(folder);
    emit signals_change_savePath(folder);
}

void MySettingsBar::func_image_qudise(int state)
{
    if (state == Qt::Unchecked)
        writeSetting(QStringLiteral("dev/qudise"), QStringLiteral("0"));
    else if (state == Qt::PartiallyChecked || state == Qt::Checked)
        writeSetting(QStringLiteral("dev/qudise"), QStringLiteral("1"));
}

void MySettingsBar::func_set_sta_mode()
{
    report(actions_.setRouteMode(ui_->wifi_name->currentText(), ui_->wifi_password->text()));
}

void MySettingsBar::report(SetupOutcome outcome)
{
    switch (outcome) {
    case SetupOutcome::Success:
        MessageBoxPresenter::information(this, tr("set"), tr("set success"));
        break;
    case SetupOutcome::Failure:
        MessageBoxPresenter::information(this, tr("set"), tr("set fail"));
        break;
    case SetupOutcome::TextTooLong:
        MessageBoxPresenter::information(
            this, tr("set"),
            tr("The network name and the password may each be at most 32 bytes."));
        break;
    case SetupOutcome::NothingToDo:
        break;
    }
}

void MySettingsBar::keyPressEvent(QKeyEvent *event)
{
    // Enter presses the button that has the focus, and no other.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool MySettingsBar::eventFilter(QObject *watched, QEvent *event)
{
    // Taken before the field sees it: an editable combo box would pass its
    // field's Enter on a second time.
    if (event->type() == QEvent::KeyPress
        && (watched == ui_->wifi_password || watched == ui_->wifi_name
            || watched == ui_->wifi_name->lineEdit())) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            joinRouterFromKeyboard();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MySettingsBar::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(QLatin1String(kEdgeColour)), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), kCornerRadius - 1,
                            kCornerRadius - 1);
}

void MySettingsBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui_->retranslateUi(this);
    QDialog::changeEvent(event);
}
