// SPDX-License-Identifier: GPL-3.0-or-later

// The invisible text layer of a searchable PDF: the words come out of
// pdftotext in their order and at their boxes, Latin and Chinese, upright
// and sideways; the pages look exactly as without text; text the font
// cannot carry is left out; a missing font still gives the document.

#include "pdf_inspection.h"

#include "tools/pdf/writer/invisible_text_layer.h"
#include "tools/pdf/writer/jpeg_pdf_writer.h"
#include "tools/pdf/writer/word_placement.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

const QString kFont = QStringLiteral(TEXT_LAYER_FONT);

// Words laid out left to right in lines, boxes in picture pixels.
PdfPageText lines(const QSize &picture, const QList<QStringList> &text, int wordHeight = 30)
{
    PdfPageText page;
    page.pictureSize = picture;
    int y = 80;
    for (const QStringList &line : text) {
        int x = 60;
        for (const QString &word : line) {
            const int width = wordHeight * 2 / 3 * int(word.size());
            page.words.append({word, {QPointF(x, y), QPointF(x + width, y),
                                      QPointF(x + width, y + wordHeight), QPointF(x, y + wordHeight)}});
            x += width + wordHeight / 2;
        }
        y += wordHeight * 2;
    }
    return page;
}

// The same words on the picture turned clockwise by a quarter (the page
// lay sideways): lines run downwards, the first line at the right.
PdfPageText turnedClockwise(const PdfPageText &upright)
{
    PdfPageText page;
    const int h = upright.pictureSize.height();
    page.pictureSize = upright.pictureSize.transposed();
    for (const PdfTextWord &word : upright.words) {
        PdfTextWord turned = word;
        for (QPointF &p : turned.corners)
            p = QPointF(h - p.y(), p.x());
        page.words.append(turned);
    }
    return page;
}

QString pdfText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return QString::fromUtf8(runTool("pdftotext", {"-f", n, "-l", n, pdf, "-"})).simplified();
}

