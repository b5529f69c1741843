// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/page_capture/my_page_capture_bar.h"

#include "imaging/page_watch/page_watch_settings.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

MyPageCaptureBar::MyPageCaptureBar(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), title_(new QLabel(this)),
      count_(new QLabel(this)), hint_(new QLabel(this)), sensitivityLabel_(new QLabel(this)),
      sensitivity_(new QSlider(Qt::Horizontal, this)), finish_(new QPushButton(this)),
      stop_(new QPushButton(this))
{
    setObjectName(QStringLiteral("MyPageCaptureBar"));
    setStyleSheet(QStringLiteral("QDialog#MyPageCaptureBar{background-color:#ededed;}"));
    QFont big = count_->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    count_->setFont(big);
    count_->setObjectName(QStringLiteral("label_count"));
    count_->setStyleSheet(QStringLiteral("color:#0296D6;"));
    hint_->setObjectName(QStringLiteral("label_hint"));
    hint_->setWordWrap(true);
    hint_->setMinimumHeight(hint_->fontMetrics().height() * 2);
    sensitivityLabel_->setWordWrap(true);
    sensitivity_->setObjectName(QStringLiteral("slider_sensitivity"));
    sensitivity_->setRange(PageWatchSettings::kLeastSensitive, PageWatchSettings::kMostSensitive);
    sensitivity_->setPageStep(1);
    sensitivity_->setTickPosition(QSlider::TicksBelow);
    sensitivity_->setTickInterval(1);
    finish_->setObjectName(QStringLiteral("btn_finish"));
    stop_->setObjectName(QStringLiteral("btn_stop"));
    // Enter in the panel must not finish by surprise.
    finish_->setAutoDefault(false);
    stop_->setAutoDefault(false);

    // One above the other: the captions are long in some languages.
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(finish_);
    buttons->addWidget(stop_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(count_);
    layout->addWidget(hint_);
    layout->addWidget(sensitivityLabel_);
    layout->addWidget(sensitivity_);
    layout->addLayout(buttons);
    setFixedWidth(300);

    connect(sensitivity_, &QSlider::valueChanged, this, &MyPageCaptureBar::signals_sensitivity);
    connect(finish_, &QPushButton::clicked, this, &MyPageCaptureBar::signals_finish);
    connect(stop_, &QPushButton::clicked, this, &MyPageCaptureBar::signals_stop);
    retranslate();
}

QString MyPageCaptureBar::hintText(PageCaptureSession::Hint hint)
{
    switch (hint) {
    case PageCaptureSession::Hint::Waiting:
        return tr("Lay the first page under the camera and take your hands away.");
    case PageCaptureSession::Hint::Moving:
        return tr("Page moving…");
    case PageCaptureSession::Hint::HoldStill:
        return tr("Hold still…");
    case PageCaptureSession::Hint::Taken:
        return tr("Page taken. Turn to the next page.");
    case PageCaptureSession::Hint::SamePage:
        return tr("Still the same page: turn to the next one.");
    case PageCaptureSession::Hint::NotSaved:
        return tr("The page was not saved; move it a little to try again.");
    }
    return QString();
}

void MyPageCaptureBar::showProgress(int pages, PageCaptureSession::Hint hint)
{
    pages_ = pages;
    shownHint_ = hint;
    count_->setText(tr("Pages taken: %1").arg(pages));
    hint_->setText(hintText(hint));
    finish_->setEnabled(pages > 0);
}

void MyPageCaptureBar::setSensitivity(int level)
{
    const QSignalBlocker quiet(sensitivity_);
    sensitivity_->setValue(level);
}

void MyPageCaptureBar::retranslate()
{
    setWindowTitle(tr("Hands-free pages"));
    title_->setText(tr("Turn the pages; each still page is photographed."));
    title_->setWordWrap(true);
    sensitivityLabel_->setText(tr("Sensitivity (left: calm, right: keen)"));
    sensitivity_->setToolTip(tr("Keen notices smaller changes and takes the photo sooner; calm "
                                "ignores small movements and waits longer for the hands to go."));
    finish_->setText(tr("Finish: make a PDF"));
    stop_->setText(tr("Stop"));
    showProgress(pages_, shownHint_);
}

void MyPageCaptureBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void MyPageCaptureBar::reject()
{
    emit signals_stop();
}
