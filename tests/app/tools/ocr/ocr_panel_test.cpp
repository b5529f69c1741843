// SPDX-License-Identifier: GPL-3.0-or-later

// The text panel: languages on offer, copying all or the selection, saving
// as a text file without ever losing a file, and failures said plainly.
// (Reading again is driven through the tool, ocr_tool_test.cpp.)

#include "message_box_catcher.h"
#include "test_runner.h"

#include "core/startup/app_settings.h"
#include "tools/ocr/my_ocr_bar.h"
#include "tools/ocr/ocr_language_choice.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QtTest>

namespace {

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A saver whose file dialog answers `path`; the replace question is noted
// and answered `replace`.
struct ScriptedSaver {
    QString path;
    bool replace = false;
    QStringList questions;
    TextFileSaver saver()
    {
        return TextFileSaver([this](QWidget *, const QString &, const QString &) { return path; },
                             [this](QWidget *, const QString &question) {
                                 questions << question;
                                 return replace;
                             });
    }
};

} // namespace

class OcrPanelTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void offersTheInstalledLanguagesWithTheChosenOneFirst()
    {
        const QStringList installed = ocrchoice::installedLanguages();
        if (installed.size() < 2)
            QSKIP("needs two installed languages");
        writeSetting("ocr/language", installed.last());
        MyOcrBar panel;
        QCOMPARE(panel.languageList()->count(), installed.size());
        QCOMPARE(panel.language(), installed.last());
        // A choice is remembered for the next picture and the next start.
        panel.languageList()->setCurrentIndex(0);
        emit panel.languageList()->activated(0);
        QCOMPARE(ocrchoice::chosenLanguage(), installed.first());
        // A remembered language that is not installed gives way to the
        // interface language's.
        writeSetting("ocr/language", "xx_gone");
        writeSetting("dev/softwarelanguage", "2");
        QCOMPARE(ocrchoice::chosenLanguage(), installed.contains("eng") ? QString("eng") : installed.first());
        writeSetting("dev/softwarelanguage", "0");
    }

    void copiesTheSelectionOrElseEverything()
    {
        MyOcrBar panel;
        panel.showText("first line\nsecond line", "note");
        panel.copyButton()->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("first line\nsecond line"));
        QTextCursor cursor = panel.textView()->textCursor();
        cursor.setPosition(6);
        cursor.setPosition(17, QTextCursor::KeepAnchor);
        panel.textView()->setTextCursor(cursor);
        panel.copyButton()->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("line\nsecond"));
        QVERIFY(panel.textView()->isReadOnly());
    }

    void savesAsUtf8TextAndAddsTheSuffix()
    {
        MyOcrBar panel;
        ScriptedSaver script;
        script.path = dir_.path() + "/minutes";
        panel.setSaver(script.saver());
        panel.showText(QString::fromUtf8("果园 minutes"), QString());
        panel.saveButton()->click();
        QCOMPARE(contentsOf(dir_.path() + "/minutes.txt"), QByteArray("果园 minutes\n"));
        QVERIFY(panel.note().contains("minutes.txt"));
        QVERIFY(script.questions.isEmpty());
    }

    void theSaveDialogProposesANewFileInAFolderThatExists()
    {
        QString proposed;
        MyOcrBar panel;
        panel.setSaver(TextFileSaver([&](QWidget *, const QString &, const QString &suggested) {
            proposed = suggested;
            return QString();
        }));
        panel.showText("text", "note");
        panel.saveButton()->click();
        QVERIFY(QFileInfo(QFileInfo(proposed).path()).isDir());
        QVERIFY(proposed.endsWith(".txt"));
        QVERIFY(!QFile::exists(proposed));
        QCOMPARE(panel.note(), QString("note")); // cancelled: nothing said, nothing written
    }

    void anExistingFileIsReplacedOnlyWhenThePersonAgrees()
    {
        MyOcrBar panel;
        ScriptedSaver script;
        script.path = dir_.path() + "/kept";
        QFile old(dir_.path() + "/kept.txt");
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old\n") == 4);
        old.close();
        panel.setSaver(script.saver());
        panel.showText("new", QString());
        panel.saveButton()->click();
        QCOMPARE(script.questions.size(), 1);
        QCOMPARE(contentsOf(dir_.path() + "/kept.txt"), QByteArray("old\n"));
        script.replace = true;
        panel.saveButton()->click();
        QCOMPARE(contentsOf(dir_.path() + "/kept.txt"), QByteArray("new\n"));
    }

    void aFailedSaveIsSaidAndLeavesNothingBehind()
    {
        MessageBoxCatcher boxes;
        MyOcrBar panel;
        ScriptedSaver script;
        script.path = dir_.path() + "/no-such-folder/text.txt";
        panel.setSaver(script.saver());
        panel.showText("text", QString());
        panel.saveButton()->click();
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Warning);
        QVERIFY(boxes.boxes[0].text.contains("text.txt"));
        QCOMPARE(panel.note(), boxes.boxes[0].text);
        QVERIFY(!QFile::exists(script.path));
        // A folder by that name is not replaced either.
        QVERIFY(QDir(dir_.path()).mkdir("folder.txt"));
        script.path = dir_.path() + "/folder.txt";
        panel.saveButton()->click();
        QCOMPARE(boxes.boxes.size(), 2);
        QVERIFY(QFileInfo(script.path).isDir());
    }
};

REGISTER_TEST_CLASS(OcrPanelTest)
#include "ocr_panel_test.moc"
