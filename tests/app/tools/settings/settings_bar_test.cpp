// SPDX-License-Identifier: GPL-3.0-or-later

// The settings dialog on a recording camera and stand-in seams: the
// language and save-folder rules, how the camera's answers are shown, its
// keyboard, its look and the background network list. What the buttons send
// through the library is checked in tests/app/core/connection.

#include "caption_fit.h"
#include "core/startup/app_settings.h"
#include "core/startup/language_table.h"
#include "marking_translator.h"
#include "message_box_catcher.h"
#include "tools/settings/my_settings_bar.h"
#include "core/connection/nmcli_network_parser.h"
#include "core/startup/process_values.h"
#include "recording_camera_operations.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "test_runner.h"

namespace {
// The form's objects by their object names, which other code and the
// translations rely on.
template <class T = QPushButton>
T *part(QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("form object %s missing", name);
    return found;
}

QComboBox *languageBox(QWidget &dialog)
{
    return part<QComboBox>(dialog, "comboBox_software_language");
}

QComboBox *networkName(QWidget &dialog)
{
    return part<QComboBox>(dialog, "wifi_name");
}

QLineEdit *password(QWidget &dialog)
{
    return part<QLineEdit>(dialog, "wifi_password");
}
} // namespace

class SettingsBarTest : public QObject {
    Q_OBJECT

private:
    RecordingCameraOperations camera_;
    QStringList chooserCalls_;
    QString chooserAnswer_;

    MySettingsBarSeams seams(const QString &networks = QString())
    {
        MySettingsBarSeams s;
        s.operations = &camera_;
        if (!networks.isNull()) {
            s.networkListCommand.program = QStringLiteral("printf");
            s.networkListCommand.arguments = QStringList{QStringLiteral("%s"), networks};
            s.networkListCommand.parse = parseNmcliNetworks;
        } else {
            s.networkListCommand = NetworkListCommand(); // no lister: the list stays empty
        }
        s.chooseFolder = [this](QWidget *, const QString &caption, const QString &start) {
            chooserCalls_ << caption << start;
            return chooserAnswer_;
        };
        return s;
    }

private slots:
    void init()
    {
        camera_ = RecordingCameraOperations();
        chooserCalls_.clear();
        chooserAnswer_.clear();
        processValues().cameraIp = QStringLiteral("127.6.103.1");
        writeSetting("dev/softwarelanguage", "0");
        writeSetting("dev/savePath", "0");
    }
    void cleanup() { processValues().cameraIp.clear(); }

    void openingShowsTheStoredLanguageAndStoresNothing()
    {
        writeSetting("dev/softwarelanguage", "2");
        MySettingsBar dialog(seams());
        QCOMPARE(languageBox(dialog)->count(), kLanguageCount);
        QSignalSpy changed(&dialog, &MySettingsBar::signals_change_language);
        QCOMPARE(languageBox(dialog)->currentText(), QString("英文"));
        QCOMPARE(changed.count(), 0);
        languageBox(dialog)->setCurrentIndex(10);
        QCOMPARE(readSetting("dev/softwarelanguage"), QString("10"));
        QCOMPARE(changed.count(), 1);

        for (const char *stored : {"garbage", "13", "-1"}) {
            writeSetting("dev/softwarelanguage", stored);
            MySettingsBar unusable(seams());
            QCOMPARE(languageBox(unusable)->currentIndex(), 0);
            QCOMPARE(readSetting("dev/softwarelanguage"), QString(stored));
        }
    }

    void saveFolderIsStoredOnlyWhenChosen()
    {
        MySettingsBar unset(seams());
        QSignalSpy unchanged(&unset, &MySettingsBar::signals_change_savePath);
        QCOMPARE(part<QLineEdit>(unset, "lineEdit_baocun")->text(), QString());
        part(unset, "pushButton_baocun")->click(); // cancelled
        QCOMPARE(chooserCalls_, QStringList({"qing xuanze wenjian baocun weizhi",
                                             processValues().documentsDir}));
        QCOMPARE(readSetting("dev/savePath"), QString("0"));
        QCOMPARE(unchanged.count(), 0);

        writeSetting("dev/savePath", "/srv/old");
        MySettingsBar dialog(seams());
        QCOMPARE(part<QLineEdit>(dialog, "lineEdit_baocun")->text(), QString("/srv/old"));
        QSignalSpy changed(&dialog, &MySettingsBar::signals_change_savePath);
        chooserAnswer_ = QStringLiteral("/srv/new photos");
        part(dialog, "pushButton_baocun")->click();
        QCOMPARE(readSetting("dev/savePath"), chooserAnswer_);
        QCOMPARE(part<QLineEdit>(dialog, "lineEdit_baocun")->text(), chooserAnswer_);
        QCOMPARE(changed.value(0).value(0).toString(), chooserAnswer_);
    }

