// The settings dialog on a recording camera and stand-in seams: its form and
// look, its keyboard, the language and save-folder rules, the
// scan-enhancement switch, the camera buttons' boxes and the background
// network list.

#include "core/startup/app_settings.h"
#include "core/startup/language_table.h"
#include "message_box_catcher.h"
#include "tools/settings/my_settings_bar.h"
#include "core/connection/nmcli_network_parser.h"
#include "core/startup/process_values.h"
#include "recording_camera_operations.h"

#include <QComboBox>
#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include "test_runner.h"

namespace {
// Marks every text it translates, so a retranslated form is visible.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *,
                      int) const override
    {
        return QString::fromLatin1(context) + QLatin1Char('|') + QString::fromUtf8(source);
    }
};

// The form's objects are found by their object names, which are what other
// code and the translations rely on.
template <class T>
T *part(QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("form object %s missing", name);
    return found;
}

QPushButton *button(QWidget &dialog, const char *name)
{
    return part<QPushButton>(dialog, name);
}

QComboBox *languageBox(QWidget &dialog)
{
    return part<QComboBox>(dialog, "comboBox_software_language");
}

QLineEdit *folderField(QWidget &dialog)
{
    return part<QLineEdit>(dialog, "lineEdit_baocun");
}

QComboBox *networkName(QWidget &dialog)
{
    return part<QComboBox>(dialog, "wifi_name");
}

NetworkListCommand noNetworks()
{
    return NetworkListCommand(); // no lister: the list stays empty
}

NetworkListCommand printingNetworks(const QString &text)
{
    NetworkListCommand command;
    command.program = QStringLiteral("printf");
    command.arguments = QStringList{QStringLiteral("%s"), text};
    command.parse = parseNmcliNetworks;
    return command;
}
} // namespace

class SettingsBarTest : public QObject {
    Q_OBJECT

private:
    RecordingCameraOperations camera_;
    QStringList chooserCalls_;
    QString chooserAnswer_;