// Word boxes pdftotext reads, in points from the top left.
QList<QPair<QString, QRectF>> pdfWordBoxes(const QString &pdf)
{
    QList<QPair<QString, QRectF>> words;
    auto it = QRegularExpression(
                  R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re")
                  .globalMatch(QString::fromUtf8(runTool("pdftotext", {"-bbox", pdf, "-"})));
    while (it.hasNext()) {
        const auto m = it.next();
        words.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

QImage renderedPage(const QString &pdf, const QString &prefix)
{
    runTool("pdftoppm", {"-r", "36", "-png", "-singlefile", pdf, prefix});
    return QImage(prefix + ".png");
}

} // namespace

class PdfTextLayerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void wordsComeOutInTheirOrderOnEachPage()
    {
        const QString english = makeJpeg(dir_.path(), "english.jpg", 1600, 1200);
        const QString chinese = makeJpeg(dir_.path(), "chinese.jpg", 1200, 1600);
        const QString pdf = dir_.path() + "/searchable.pdf";
        SearchableText text;
        text.fontPath = kFont;
        text.pages = {lines({1600, 1200}, {{"Minutes", "of", "the", "orchard", "society"},
                                           {"Budget:", "340", "pounds", "for", "trees."}}),
                      lines({1200, 1600}, {{"果园协会", "春季", "会议"}, {"预算：", "三百四十元"}})};
        const auto outcome = JpegPdfWriter().write({english, chinese}, pdf, &text);
        QVERIFY(outcome.written());
        QCOMPARE(outcome.pagesWithText, 2);
        QVERIFY(!outcome.textFontMissing);
        QVERIFY(qpdfCheckPasses(pdf));
        QCOMPARE(pdfText(pdf, 1), QString("Minutes of the orchard society Budget: 340 pounds for trees."));
        QCOMPARE(pdfText(pdf, 2).remove(' '), QString("果园协会春季会议预算：三百四十元"));
        // The pictures are still the JPEG files as they are.
        const PdfStructure s = pdfStructure(pdf);
        QFile file(english);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(rawStreamData(pdf, s.images.value(0)), file.readAll());
    }

    void eachWordCoversItsBoxAndSidewaysLinesReadInOrder()
    {
        const QString picture = makeJpeg(dir_.path(), "plain.jpg", 1600, 1200);
        const QString sideways = makeJpeg(dir_.path(), "sideways.jpg", 1200, 1600);
        const PdfPageText upright = lines({1600, 1200}, {{"harbour", "ferry", "timetable"},
                                                         {"twelve", "pear", "trees"}});
        SearchableText text;
        text.fontPath = kFont;
        text.pages = {upright, turnedClockwise(upright)};
        const QString pdf = dir_.path() + "/boxes.pdf";
        QVERIFY(JpegPdfWriter().write({picture, sideways}, pdf, &text).written());

        const auto boxes = pdfWordBoxes(pdf);
        QCOMPARE(boxes.size(), 12);
        for (int i = 0; i < upright.words.size(); ++i) {
            const PdfTextWord &word = upright.words[i];
            const QRectF given(word.corners[0], word.corners[2]);
            QCOMPARE(boxes[i].first, word.text);
            // One point per pixel: the box read back is the box given.
            QVERIFY2(qAbs(boxes[i].second.left() - given.left()) < 2
                         && qAbs(boxes[i].second.right() - given.right()) < 2
                         && qAbs(boxes[i].second.center().y() - given.center().y()) < 4,
                     qPrintable(word.text));
        }
        QCOMPARE(pdfText(pdf, 2), QString("harbour ferry timetable twelve pear trees"));
    }

    void theTextIsInvisible()
    {
        const QString picture = dir_.path() + "/print.jpg";
        QImage print(800, 600, QImage::Format_RGB32);
        print.fill(Qt::white);
        QVERIFY(print.save(picture, "JPG", 90));
        SearchableText text;
        text.fontPath = kFont;
        text.pages = {lines({800, 600}, {{"Visible", "only", "to", "search"}}, 40)};
        const QString plain = dir_.path() + "/plain.pdf", searchable = dir_.path() + "/hidden.pdf";
        QVERIFY(JpegPdfWriter().write({picture}, plain).written());
        QVERIFY(JpegPdfWriter().write({picture}, searchable, &text).written());
        const QImage without = renderedPage(plain, dir_.path() + "/plain");
        QVERIFY(!without.isNull());
        QCOMPARE(renderedPage(searchable, dir_.path() + "/hidden"), without);
        QCOMPARE(pdfText(searchable, 1), QString("Visible only to search"));
    }

    void textTheFontCannotCarryIsLeftOut()
    {
        QCOMPARE(InvisibleTextLayer::encodable(QString::fromUtf8("pear\u0007 \xF0\x9F\x8D\x90 tree")),
                 QByteArray("pear  tree"));
        const QString picture = makeJpeg(dir_.path(), "odd.jpg", 800, 600);
        PdfPageText page = lines({800, 600}, {{"kept", "\xF0\x9F\x8D\x90", "also"}, {"last"}});
        page.words[2].corners = {QPointF(10, 10), QPointF(10, 10), QPointF(10, 10), QPointF(10, 10)};
        SearchableText text{kFont, {page}};
        const QString pdf = dir_.path() + "/odd.pdf";
        QVERIFY(JpegPdfWriter().write({picture}, pdf, &text).written());
        QVERIFY(qpdfCheckPasses(pdf));
        // The emoji (outside the basic plane) and the word without a box
        // are gone, the rest is there.
        QCOMPARE(pdfText(pdf, 1), QString("kept last"));
    }

    void aMissingFontStillGivesTheDocumentAndSaysSo()
    {
        const QString picture = makeJpeg(dir_.path(), "fontless.jpg", 640, 480);
        SearchableText text{dir_.path() + "/no-such-font.ttf", {lines({640, 480}, {{"lost"}})}};
        const QString pdf = dir_.path() + "/fontless.pdf";
        const auto outcome = JpegPdfWriter().write({picture}, pdf, &text);
        QVERIFY(outcome.written());
        QVERIFY(outcome.textFontMissing);
        QCOMPARE(outcome.pagesWithText, 0);
        QCOMPARE(pdfPageSizes(pdf), (QList<QSizeF>{{640, 480}}));
        QVERIFY(pdfText(pdf, 1).isEmpty());
    }

    void placementFollowsThePageScaleAndTheNearestQuarterTurn()
    {
        // A picture drawn at half scale onto its page, a word 200 by 30
        // pixels turned 10 degrees: set upright, 100 by 15 points, about
        // the same centre, y measured from below.
        const std::array<QPointF, 4> askew = {QPointF(100, 100), QPointF(296.96, 134.73),
                                              QPointF(291.75, 164.27), QPointF(94.79, 129.54)};
        WordPlacement p;
        QVERIFY(placeWord(askew, QSizeF(2000, 1000), QSizeF(1000, 500), &p));
        QCOMPARE(p.quarterTurns, 0);
        QCOMPARE(p.along, QPointF(1, 0));
        QVERIFY(qAbs(p.length - 100) < 0.01 && qAbs(p.height - 15) < 0.01);
        const QPointF centre = p.readingStart + QPointF(p.length / 2, p.height / 2);
        QVERIFY(qAbs(centre.x() - 97.94) < 0.01 && qAbs(centre.y() - (500 - 66.07)) < 0.01);
        // Read upwards (the page turned anticlockwise): three turns.
        const std::array<QPointF, 4> upwards = {QPointF(10, 300), QPointF(10, 100), QPointF(40, 100),
                                                QPointF(40, 300)};
        QVERIFY(placeWord(upwards, QSizeF(400, 400), QSizeF(400, 400), &p));
        QCOMPARE(p.quarterTurns, 3);
        QCOMPARE(p.up, QPointF(-1, 0));
        QCOMPARE(p.readingStart, QPointF(40, 100));
        QVERIFY(!placeWord(upwards, QSizeF(0, 400), QSizeF(400, 400), &p));
        const std::array<QPointF, 4> flat = {QPointF(10, 10), QPointF(50, 10), QPointF(50, 10),
                                             QPointF(10, 10)};
        QVERIFY(!placeWord(flat, QSizeF(400, 400), QSizeF(400, 400), &p));
    }

    void wordsOfASkewedLineStayWhole()
    {
        // The words of lines skewed by 4 degrees, as read from a picture
        // of a sheet lying askew. Each word sits over its own print, so a
        // reader may break such a line where the words step down, but
        // every word is found whole, in reading order.
        const QString picture = makeJpeg(dir_.path(), "skewed.jpg", 1600, 1200);
        PdfPageText page;
        page.pictureSize = QSize(1600, 1200);
        const double slope = std::tan(4 * M_PI / 180);
        for (int row = 0; row < 2; ++row) {
            double x = 100;
            for (const QString &word : {"Harbour", "Ferry", "Notice", "for", "the", "spring", "timetable"}) {
                const double w = 20.0 * word.size(), h = 36, y = 200 + row * 90 + x * slope;
                const QPointF down(-h * slope, h);
                page.words.append({word, {QPointF(x, y), QPointF(x + w, y + w * slope),
                                          QPointF(x + w, y + w * slope) + down, QPointF(x, y) + down}});
                x += w + 18;
            }
        }
        SearchableText text{kFont, {page}};
        const QString pdf = dir_.path() + "/skewed.pdf";
        QVERIFY(JpegPdfWriter().write({picture}, pdf, &text).written());
        QStringList words;
        for (const auto &box : pdfWordBoxes(pdf))
            words << box.first;
        words.sort();
        QStringList expected;
        for (const PdfTextWord &word : page.words)
            expected << word.text;
        expected.sort();
        QCOMPARE(words, expected);
        // The same size for all words of a line, long or short.
        const auto boxes = pdfWordBoxes(pdf);
        for (const auto &box : boxes)
            QVERIFY2(qAbs(box.second.height() - boxes[0].second.height()) < 0.5, qPrintable(box.first));
    }
};

QTEST_MAIN(PdfTextLayerTest)
#include "pdf_text_layer_test.moc"