    void cameraAnswersAreShownInBoxes()
    {
        MessageBoxCatcher boxes;
        MySettingsBar dialog(seams());
        part(dialog, "pushButton_duijiao_set")->click();
        camera_.result = 0;
        part(dialog, "pushButton_duijiao_reset")->click();
        QCOMPARE(camera_.sent.size(), 2);
        QCOMPARE(camera_.sent[0].a, 1);
        QCOMPARE(camera_.sent[1].a, 0);
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(boxes.boxes[0].icon, QMessageBox::Information);
        QCOMPARE(boxes.boxes[0].title, QString("set"));
        QCOMPARE(boxes.boxes[0].text, QString("set success"));
        QCOMPARE(boxes.boxes[0].buttonCount, 1);
        QCOMPARE(boxes.boxes[0].parent, &dialog);
        QCOMPARE(boxes.boxes[1].text, QString("set fail"));

        // An empty field sends nothing and says nothing; an overlong text says why.
        networkName(dialog)->setCurrentText("Home Net");
        part(dialog, "pushButton_wifi_set_route")->click();
        QCOMPARE(boxes.boxes.size(), 2);
        password(dialog)->setText(QString(33, QLatin1Char('p')));
        part(dialog, "pushButton_wifi_set_route")->click();
        QCOMPARE(camera_.sent.size(), 2);
        QCOMPARE(boxes.boxes.size(), 3);
        QVERIFY(boxes.boxes[2].text.contains("32 bytes"));
    }

    void enterInTheWifiFieldsJoinsTheRouterAndNothingElse()
    {
        MessageBoxCatcher boxes;
        MySettingsBar dialog(seams());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // Keys go where the window system sends them: to the focus widget.
        const auto type = [](const char *text) {
            QTest::keyClicks(QApplication::focusWidget(), text);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        };
        password(dialog)->setFocus();
        type("secret12"); // no name yet: the name field takes the keyboard
        QVERIFY(networkName(dialog)->hasFocus());
        type("Home Net");
        QCOMPARE(camera_.sent.size(), 1);
        QCOMPARE(camera_.sent[0].name, QByteArray("ap"));
        QCOMPARE(camera_.sent[0].ssid, QByteArray("Home Net"));
        QCOMPARE(camera_.sent[0].password, QByteArray("secret12"));
        QCOMPARE(boxes.boxes.size(), 1);
    }

    void passwordIsMaskedUntilRevealed()
    {
        MySettingsBar dialog(seams());
        password(dialog)->setText("secret12");
        QVERIFY(!password(dialog)->displayText().contains("secret"));
        part(dialog, "pushButton_show_password")->click();
        QCOMPARE(password(dialog)->displayText(), QString("secret12"));
        part(dialog, "pushButton_show_password")->click();
        QVERIFY(!password(dialog)->displayText().contains("secret"));
    }

    void networkNamesArriveAfterTheDialogIsBuiltAndSpareTypedText()
    {
        MySettingsBar dialog(seams("Home Net\nCafe\\:Guest\n"));
        QCOMPARE(networkName(dialog)->count(), 0); // the opening did not wait
        QTRY_COMPARE_WITH_TIMEOUT(networkName(dialog)->count(), 2, 20000);
        QCOMPARE(networkName(dialog)->itemText(1), QString("Cafe:Guest"));
        QCOMPARE(networkName(dialog)->currentText(), QString("Home Net"));

        MySettingsBar typed(seams("Home Net\n"));
        networkName(typed)->setCurrentText("Typed");
        QTRY_COMPARE_WITH_TIMEOUT(networkName(typed)->count(), 1, 20000);
        QCOMPARE(networkName(typed)->currentText(), QString("Typed"));
    }

    void languageChangeRetranslatesTheFormButNotItsStyles()
    {
        MySettingsBar dialog(seams());
        languageBox(dialog)->setCurrentIndex(4);
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents();
        const QString closeText = part(dialog, "pushButton_close")->text();
        const int index = languageBox(dialog)->currentIndex();
        const QString popupStyle = languageBox(dialog)->styleSheet();
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::processEvents();
        QCOMPARE(closeText, QString("MySettingsBarClass|关闭"));
        QCOMPARE(index, 4);
        QVERIFY2(popupStyle.contains("QComboBox QAbstractItemView{"), qPrintable(popupStyle));
        QCOMPARE(part(dialog, "pushButton_close")->text(), QString("关闭"));
    }

    void lookAndLayoutHoldInEveryLanguage()
    {
        const ProgramFontAt12pt font;
        MySettingsBar dialog(seams());
        // Between the software group and the close button: the dialog's own
        // grey, which only a style text Qt can parse gives it; the edge in
        // the accent colour; the corners cut round.
        const QImage shown = dialog.grab().toImage();
        QCOMPARE(shown.pixelColor(300, 443), QColor("#ededed"));
        QCOMPARE(shown.pixelColor(1, 247), QColor("#0296D6"));
        QCOMPARE(shown.pixelColor(300, 492), QColor("#0296D6"));
        QVERIFY(!dialog.mask().contains(QPoint(0, 0)));
        // Modal, so the connection dialog does not take the keyboard from it.
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
        const QStringList cut = cutCaptionsInEveryLanguage(dialog);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        languageBox(dialog)->showPopup();
        QAbstractItemView *list = languageBox(dialog)->view();
        QTRY_VERIFY(list->isVisible());
        QCOMPARE(list->viewport()->height() / list->sizeHintForRow(0), 5);
        languageBox(dialog)->hidePopup();
    }
};

REGISTER_TEST_CLASS(SettingsBarTest)
#include "settings_bar_test.moc"