    MySettingsBarSeams seams(NetworkListCommand lister = noNetworks())
    {
        MySettingsBarSeams s;
        s.operations = &camera_;
        s.networkListCommand = std::move(lister);
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

    void formHasItsObjectsTextsAndLook()
    {
        MySettingsBar dialog(seams());
        QCOMPARE(dialog.objectName(), QString("MySettingsBarClass"));
        QCOMPARE(dialog.size(), QSize(600, 494));
        QCOMPARE(dialog.windowTitle(), QString("MySettingsBar"));
        QVERIFY(dialog.windowFlags().testFlag(Qt::Tool));
        QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
        QVERIFY(!dialog.mask().isEmpty());
        QVERIFY(!dialog.mask().contains(QPoint(0, 0)));
        QVERIFY(dialog.mask().contains(QPoint(300, 247)));
        QCOMPARE(part<QGroupBox>(dialog, "groupBox")->geometry(), QRect(10, 10, 580, 65));
        QCOMPARE(part<QGroupBox>(dialog, "groupBox_2")->geometry(), QRect(10, 90, 580, 201));
        QCOMPARE(button(dialog, "pushButton_duijiao_set")->geometry(), QRect(45, 20, 200, 25));
        QCOMPARE(button(dialog, "pushButton_duijiao_reset")->geometry(), QRect(335, 20, 200, 25));
        QCOMPARE(button(dialog, "pushButton_duijiao_set")->text(), QString("设置自动对焦"));
        QCOMPARE(button(dialog, "pushButton_wifi_set_wifi")->text(), QString("复位到WIFI模式"));
        QCOMPARE(button(dialog, "pushButton_wifi_set_route")->text(), QString("设置路由模式"));
        QCOMPARE(button(dialog, "pushButton_baocun")->text(), QString("选择"));
        QCOMPARE(button(dialog, "pushButton_close")->text(), QString("关闭"));
        QCOMPARE(button(dialog, "pushButton_close")->styleSheet(),
                 QString("background-color:#fff;border:1px solid #0296D6;border-radius:3px;"
                         "padding:5px;color:#0296D6"));
        QVERIFY(folderField(dialog)->isReadOnly());
        QCOMPARE(languageBox(dialog)->count(), 13);
        QCOMPARE(languageBox(dialog)->itemText(0), QString("简体中文"));
        QCOMPARE(languageBox(dialog)->itemText(12), QString("泰语"));
        QCOMPARE(languageBox(dialog)->maxVisibleItems(), 5);
    }

    void openingShowsTheStoredLanguageAndStoresNothing()
    {
        writeSetting("dev/softwarelanguage", "2");
        MySettingsBar dialog(seams());
        QSignalSpy changed(&dialog, &MySettingsBar::signals_change_language);
        QCOMPARE(languageBox(dialog)->currentText(), QString("英文"));
        QCOMPARE(changed.count(), 0);

        languageBox(dialog)->setCurrentIndex(10);
        QCOMPARE(readSetting("dev/softwarelanguage"), QString("10"));
        QCOMPARE(languageBox(dialog)->currentText(), QString("日语"));
        QCOMPARE(changed.count(), 1);
    }

    void unusableStoredLanguageSelectsTheFirst()
    {
        for (const char *stored : {"garbage", "13", "-1"}) {
            writeSetting("dev/softwarelanguage", stored);
            MySettingsBar dialog(seams());
            QCOMPARE(languageBox(dialog)->currentIndex(), 0);
            QCOMPARE(readSetting("dev/softwarelanguage"), QString(stored));
        }
    }

    void savePathUnsetShowsEmptyAndCancelChangesNothing()
    {
        MySettingsBar dialog(seams());
        QSignalSpy changed(&dialog, &MySettingsBar::signals_change_savePath);
        QCOMPARE(folderField(dialog)->text(), QString());
        chooserAnswer_ = QString();
        button(dialog, "pushButton_baocun")->click();
        QCOMPARE(chooserCalls_.size(), 2);
        QCOMPARE(chooserCalls_.at(0), QString("qing xuanze wenjian baocun weizhi"));
        QCOMPARE(chooserCalls_.at(1), processValues().documentsDir);
        QCOMPARE(readSetting("dev/savePath"), QString("0"));
        QCOMPARE(folderField(dialog)->text(), QString());
        QCOMPARE(changed.count(), 0);
    }

    void chosenSavePathIsStoredShownAndAnnounced()
    {
        writeSetting("dev/savePath", "/srv/old");
        MySettingsBar dialog(seams());
        QCOMPARE(folderField(dialog)->text(), QString("/srv/old"));
        QSignalSpy changed(&dialog, &MySettingsBar::signals_change_savePath);
        chooserAnswer_ = QStringLiteral("/srv/new photos");
        dialog.func_change_savePath();
        QCOMPARE(readSetting("dev/savePath"), QString("/srv/new photos"));
        QCOMPARE(folderField(dialog)->text(), QString("/srv/new photos"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toString(), QString("/srv/new photos"));
    }

    void scanEnhancementSwitchStoresOnlyKnownStates()
    {
        MySettingsBar dialog(seams());
        writeSetting("dev/qudise", "x");
        dialog.func_image_qudise(2);
        QCOMPARE(readSetting("dev/qudise"), QString("1"));
        dialog.func_image_qudise(0);
        QCOMPARE(readSetting("dev/qudise"), QString("0"));
        dialog.func_image_qudise(1);
        QCOMPARE(readSetting("dev/qudise"), QString("1"));
        writeSetting("dev/qudise", "x");
        dialog.func_image_qudise(3);
        dialog.func_image_qudise(-1);
        QCOMPARE(readSetting("dev/qudise"), QString("x"));
    }

    void autofocusButtonsShowTheCamerasAnswer()
    {
        MessageBoxCatcher boxes;
        MySettingsBar dialog(seams());
        button(dialog, "pushButton_duijiao_set")->click();
        camera_.result = 0;
        button(dialog, "pushButton_duijiao_reset")->click();
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
    }

    void routeButtonSendsNothingForEmptyOrOverlongTexts()
    {
        MessageBoxCatcher boxes;
        MySettingsBar dialog(seams());
        networkName(dialog)->setCurrentText("Home Net");
        button(dialog, "pushButton_wifi_set_route")->click(); // no password
        QVERIFY(camera_.sent.isEmpty());
        QVERIFY(boxes.boxes.isEmpty());

        part<QLineEdit>(dialog, "wifi_password")->setText(QString(33, QLatin1Char('p')));
        button(dialog, "pushButton_wifi_set_route")->click();
        QVERIFY(camera_.sent.isEmpty());
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].title, QString("set"));
        QVERIFY(boxes.boxes[0].text.contains("32 bytes"));
    }

    void withoutALiveCameraButtonsFailAtOnce()
    {
        MessageBoxCatcher boxes;
        processValues().cameraIp.clear();
        MySettingsBar dialog(seams());
        button(dialog, "pushButton_duijiao_set")->click();
        button(dialog, "pushButton_wifi_set_wifi")->click();
        QVERIFY(camera_.sent.isEmpty());
        QCOMPARE(boxes.boxes.size(), 2);
        QCOMPARE(boxes.boxes[0].text, QString("set fail"));
        QCOMPARE(boxes.boxes[1].text, QString("set fail"));
    }

