// The PDF composer dialog through stand-in file choosers: its form, adding
// in batches, the output name and the replace question, reports of left-out
// pictures and failures, removing thumbnails, and where the dialogs start.

#include "message_box_catcher.h"
#include "pdf_inspection.h"
#include "test_runner.h"

#include "core/startup/process_values.h"
#include "tools/pdf/my_pdf_bar.h"
#include "tools/pdf/pdf_start_folder.h"

#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Answers the dialogs from queues and notes what they were asked.
struct ScriptedChoosers {
    QList<QStringList> pictureBatches;
    QStringList outputs;
    bool replaceAnswer = false;
    QStringList startFolders, filters, captions, questions;

    MyPDFBarSeams seams()
    {
        MyPDFBarSeams s;
        s.choosePictures = [this](QWidget *, const QString &caption, const QString &start,
                                  const QString &filter) {
            captions << caption;
            startFolders << start;
            filters << filter;
            return pictureBatches.isEmpty() ? QStringList() : pictureBatches.takeFirst();
        };
        s.chooseOutput = [this](QWidget *, const QString &caption, const QString &start,
                                const QString &filter) {
            captions << caption;
            startFolders << start;
            filters << filter;
            return outputs.isEmpty() ? QString() : outputs.takeFirst();
        };
        s.mayReplace = [this](QWidget *, const QString &question) {
            questions << question;
            return replaceAnswer;
        };
        return s;
    }
};

QPushButton *button(MyPDFBar &bar, const char *name)
{
    return bar.findChild<QPushButton *>(name);
}

QListWidget *list(MyPDFBar &bar)
{
    return bar.findChild<QListWidget *>("widget_list");
}

} // namespace

class PdfComposerTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString red_, blue_, green_;

