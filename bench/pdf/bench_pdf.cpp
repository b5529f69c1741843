// SPDX-License-Identifier: GPL-3.0-or-later

// bench_pdf: how long the PDF composer's writer takes for a stack of camera
// pictures, against img2pdf (Debian's package) on the same files in the
// same run. Both store the JPEG data as it is, so both are bound by reading
// and writing the bytes.
//
// Renders N pictures of 3840x2880 (JPEG quality 90) once into a temporary
// folder, then alternates R runs of each writer and prints the median
// times, their ratio, and the output sizes against the sum of the JPEGs.

#include "tools/pdf/writer/jpeg_pdf_writer.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

struct Options {
    int pictures = 100;
    int runs = 3;
    QString folder; // empty = a temporary folder
};

Options parse(int argc, char **argv)
{
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--pictures"))
            o.pictures = std::max(1, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--runs"))
            o.runs = std::max(1, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--folder"))
            o.folder = QString::fromLocal8Bit(argv[i + 1]);
    }
    return o;
}

// A page-like picture: paper shading, text-like strokes and sensor-like
// grain, so the JPEG is about as large as a camera's (2-3 MB at q90).
QImage pageLikePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB888);
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        uchar *row = picture.scanLine(y);
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 29) - 4;
            const int paper = 215 + (x + y) * 30 / (width + height);
            for (int c = 0; c < 3; ++c)
                row[x * 3 + c] = uchar(std::clamp(paper + grain - c * 6, 0, 255));
        }
    }
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(40, 40, 50), 5));
    for (int line = 0; line < 60; ++line) {
        const int y = 200 + line * 42;
        for (int x = 250; x < width - 300; x += 37 + (line * x) % 23)
            painter.drawLine(x, y, x + 18 + (x + line) % 14, y - (x % 19));
    }
    return picture;
}

std::vector<QString> renderPictures(const QString &folder, int count, qint64 &totalBytes)
{
    const QImage base = pageLikePicture(3840, 2880);
    std::vector<QString> paths;
    totalBytes = 0;
    for (int i = 0; i < count; ++i) {
        QImage picture = base;
        QPainter painter(&picture);
        painter.setPen(Qt::black);
        painter.setFont(QFont(QStringLiteral("Sans"), 120));
        painter.drawText(QRect(0, 2500, 3840, 300), Qt::AlignCenter,
                         QStringLiteral("Page %1").arg(i + 1));
        painter.end();
        const QString path = QStringLiteral("%1/picture_%2.jpg").arg(folder).arg(i, 3, 10, QLatin1Char('0'));
        if (!picture.save(path, "JPG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return {};
        }
        totalBytes += QFileInfo(path).size();
        paths.push_back(path);
    }
    return paths;
}

double elapsedMs(const std::function<bool()> &work, bool &ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = work() && ok;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const Options options = parse(argc, argv);
    QTemporaryDir temporary;
    const QString folder = options.folder.isEmpty() ? temporary.path() : options.folder;

    std::printf("rendering %d pictures of 3840x2880 (JPEG q90) into %s ...\n", options.pictures,
                qPrintable(folder));
    qint64 jpegBytes = 0;
    const std::vector<QString> paths = renderPictures(folder, options.pictures, jpegBytes);
    if (paths.empty())
        return 1;
    QStringList pictures;
    for (const QString &path : paths)
        pictures << path;

    const QString ours = folder + QStringLiteral("/corvane.pdf");
    const QString theirs = folder + QStringLiteral("/img2pdf.pdf");
    std::vector<double> ourTimes, theirTimes;
    bool ok = true;
    for (int run = 0; run < options.runs; ++run) {
        QFile::remove(ours);
        QFile::remove(theirs);
        auto writeOurs = [&] { return JpegPdfWriter().write(pictures, ours).written(); };
        auto writeTheirs = [&] {
            QProcess process;
            process.start(QStringLiteral("img2pdf"),
                          QStringList(pictures) << QStringLiteral("-o") << theirs);
            return process.waitForFinished(600000) && process.exitStatus() == QProcess::NormalExit
                   && process.exitCode() == 0;
        };
        // Alternate which goes first, so neither always finds the cache warm.
        if (run % 2 == 0) {
            ourTimes.push_back(elapsedMs(writeOurs, ok));
            theirTimes.push_back(elapsedMs(writeTheirs, ok));
        } else {
            theirTimes.push_back(elapsedMs(writeTheirs, ok));
            ourTimes.push_back(elapsedMs(writeOurs, ok));
        }
        std::printf("run %d: corvane %.0f ms, img2pdf %.0f ms\n", run + 1, ourTimes.back(),
                    theirTimes.back());
    }
    if (!ok) {
        std::fprintf(stderr, "a writer failed (is img2pdf installed?)\n");
        return 1;
    }

    const double our = median(ourTimes), their = median(theirTimes);
    const qint64 ourBytes = QFileInfo(ours).size(), theirBytes = QFileInfo(theirs).size();
    std::printf("\n%d pictures, %.1f MB of JPEG data, median of %d runs\n", options.pictures,
                jpegBytes / 1e6, options.runs);
    std::printf("  corvane (libharu)  %8.0f ms  %8.1f MB  (+%lld bytes over the JPEGs)\n", our,
                ourBytes / 1e6, static_cast<long long>(ourBytes - jpegBytes));
    std::printf("  img2pdf            %8.0f ms  %8.1f MB  (+%lld bytes over the JPEGs)\n", their,
                theirBytes / 1e6, static_cast<long long>(theirBytes - jpegBytes));
    std::printf("  ratio corvane / img2pdf: %.2f (goal: at most 1.50)\n", our / their);
    return 0;
}
