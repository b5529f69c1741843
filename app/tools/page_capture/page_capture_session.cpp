// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/page_capture/page_capture_session.h"

#include "core/startup/app_settings.h"
#include "tools/page_capture/image_thumbnail.h"
#include "tools/page_capture/page_cut.h"

namespace {

int storedSensitivity()
{
    bool ok = false;
    const int level = readSettingOr(QString::fromLatin1(PageCaptureSession::kSensitivityKey),
                                    QString::number(PageWatchSettings::kDefaultSensitivity))
                          .toInt(&ok);
    if (!ok || level < PageWatchSettings::kLeastSensitive || level > PageWatchSettings::kMostSensitive)
        return PageWatchSettings::kDefaultSensitivity;
    return level;
}

} // namespace

PageCaptureSession::PageCaptureSession(Parts parts, QObject *parent)
    : QObject(parent), parts_(std::move(parts)), sensitivity_(storedSensitivity())
{
    if (!parts_.clock)
        parts_.clock = steadyMillisecondsClock();
    watcher_.setSettings(PageWatchSettings::forSensitivity(sensitivity_));
}

bool PageCaptureSession::start(bool livePicture)
{
    if (active_)
        return true;
    if (!livePicture) {
        parts_.reportFailure(tr("Hands-free pages need the live picture: connect the camera and "
                                "leave the freeze off."));
        return false;
    }
    active_ = true;
    pages_.clear();
    watcher_.restart();
    setHint(Hint::Waiting);
    return true;
}

void PageCaptureSession::stop()
{
    if (!active_)
        return;
    active_ = false;
    emit ended();
}

void PageCaptureSession::finish()
{
    const bool wasActive = active_;
    active_ = false;
    if (pages_.isEmpty())
        parts_.reportFailure(tr("No page was taken, so there is nothing to put into a PDF."));
    else
        parts_.compose(pages_);
    if (wasActive)
        emit ended();
}

void PageCaptureSession::setSensitivity(int level)
{
    if (level < PageWatchSettings::kLeastSensitive || level > PageWatchSettings::kMostSensitive ||
        level == sensitivity_)
        return;
    sensitivity_ = level;
    watcher_.setSettings(PageWatchSettings::forSensitivity(level));
    writeSetting(QString::fromLatin1(kSensitivityKey), QString::number(level));
}

void PageCaptureSession::frameArrived(const QImage &frame)
{
    if (!active_)
        return;
    const cv::Mat thumbnail = thumbnailOfImage(frame);
    if (thumbnail.empty())
        return;
    switch (watcher_.feed(thumbnail, parts_.clock())) {
    case PageTurnWatcher::Verdict::TakePage:
        takePage();
        return;
    case PageTurnWatcher::Verdict::SamePage:
        setHint(Hint::SamePage);
        return;
    case PageTurnWatcher::Verdict::None:
        break;
    }
    switch (watcher_.state()) {
    case PageTurnWatcher::State::Changing:
        setHint(Hint::Moving);
        break;
    case PageTurnWatcher::State::Settling:
        // The first page's wait and every wait after a movement.
        setHint(pages_.isEmpty() && hint_ == Hint::Waiting ? Hint::Waiting : Hint::HoldStill);
        break;
    case PageTurnWatcher::State::Watching:
        break; // keeps saying what happened last
    }
}

void PageCaptureSession::takePage()
{
    const PageCut cut = cutPage(parts_.fullPicture());
    const QString path =
        cut.picture.isNull()
            ? QString()
            : parts_.savePhoto(cut.picture, cut.sheetFound ? QString()
                                                           : tr("No sheet was found, so the whole "
                                                                "picture was saved."));
    if (path.isEmpty()) {
        // Taken again once the page has been moved a little and is still.
        watcher_.forgetLastPage();
        setHint(Hint::NotSaved);
        return;
    }
    pages_ << path;
    hint_ = Hint::Taken;
    emit progressed();
}

void PageCaptureSession::setHint(Hint hint)
{
    if (hint == hint_)
        return;
    hint_ = hint;
    emit progressed();
}
