// The PDF writer without a window: pages the size of their pictures and in
// their order, the JPEG data stored as it is, the open action, bad pictures
// left out and named, oversized pictures fitted to a page, and failed writes
// that leave nothing under the chosen name.

#include "pdf_inspection.h"

#include "tools/pdf/writer/jpeg_pdf_writer.h"
#include "tools/pdf/writer/pdf_page_size.h"

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

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Limits the size of any file this process writes, as a full disk would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

} // namespace

class PdfWriterTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void pagesArePicturesInOrderWithTheirJpegDataUntouched()
    {
        const QString big = makeJpeg(dir_.path(), "big.jpg", 2592, 1944);
        const QString small = makeJpeg(dir_.path(), "small.jpg", 640, 480, Qt::red);
        const QString tall = makeJpeg(dir_.path(), "tall.jpg", 100, 300, Qt::yellow);
        const QString pdf = dir_.path() + "/three.pdf";

        const auto outcome = JpegPdfWriter().write({big, small, tall, small}, pdf);
        QVERIFY(outcome.written());
        QCOMPARE(outcome.pages, 4);
        QVERIFY(outcome.skipped.isEmpty());
        QVERIFY(qpdfCheckPasses(pdf));
        QCOMPARE(pdfPageSizes(pdf), (QList<QSizeF>{{2592, 1944}, {640, 480}, {100, 300}, {640, 480}}));

        const PdfStructure s = pdfStructure(pdf);
        QCOMPARE(s.pages.size(), 4);
        // The document opens at the page added last.
        QCOMPARE(s.openActionPage, s.pages.last());
        QCOMPARE(s.imageFilters.join(" "), QString("/DCTDecode /DCTDecode /DCTDecode /DCTDecode"));
        QCOMPARE(rawStreamData(pdf, s.pageImages[0]), contentsOf(big));
        QCOMPARE(rawStreamData(pdf, s.pageImages[2]), contentsOf(tall));
        // The picture fills its page from the lower-left corner.
        const QByteArray drawing =
            runTool("qpdf", {"--show-object=" + s.pages[0].section(' ', 0, 0), pdf});
        QVERIFY(drawing.contains("/MediaBox [ 0 0 2592 1944 ]"));
        QCOMPARE(QFileInfo(pdf).permissions() & QFileDevice::ReadOther, QFileDevice::ReadOther);
    }

    void picturesThatCannotBeLoadedAreLeftOutAndNamed()
    {
        const QString good = makeJpeg(dir_.path(), "good.jpg", 320, 200);
        const QString missing = dir_.path() + "/missing.jpg";
        const QString png = dir_.path() + "/really_png.jpg";
        QVERIFY(QImage(50, 50, QImage::Format_RGB32).save(png, "PNG"));
        const QString text = dir_.path() + "/notes.jpg";
        writeFile(text, "not a picture at all");
        const QString pdf = dir_.path() + "/partial.pdf";

        const auto outcome = JpegPdfWriter().write({missing, good, png, text}, pdf);
        QVERIFY(outcome.written());
        QCOMPARE(outcome.pages, 1);
        QCOMPARE(outcome.skipped.size(), 3);
        QCOMPARE(outcome.skipped[0].path, missing);
        QCOMPARE(outcome.skipped[0].problem, Problem::Unreadable);
        QCOMPARE(outcome.skipped[1].path, png);
        QCOMPARE(outcome.skipped[1].problem, Problem::NotJpeg);
        QCOMPARE(outcome.skipped[2].problem, Problem::NotJpeg);
        QCOMPARE(pdfPageSizes(pdf), (QList<QSizeF>{{320, 200}}));
        QVERIFY(qpdfCheckPasses(pdf));

        // Nothing loadable, or nothing at all: no document.
        const QString none = dir_.path() + "/none.pdf";
        QCOMPARE(JpegPdfWriter().write({missing, text}, none).failure, Failure::NoPictureLoaded);
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

        const PdfPageSize tiny = pdfPageSizeFor(1, 2);
        QCOMPARE(QSizeF(tiny.width, tiny.height), QSizeF(3, 3));
        const PdfPageSize tall = pdfPageSizeFor(100, 28800);
        QCOMPARE(QSizeF(tall.width, tall.height), QSizeF(50, 14400));
        QVERIFY(tall.scaled);
    }

    void aFailedWriteLeavesNothingUnderTheChosenName()
    {
        QTemporaryDir out;
        QImage noise(600, 600, QImage::Format_RGB32);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, qRgb((x * 7919 + y * 104729) % 251, (x * y) % 253, y % 255));
        const QString picture = dir_.path() + "/noise.jpg";
        QVERIFY(noise.save(picture, "JPG", 95));
        QVERIFY(QFileInfo(picture).size() > 100000);

        // The disk fills half way: the file that was there stays as it was.
        const QString kept = out.path() + "/kept.pdf";
        writeFile(kept, "the old document");
        {
            FileSizeLimit limit(20000);
            QCOMPARE(JpegPdfWriter().write({picture}, kept).failure, Failure::CannotWriteFile);
        }
        QCOMPARE(contentsOf(kept), QByteArray("the old document"));
        QCOMPARE(filesIn(out.path()), QStringList{"kept.pdf"});

        // A folder that is not there, and a name taken by a folder.
        QCOMPARE(JpegPdfWriter().write({picture}, out.path() + "/no/such.pdf").failure,
                 Failure::CannotCreateFile);
        QVERIFY(QDir(out.path()).mkdir("taken.pdf"));
        QCOMPARE(JpegPdfWriter().write({picture}, out.path() + "/taken.pdf").failure,
                 Failure::CannotReplaceFile);
        QCOMPARE(filesIn(out.path()), QStringList{"kept.pdf"});

        // With room to write, the old file is replaced whole, keeping its
        // permissions.
        QFile::setPermissions(kept, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QVERIFY(JpegPdfWriter().write({picture}, kept).written());
        QVERIFY(qpdfCheckPasses(kept));
        QCOMPARE(QFileInfo(kept).permissions() & QFileDevice::ReadOther, QFileDevice::Permissions());
        QCOMPARE(filesIn(out.path()), QStringList{"kept.pdf"});
    }
};

QTEST_MAIN(PdfWriterTest)
#include "pdf_writer_test.moc"
