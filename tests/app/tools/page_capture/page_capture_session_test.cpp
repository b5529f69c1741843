// SPDX-License-Identifier: GPL-3.0-or-later

// Hands-free page capture's session on scripted simulator frames: one
// deskewed photo per page saved through the photo path, the photos handed
// to the PDF composer in order, refusals said, a lost photo taken again.

#include "test_runner.h"

#include "core/startup/app_settings.h"
#include "scene/sim_scene_script_renderer.h"
#include "tools/page_capture/page_capture_session.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QImage imageOf(const cv::Mat &bgr)
{
    return QImage(bgr.data, bgr.cols, bgr.rows, static_cast<int>(bgr.step), QImage::Format_BGR888)
        .convertToFormat(QImage::Format_RGB32);
}

// A camera playing a script at 15 frames/s into a session, on a moved
// clock; the photos are kept in memory instead of files.
struct Stage {
    explicit Stage(const char *text)
    {
        std::string error;
        if (!camsim::parseSceneScript(text, script, &error))
            qFatal("%s", error.c_str());
        PageCaptureSession::Parts parts;
        parts.fullPicture = [this] { return frame; };
        parts.savePhoto = [this](const QImage &picture, const QString &note) {
            if (failSaves)
                return QString();
            saved << picture;
            notes << note;
            return QStringLiteral("/photos/%1.jpg").arg(saved.size());
        };
        parts.compose = [this](const QStringList &pictures) { composed << pictures; };
        parts.reportFailure = [this](const QString &message) { failures << message; };
        parts.clock = [this] { return nowMs; };
        session = std::make_unique<PageCaptureSession>(parts);
    }

    // Plays from the current time for `seconds`.
    void play(double seconds)
    {
        for (const long long end = nowMs + static_cast<long long>(seconds * 1000); nowMs < end;
             nowMs += 66) {
            frame = imageOf(renderer.render(camsim::sceneMomentAt(script, nowMs / 1000.0), 0));
            session->frameArrived(frame);
        }
    }

    camsim::SceneScript script;
    camsim::SceneScriptRenderer renderer{640, 480};
    long long nowMs = 0;
    QImage frame;
    bool failSaves = false;
    QList<QImage> saved;
    QStringList notes;
    QList<QStringList> composed;
    QStringList failures;
    std::unique_ptr<PageCaptureSession> session;
};

} // namespace

class PageCaptureSessionTest : public QObject {
    Q_OBJECT

private slots:
    void onePhotoPerPageThenThePdfComposer()
    {
        Stage stage("page 1 2\nturn 2 1\npage 2 2\nhand 1\npage 2 2\nturn 3 1\npage 3 3\n");
        QVERIFY(stage.session->start(true));
        stage.play(stage.script.totalSeconds());
        QCOMPARE(stage.session->pages(),
                 QStringList({"/photos/1.jpg", "/photos/2.jpg", "/photos/3.jpg"}));
        // Deskewed cut-outs of the sheet, not the whole frame.
        for (const QImage &photo : stage.saved) {
            QVERIFY(photo.width() < 640 && photo.height() < 480);
            QVERIFY(photo.height() > photo.width()); // an upright page
        }
        QCOMPARE(stage.notes, QStringList({QString(), QString(), QString()}));

        QSignalSpy ended(stage.session.get(), &PageCaptureSession::ended);
        stage.session->finish();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!stage.session->active());
        QCOMPARE(stage.composed, QList<QStringList>({stage.session->pages()}));
        stage.play(3); // no longer watching
        QCOMPARE(stage.saved.size(), 3);
    }

    void finishingWithoutPagesOpensNothing()
    {
        Stage stage("empty 1\n");
        QVERIFY(stage.session->start(true));
        stage.session->finish();
        QVERIFY(stage.composed.isEmpty());
        QCOMPARE(stage.failures.size(), 1);
        QVERIFY(stage.failures[0].contains("No page was taken"));
    }

    void aWholePictureIsSavedWhenNoSheetIsFoundAndSaysSo()
    {
        Stage stage("empty 3\n");
        QVERIFY(stage.session->start(true));
        stage.play(2);
        QCOMPARE(stage.saved.size(), 1);
        QCOMPARE(stage.saved[0].size(), QSize(640, 480));
        QVERIFY(stage.notes[0].contains("whole picture"));
    }

    void aPageWhosePhotoFailedIsTakenAgainOnceMoved()
    {
        Stage stage("page 1 2\nhand 1\npage 1 2\nturn 2 1\npage 2 2\n");
        stage.failSaves = true;
        QVERIFY(stage.session->start(true));
        stage.play(2);
        QCOMPARE(stage.session->hint(), PageCaptureSession::Hint::NotSaved);
        QVERIFY(stage.session->pages().isEmpty());
        stage.failSaves = false;
        stage.play(stage.script.totalSeconds() - 2);
        QCOMPARE(stage.session->pages().size(), 2);
    }

    void stopKeepsThePhotosAndARestartBeginsAnewList()
    {
        Stage stage("page 1 2\nturn 2 1\npage 2 2\n");
        QVERIFY(stage.session->start(true));
        stage.play(2);
        QSignalSpy ended(stage.session.get(), &PageCaptureSession::ended);
        stage.session->stop();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(stage.session->pages().size(), 1);
        QVERIFY(stage.composed.isEmpty());
        QVERIFY(stage.session->start(true));
        QVERIFY(stage.session->pages().isEmpty());
        stage.play(3);
        QCOMPARE(stage.session->pages().size(), 1); // page 2, new to the new list
    }

    void theSensitivityIsRememberedAndChecked()
    {
        {
            Stage stage("page 1 1\n");
            stage.session->setSensitivity(5);
            stage.session->setSensitivity(0); // out of range: ignored
            QCOMPARE(stage.session->sensitivity(), 5);
        }
        Stage again("page 1 1\n");
        QCOMPARE(again.session->sensitivity(), 5);
        writeSetting(PageCaptureSession::kSensitivityKey, "junk");
        Stage junk("page 1 1\n");
        QCOMPARE(junk.session->sensitivity(), PageWatchSettings::kDefaultSensitivity);
    }
};

REGISTER_TEST_CLASS(PageCaptureSessionTest)
#include "page_capture_session_test.moc"
