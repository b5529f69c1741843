// The connection dialog's three buttons, its keyboard and its place in front
// of the main window. The dialog only names a camera, and here nothing is
// connected to its signal, so no address ever reaches the library; the
// search runs a query under the test's control.

#include "core/startup/app_settings.h"
#include "core/connection/broadcast_address_source.h"
#include "core/startup/language_table.h"
#include "core/connection/my_wifi_select.h"

#include <QApplication>
#include <QLineEdit>
#include <QMutex>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <QtTest>

#include <atomic>
#include <cstring>

namespace {

QStringList capturedDebug;
QtMessageHandler previousHandler = nullptr;

void captureDebug(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg)
        capturedDebug << message;
    else if (previousHandler)
        previousHandler(type, context, message);
}

int neverAnswers(const char *, char *)
{
    return 0;
}

} // namespace

class ConnectionDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;

    std::unique_ptr<MyWifiSelect> dialog(CameraSearchWorker::VersionQuery query = neverAnswers,
                                         const QString &broadcast = QStringLiteral("127.31.0.255"))
    {
        return std::make_unique<MyWifiSelect>(std::make_unique<FixedBroadcastSource>(broadcast),
                                              std::move(query));
    }

    static void click(MyWifiSelect &d, const char *button)
    {
        auto *b = d.findChild<QPushButton *>(QLatin1String(button));
        QVERIFY(b);
        b->click();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir_.isValid());
        setSettingsFolderForTests(settingsDir_.path());
    }

    void init()
    {
        writeSetting("wifi/sta_ip", QString());
    }

    void formMatchesItsLayout()
    {
        auto d = dialog();
        QCOMPARE(d->objectName(), QStringLiteral("MyWifiSelectClass"));
        QCOMPARE(d->size(), QSize(520, 380));
        QVERIFY(d->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(d->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        auto *edit = d->findChild<QLineEdit *>("lineEdit_ip");
        QVERIFY(edit);
        QCOMPARE(edit->geometry(), QRect(20, 120, 160, 30));
        QCOMPARE(d->findChild<QPushButton *>("pushButton_go_route")->geometry(), QRect(20, 160, 160, 30));
    }

    void captionsFollowALanguageChange()
    {
        auto d = dialog();
        d->show();
        auto *wifi = d->findChild<QPushButton *>("pushButton_go_wifi");
        QCOMPARE(wifi->text(), QString::fromUtf8("进入wifi模式"));
        QTranslator english;
        QVERIFY(english.load(languageFileFor(2), QCoreApplication::applicationDirPath()));
        QCoreApplication::installTranslator(&english);
        QTRY_COMPARE(wifi->text(), QStringLiteral("Enter Wi-Fi mode"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Connect to camera"));
        QCoreApplication::removeTranslator(&english);
        QTRY_COMPARE(wifi->text(), QString::fromUtf8("进入wifi模式"));
    }

    void wifiModeAlwaysNamesTheAccessPoint()
    {
        auto d = dialog();
        d->setAddressText("10.0.0.5");
        QSignalSpy named(d.get(), &MyWifiSelect::sendWifiIp);
        click(*d, "pushButton_go_wifi");
        QCOMPARE(named.count(), 1);
        QCOMPARE(named.at(0).at(0).toString(), QStringLiteral("192.168.10.123"));
        // Wi-Fi mode stores nothing.
        QCOMPARE(readSettingOr("wifi/sta_ip", "unset"), QString());
    }

    void routeModeTakesOnlyADottedAddress_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("named"); // empty: refused with the hint
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("too short") << QStringLiteral("10.1") << QString();
        QTest::newRow("seven") << QStringLiteral("1.2.3.4") << QStringLiteral("1.2.3.4");
        QTest::newRow("blanks, zeros") << QStringLiteral(" 010.0.0.5\t") << QStringLiteral("10.0.0.5");
        QTest::newRow("letters") << QStringLiteral("abcdefgh") << QString();
        QTest::newRow("octet too big") << QStringLiteral("10.0.0.256") << QString();
    }

    void routeModeTakesOnlyADottedAddress()
    {
        QFETCH(QString, typed);
        QFETCH(QString, named);
        auto d = dialog();
        d->setAddressText(typed);
        QSignalSpy spy(d.get(), &MyWifiSelect::sendWifiIp);
        click(*d, "pushButton_go_route");
        QCOMPARE(spy.value(0).value(0).toString(), named);
        QCOMPARE(readSettingOr("wifi/sta_ip", QString()), named); // stored only when usable
        QCOMPARE(d->addressHint().isEmpty(), !named.isEmpty());
    }

    void enterInTheAddressFieldMeansRouteMode()
    {
        auto d = dialog();
        d->show();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        auto *edit = d->findChild<QLineEdit *>("lineEdit_ip");
        QSignalSpy named(d.get(), &MyWifiSelect::sendWifiIp);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(named.count(), 0); // nothing typed yet: the hint, not Wi-Fi mode
        QTest::keyClicks(edit, "127.31.0.9");
        QVERIFY(d->addressHint().isEmpty()); // typing clears it
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(named.value(0).value(0).toString(), QStringLiteral("127.31.0.9"));
        auto *wifi = d->findChild<QPushButton *>("pushButton_go_wifi");
        wifi->setFocus(); // Enter on a focused button presses that button
        QTest::keyClick(wifi, Qt::Key_Return);
        QCOMPARE(named.value(1).value(0).toString(), QStringLiteral("192.168.10.123"));
    }

    void staysInFrontWithTheKeyboardUntilACameraIsChosen()
    {
        std::atomic<int> calls{0};
        auto d = dialog([&](const char *, char *) { ++calls; return 0; });
        QWidget mainWindow;
        d->showInFrontOf(&mainWindow);
        mainWindow.show();
        QVERIFY(d->parent() == nullptr); // its own Qt lifetime
        QCOMPARE(d->windowHandle()->transientParent(), mainWindow.windowHandle());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(d.get()));
        mainWindow.activateWindow(); // as when the mouse enters it
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(d.get()));
        QTest::keyClick(d.get(), Qt::Key_Escape);
        QVERIFY(d->isVisible());

        click(*d, "pushButton_sousuo_ip_start");
        QTRY_VERIFY(calls.load() >= 1);
        mainWindow.showMinimized();
        click(*d, "pushButton_go_wifi");
        QVERIFY(!d->searchTimer()->isActive()); // the search stops with the choice
        d->finish();
        QVERIFY(!d->isVisible());
        QVERIFY(mainWindow.isVisible() && !mainWindow.isMinimized());
        QSignalSpy closed(d.get(), &MyWifiSelect::closedWithoutCamera);
        d->close(); // hidden for good: closing it now ends nothing
        QCOMPARE(closed.count(), 0);
    }

    void closingTheDialogClosesTheProgram()
    {
        QWidget mainWindow;
        auto d = dialog();
        d->showInFrontOf(&mainWindow);
        mainWindow.show();
        QSignalSpy closed(d.get(), &MyWifiSelect::closedWithoutCamera);
        d->close();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!mainWindow.isVisible());
    }

    void storedRouteAddressIsPrefilled()
    {
        QCOMPARE(dialog()->addressText(), QString());
        writeSetting("wifi/sta_ip", "10.20.30.40");
        QCOMPARE(dialog()->addressText(), QStringLiteral("10.20.30.40"));
    }

    void searchQueriesOffTheGuiThreadOneAtATimeUntilACameraAnswers()
    {
        std::atomic<int> calls{0};
        std::atomic<int> inFlight{0};
        std::atomic<int> maxInFlight{0};
        std::atomic<bool> onGuiThread{false};
        QMutex seenLock;
        QStringList addressesSeen;
        QThread *gui = QThread::currentThread();
        auto query = [&](const char *address, char *reply) {
            const int now = ++inFlight;
            if (now > maxInFlight)
                maxInFlight = now;
            if (QThread::currentThread() == gui)
                onGuiThread = true;
            {
                QMutexLocker hold(&seenLock);
                addressesSeen << QString::fromLatin1(address);
            }
            // Longer than the 50 ms tick, as a real reply wait is.
            QThread::msleep(120);
            const int call = ++calls;
            --inFlight;
            if (call < 3)
                return 0;
            std::strcpy(reply, "127.31.0.1");
            return 7;
        };
        auto d = dialog(query);
        d->setAddressText("10.9.9.9");
        capturedDebug.clear();
        previousHandler = qInstallMessageHandler(captureDebug);
        click(*d, "pushButton_sousuo_ip_start");
        QCOMPARE(d->broadcastAddress(), QStringLiteral("127.31.0.255"));
        QVERIFY(d->searchTimer()->isActive());
        QCOMPARE(d->searchTimer()->interval(), 50);
        QTRY_COMPARE_WITH_TIMEOUT(d->addressText(), QStringLiteral("127.31.0.1"), 10000);
        qInstallMessageHandler(previousHandler);

        QCOMPARE(d->foundIp(), QStringLiteral("127.31.0.1"));
        QVERIFY(!d->searchTimer()->isActive());
        QCOMPARE(calls.load(), 3);
        QCOMPARE(maxInFlight.load(), 1);
        QVERIFY(!onGuiThread);
        QCOMPARE(addressesSeen, QStringList({"127.31.0.255", "127.31.0.255", "127.31.0.255"}));
        // The first miss and the answer are logged, not every tick.
        QCOMPARE(capturedDebug,
                 QStringList({"123", "broadcast: \"127.31.0.255\"  IP:    version: 0",
                              "broadcast: \"127.31.0.255\"  IP:  127.31.0.1  version: 7"}));
    }

    void searchWithoutAnswerKeepsTheDialogResponsive()
    {
        std::atomic<int> calls{0};
        auto d = dialog([&](const char *, char *) {
            ++calls;
            QThread::msleep(200);
            return 0;
        });
        click(*d, "pushButton_sousuo_ip_start");
        // The GUI thread keeps serving events while queries run.
        QTRY_VERIFY_WITH_TIMEOUT(calls.load() >= 2, 10000);
        d->setAddressText("still typing");
        QCOMPARE(d->addressText(), QStringLiteral("still typing"));
        QVERIFY(d->searchTimer()->isActive());
        QVERIFY(d->foundIp().isEmpty());
        // Destroying the dialog mid-query joins the search thread cleanly.
    }
};

QTEST_MAIN(ConnectionDialogTest)
#include "connection_dialog_test.moc"
