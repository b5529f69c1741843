// SPDX-License-Identifier: GPL-3.0-or-later

#include "recorded_video.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

QByteArray run(const QString &program, const QStringList &arguments, int *exitCode = nullptr,
               QByteArray *errors = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    if (errors)
        *errors = process.readAllStandardError();
    return process.readAllStandardOutput();
}

} // namespace

RecordedVideo inspectRecording(const QString &path)
{
    RecordedVideo video;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray head = file.read(2048);
        if (head.size() >= 2048 && head.mid(24, 4) == "avih") {
            const auto *p = reinterpret_cast<const uchar *>(head.constData());
            video.declared = QSize(qFromLittleEndian<qint32>(p + 64), qFromLittleEndian<qint32>(p + 68));
            const int format = head.indexOf("strf");
            if (format > 0)
                video.streamDeclared = QSize(qFromLittleEndian<qint32>(p + format + 12),
                                             qFromLittleEndian<qint32>(p + format + 16));
        }
    }
    const QByteArray sizes = run("ffprobe", {"-v", "error", "-select_streams", "v:0", "-show_entries",
                                             "frame=width,height", "-of", "csv=p=0", path});
    for (const QByteArray &line : sizes.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(',');
        if (fields.size() == 2)
            video.frames << QSize(fields[0].toInt(), fields[1].toInt());
    }
    int exitCode = -1;
    QByteArray errors;
    run("ffmpeg", {"-nostdin", "-v", "error", "-i", path, "-f", "null", "-"}, &exitCode, &errors);
    video.decodesCleanly = exitCode == 0 && errors.trimmed().isEmpty();
    return video;
}

QImage recordedFrame(const QString &path, int index)
{
    QTemporaryDir folder;
    const QString png = folder.path() + "/frame.png";
    run("ffmpeg", {"-nostdin", "-v", "error", "-i", path, "-vf", QString("select=eq(n\\,%1)").arg(index),
                   "-vsync", "0", "-frames:v", "1", png});
    return QImage(png);
}
