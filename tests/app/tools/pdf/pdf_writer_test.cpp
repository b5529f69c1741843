// SPDX-License-Identifier: GPL-3.0-or-later

// The PDF writer without a window: pages the size of their pictures and in
// their order, the JPEG data stored as it is, the open action, bad pictures
// left out and named, oversized pictures fitted, and failed writes that
// leave nothing under the chosen name.

#include "pdf_inspection.h"

#include "tools/pdf/writer/jpeg_pdf_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using Failure = JpegPdfWriter::Failure;
using Problem = JpegPdfWriter::PictureProblem;

namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class PdfWriterTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void pagesArePicturesInOrderWithTheirJpegDataUntouched()
    {
        const QString big = makeJpeg(dir_.path(), "big.jpg", 2592, 1944);
        const QString small = makeJpeg(dir_.path(), "small.jpg", 640, 480);
        const QString tall = makeJpeg(dir_.path(), "tall.jpg", 100, 300);
        const QString pdf = dir_.path() + "/four.pdf";

        const auto outcome = JpegPdfWriter().write({big, small, tall, small}, pdf);
        QVERIFY(outcome.written());
        QCOMPARE(outcome.pages, 4);
        QVERIFY(qpdfCheckPasses(pdf));
        QCOMPARE(pdfPageSizes(pdf), (QList<QSizeF>{{2592, 1944}, {640, 480}, {100, 300}, {640, 480}}));
        const PdfStructure s = pdfStructure(pdf);
        QCOMPARE(s.openActionPage, s.pages.value(3));
        QCOMPARE(s.filters.join(' '), QString("/DCTDecode /DCTDecode /DCTDecode /DCTDecode"));
        QCOMPARE(rawStreamData(pdf, s.images.value(0)), contentsOf(big));
        QCOMPARE(rawStreamData(pdf, s.images.value(2)), contentsOf(tall));
    }

    void picturesThatCannotBeLoadedAreLeftOutAndNamed()
    {
        const QString good = makeJpeg(dir_.path(), "good.jpg", 320, 200);
        const QString missing = dir_.path() + "/missing.jpg";
        const QString png = dir_.path() + "/really_png.jpg";
        QVERIFY(QImage(50, 50, QImage::Format_RGB32).save(png, "PNG"));
        const QString pdf = dir_.path() + "/partial.pdf";

        const auto outcome = JpegPdfWriter().write({missing, good, png}, pdf);
        QVERIFY(outcome.written());
        QCOMPARE(outcome.skipped.size(), 2);
        QCOMPARE(outcome.skipped[0].path, missing);
        QCOMPARE(outcome.skipped[0].problem, Problem::Unreadable);
        QCOMPARE(outcome.skipped[1].path, png);
        QCOMPARE(outcome.skipped[1].problem, Problem::NotJpeg);
        QCOMPARE(pdfPageSizes(pdf), (QList<QSizeF>{{320, 200}}));
        QVERIFY(qpdfCheckPasses(pdf));

        const QString none = dir_.path() + "/none.pdf";
        QCOMPARE(JpegPdfWriter().write({missing, png}, none).failure, Failure::NoPictureLoaded);
        QCOMPARE(JpegPdfWriter().write({}, none).failure, Failure::NoPictures);
        QVERIFY(!QFile::exists(none));
    }

    void picturesLargerThanAPageAreScaledToFit()
    {
        const QString wide = makeJpeg(dir_.path(), "wide.jpg", 14500, 40);
        const QString edge = makeJpeg(dir_.path(), "edge.jpg", 30, 14400);
        const QString pdf = dir_.path() + "/wide.pdf";
        const auto outcome = JpegPdfWriter().write({wide, edge}, pdf);
        QVERIFY(outcome.written());
        QCOMPARE(outcome.scaledToFit, QStringList{wide});
        const QList<QSizeF> sizes = pdfPageSizes(pdf);
        QCOMPARE(sizes.size(), 2);
        QCOMPARE(sizes[0].width(), 14400.0);
        QVERIFY(qAbs(sizes[0].height() - 40.0 * 14400 / 14500) < 0.01);
        QCOMPARE(sizes[1], QSizeF(30, 14400));
        QVERIFY(qpdfCheckPasses(pdf));
    }

    void aFailedWriteLeavesNothingUnderTheChosenName()
    {
        QTemporaryDir out;
        QImage noise(600, 600, QImage::Format_RGB32);
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 600; ++x)
                noise.setPixel(x, y, qRgb((x * 7919 + y * 104729) % 251, (x * y) % 253, y % 255));
        const QString picture = dir_.path() + "/noise.jpg";
        QVERIFY(noise.save(picture, "JPG", 95));
        const QString kept = out.path() + "/kept.pdf";
        QVERIFY(writeFile(kept, "the old document"));

        // The disk fills half way (a file-size limit, as for any user).
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limited = saved;
        limited.rlim_cur = 20000;
        setrlimit(RLIMIT_FSIZE, &limited);
        const Failure full = JpegPdfWriter().write({picture}, kept).failure;
        setrlimit(RLIMIT_FSIZE, &saved);
        QCOMPARE(full, Failure::CannotWriteFile);
        QCOMPARE(contentsOf(kept), QByteArray("the old document"));

        QCOMPARE(JpegPdfWriter().write({picture}, out.path() + "/no/such.pdf").failure,
                 Failure::CannotCreateFile);
        QVERIFY(QDir(out.path()).mkdir("taken.pdf"));
        QCOMPARE(JpegPdfWriter().write({picture}, out.path() + "/taken.pdf").failure,
                 Failure::CannotReplaceFile);
        // No temporary file is left behind.
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.pdf"});

        // With room, the old file is replaced whole and keeps its permissions.
        QFile::setPermissions(kept, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(JpegPdfWriter().write({picture}, kept).written());
        QVERIFY(qpdfCheckPasses(kept));
        QVERIFY(!(QFileInfo(kept).permissions() & QFileDevice::ReadOther));
    }
};

QTEST_MAIN(PdfWriterTest)
#include "pdf_writer_test.moc"