private slots:
    void initTestCase()
    {
        red_ = makeJpeg(dir_.path(), "red.jpg", 300, 200, Qt::red);
        blue_ = makeJpeg(dir_.path(), "blue.jpg", 200, 400, Qt::blue);
        green_ = makeJpeg(dir_.path(), "green.jpg", 500, 100, Qt::green);
        processValues().savePath = dir_.path();
    }

    void formAndBatchesMakeOnePagePerPictureInOrder()
    {
        ScriptedChoosers choosers;
        choosers.pictureBatches = {{red_, blue_}, {green_}};
        choosers.outputs = QStringList{dir_.path() + "/album"};
        MyPDFBar bar(choosers.seams(), nullptr);
        QCOMPARE(bar.windowTitle(), QString("PDF"));
        QCOMPARE(bar.size(), QSize(600, 400));
        QCOMPARE(list(bar)->geometry(), QRect(10, 10, 450, 380));
        QCOMPARE(list(bar)->viewMode(), QListView::IconMode);
        QCOMPARE(button(bar, "btn_add")->geometry(), QRect(480, 10, 100, 25));
        QCOMPARE(button(bar, "btn_compose_pdf")->geometry(), QRect(480, 50, 100, 25));
        QVERIFY(bar.windowFlags() & Qt::WindowStaysOnTopHint);

        button(bar, "btn_add")->click();
        button(bar, "btn_add")->click();
        QCOMPARE(bar.imagePaths(), (QStringList{red_, blue_, green_}));
        QCOMPARE(list(bar)->count(), 3);
        QVERIFY(!list(bar)->item(1)->icon().isNull());
        QCOMPARE(list(bar)->item(1)->sizeHint(), QSize(100, 100));

        QSignalSpy opened(&bar, &MyPDFBar::pdf_signals_openfile);
        button(bar, "btn_compose_pdf")->click();
        // ".pdf" goes onto a bare name.
        const QString pdf = dir_.path() + "/album.pdf";
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened[0][0].toString(), pdf);
        QCOMPARE(pdfPageSizes(pdf), (QList<QSizeF>{{300, 200}, {200, 400}, {500, 100}}));
        QCOMPARE(choosers.filters, (QStringList{"Images (*.jpg *.jpeg)", "Images (*.jpg *.jpeg)",
                                                "PDF files (*.pdf)"}));
        QCOMPARE(choosers.captions.last(), MyPDFBar::tr("qing xuanze wenjian baocun weizhi"));
        QCOMPARE(choosers.startFolders, (QStringList{dir_.path(), dir_.path(), dir_.path()}));
    }

    void anExistingFileIsReplacedOnlyWithConsent()
    {
        const QString pdf = dir_.path() + "/existing.pdf";
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        ScriptedChoosers choosers;
        choosers.pictureBatches = {{red_}};
        choosers.outputs = QStringList{dir_.path() + "/existing", dir_.path() + "/existing"};
        MyPDFBar bar(choosers.seams(), nullptr);
        QSignalSpy opened(&bar, &MyPDFBar::pdf_signals_openfile);
        bar.slots_addImage();

        bar.slots_composePDF();
        QCOMPARE(choosers.questions.size(), 1);
        QVERIFY(choosers.questions[0].contains("existing.pdf"));
        QCOMPARE(opened.size(), 0);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        old.close();

        choosers.replaceAnswer = true;
        bar.slots_composePDF();
        QCOMPARE(opened.size(), 1);
        QCOMPARE(pdfPageSizes(pdf), (QList<QSizeF>{{300, 200}}));
    }

    void leftOutPicturesAndFailuresAreReported()
    {
        MessageBoxCatcher boxes;
        ScriptedChoosers choosers;
        const QString missing = dir_.path() + "/gone.jpg";
        choosers.pictureBatches = {{missing, blue_}};
        choosers.outputs = QStringList{dir_.path() + "/partial.pdf", dir_.path() + "/no/folder/x.pdf"};
        MyPDFBar bar(choosers.seams(), nullptr);
        QSignalSpy opened(&bar, &MyPDFBar::pdf_signals_openfile);

        // Nothing to compose: said so, and no file dialog.
        bar.slots_composePDF();
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Information);
        QVERIFY(choosers.captions.isEmpty());

        bar.slots_addImage();
        bar.slots_composePDF();
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(boxes.boxes[1].icon, QMessageBox::Warning);
        QCOMPARE(boxes.boxes[1].parent, &bar);
        QVERIFY(boxes.boxes[1].text.contains(missing));
        QCOMPARE(opened.size(), 1);
        QCOMPARE(pdfPageSizes(dir_.path() + "/partial.pdf"), (QList<QSizeF>{{200, 400}}));

        bar.slots_composePDF();
        QCOMPARE(boxes.boxes.size(), 3);
        QVERIFY(boxes.boxes[2].text.contains("/no/folder/x.pdf"));
        QCOMPARE(opened.size(), 1);

        // Cancelling the save dialog does nothing at all.
        bar.slots_composePDF();
        QCOMPARE(boxes.boxes.size(), 3);
        QCOMPARE(opened.size(), 1);
    }

    void deleteRemovesTheSelectedThumbnails()
    {
        ScriptedChoosers choosers;
        choosers.pictureBatches = {{red_, blue_, green_, red_}};
        MyPDFBar bar(choosers.seams(), nullptr);
        bar.slots_addImage();
        list(bar)->item(1)->setSelected(true);
        list(bar)->item(3)->setSelected(true);
        QTest::keyClick(&bar, Qt::Key_Delete);
        QCOMPARE(bar.imagePaths(), (QStringList{red_, green_}));
        QCOMPARE(list(bar)->count(), 2);
    }

    void dialogsStartInTheDatedFolderThenTheSaveFolderThenPictures()
    {
        QTemporaryDir base;
        const QString conf = base.path() + "/conf.ini";
        const QDate day(2024, 3, 9);
        const QString saves = dir_.path();
        const QString pictures = base.path();
        QCOMPARE(pdfStartFolder(conf, saves, pictures, day), saves);
        {
            QSettings ini(conf, QSettings::IniFormat);
            ini.setValue("dev/savePath", base.path());
        }
        // Named but not there: the next choice.
        QCOMPARE(pdfStartFolder(conf, saves, pictures, day), saves);
        QVERIFY(QDir().mkpath(base.path() + "/corvane/20240309"));
        QCOMPARE(pdfStartFolder(conf, saves, pictures, day), base.path() + "/corvane/20240309");
        QCOMPARE(pdfStartFolder(base.path() + "/none.ini", "0", pictures, day), pictures);
        QCOMPARE(pdfStartFolder(base.path() + "/none.ini", saves + "/gone", pictures, day),
                 pictures);
    }
};

REGISTER_TEST_CLASS(PdfComposerTest)
#include "pdf_composer_test.moc"