    void networkNamesArriveAfterTheDialogIsBuilt()
    {
        MySettingsBar dialog(seams(printingNetworks("Home Net\nCafe\\:Guest\n")));
        QCOMPARE(networkName(dialog)->count(), 0); // the opening did not wait
        QTRY_COMPARE_WITH_TIMEOUT(networkName(dialog)->count(), 2, 20000);
        QCOMPARE(networkName(dialog)->itemText(1), QString("Cafe:Guest"));
        QCOMPARE(networkName(dialog)->currentText(), QString("Home Net"));
    }

    void typedNetworkNameSurvivesTheListArriving()
    {
        MySettingsBar dialog(seams(printingNetworks("Home Net\n")));
        networkName(dialog)->setCurrentText("Typed");
        QTRY_COMPARE_WITH_TIMEOUT(networkName(dialog)->count(), 1, 20000);
        QCOMPARE(networkName(dialog)->currentText(), QString("Typed"));
    }

    void dialogClosedBeforeTheListArrivesIsSimplyGone()
    {
        NetworkListCommand slow;
        slow.program = QStringLiteral("sh");
        slow.arguments = QStringList{QStringLiteral("-c"), QStringLiteral("sleep 60; echo Late")};
        slow.parse = parseNmcliNetworks;
        QPointer<MySettingsBar> dialog = new MySettingsBar(seams(slow));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        delete dialog.data();
        QVERIFY(dialog.isNull());
        QTest::qWait(20);
    }

    void languageChangeRetranslatesTheForm()
    {
        MySettingsBar dialog(seams());
        languageBox(dialog)->setCurrentIndex(4);
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents();
        const QString closeText = button(dialog, "pushButton_close")->text();
        const QString title = dialog.windowTitle();
        const int index = languageBox(dialog)->currentIndex();
        const QString popupStyle = languageBox(dialog)->styleSheet();
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::processEvents();
        QCOMPARE(closeText, QString("MySettingsBarClass|关闭"));
        QCOMPARE(title, QString("MySettingsBarClass|MySettingsBar"));
        QCOMPARE(index, 4);
        // Style sheets are not texts: no translation may rewrite them.
        QVERIFY2(popupStyle.contains("QComboBox QAbstractItemView{"), qPrintable(popupStyle));
        QCOMPARE(button(dialog, "pushButton_close")->text(), QString("关闭"));
    }

    void greyBackgroundAppliesWithAVisibleEdge()
    {
        MySettingsBar dialog(seams());
        const QImage shown = dialog.grab().toImage();
        // Between the software group and the close button: the dialog's own
        // grey, which only a style text Qt can parse gives it.
        QCOMPARE(shown.pixelColor(300, 443), QColor("#ededed"));
        QCOMPARE(shown.pixelColor(1, 247), QColor("#0296D6"));
        QCOMPARE(shown.pixelColor(300, 492), QColor("#0296D6"));
    }

    void enterInTheWifiFieldsJoinsTheRouterAndNothingElse()
    {
        MessageBoxCatcher boxes;
        MySettingsBar dialog(seams());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        // Keys go where the window system sends them: to the focus widget.
        const auto type = [](const char *text, bool enter) {
            QTest::keyClicks(QApplication::focusWidget(), text);
            if (enter)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        };
        part<QLineEdit>(dialog, "wifi_password")->setFocus();
        type("secret12", true); // no name yet: the name field takes the keyboard
        QVERIFY(networkName(dialog)->hasFocus());
        type("Home Net", true);
        QCOMPARE(camera_.sent.size(), 1);
        QCOMPARE(camera_.sent[0].name, QByteArray("ap"));
        QCOMPARE(camera_.sent[0].ssid, QByteArray("Home Net"));
        QCOMPARE(camera_.sent[0].password, QByteArray("secret12"));
        QCOMPARE(boxes.boxes.size(), 1);
    }

    void passwordIsMaskedUntilRevealed()
    {
        MySettingsBar dialog(seams());
        auto *password = part<QLineEdit>(dialog, "wifi_password");
        password->setText("secret12");
        QVERIFY(!password->displayText().contains("secret"));
        button(dialog, "pushButton_show_password")->click();
        QCOMPARE(password->displayText(), QString("secret12"));
        button(dialog, "pushButton_show_password")->click();
        QVERIFY(!password->displayText().contains("secret"));
    }

    void captionsFitTheirLongestTranslationAndTheListShowsFiveRows()
    {
        MySettingsBar dialog(seams());
        for (int language : {0, 2}) {
            QTranslator translator;
            QVERIFY(translator.load(languageFileFor(language), QCoreApplication::applicationDirPath()));
            QCoreApplication::installTranslator(&translator);
            QCoreApplication::processEvents();
            for (QLabel *label : dialog.findChildren<QLabel *>())
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
            for (QPushButton *b : dialog.findChildren<QPushButton *>())
                QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->text()));
            QCoreApplication::removeTranslator(&translator);
        }
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
