// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a finished recording back: complete, unfinished, without its
// index, and missing its end, on files the camera library's recorder wrote.

#include "core/capture/recorded_file_check.h"

#include "test_runner.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "qv_camera.h"

namespace {

QByteArray jpegFrame(QRgb colour)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG");
    return bytes;
}

RecordedFileProblem check(const QString &path, const QByteArray &last)
{
    return checkRecordedFile(QFile::encodeName(path).toStdString(),
                             reinterpret_cast<const std::uint8_t *>(last.constData()), size_t(last.size()));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

} // namespace

class RecordedFileTest : public QObject {
    Q_OBJECT

private slots:
    void aRecordingIsCompleteOnlyWithItsIndexAndItsLastFrame()
    {
        QTemporaryDir folder;
        const QString path = folder.path() + "/take.avi";
        const QByteArray red = jpegFrame(qRgb(200, 0, 0)), blue = jpegFrame(qRgb(0, 0, 200));
        Recorder *recorder = QV_InitRecord();
        QV_SetVideoParams(recorder, 64, 48, 15);
        QVERIFY(QV_StartRecord(recorder, QFile::encodeName(path).constData()));
        QV_AddVideoData(recorder, red.constData(), red.size());
        QV_AddVideoData(recorder, blue.constData(), blue.size());
        QV_StopRecord(recorder);
        QV_DeInitRecord(recorder);
        const QByteArray good = contents(path);

        QCOMPARE(check(path, blue), RecordedFileProblem::None);
        QCOMPARE(check(path, QByteArray()), RecordedFileProblem::None);
        // The end did not make it into the file.
        QCOMPARE(check(path, red), RecordedFileProblem::LastFrameMissing);
        // Cut short: the header's sizes no longer match.
        write(path, good.left(good.size() - 16));
        QCOMPARE(check(path, blue), RecordedFileProblem::NotFinished);
        write(path, good.left(1000));
        QCOMPARE(check(path, blue), RecordedFileProblem::NotFinished);
        // Finished without an index (the writer clears the flag then).
        QByteArray unindexed = good;
        unindexed[44] = char(unindexed[44] & ~0x10);
        write(path, unindexed);
        QCOMPARE(check(path, blue), RecordedFileProblem::NoIndex);
        QCOMPARE(check(folder.path() + "/none.avi", blue), RecordedFileProblem::Unreadable);
    }
};

REGISTER_TEST_CLASS(RecordedFileTest)
#include "recorded_file_test.moc"
