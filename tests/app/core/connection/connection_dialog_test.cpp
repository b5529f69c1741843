// SPDX-License-Identifier: GPL-3.0-or-later

// The connection dialog's buttons, its keyboard, its place in front of the
// main window and its search. Nothing is connected to the dialog's signal,
// so no address ever reaches the library; the search runs a query under the
// test's control.

#include "caption_fit.h"
#include "core/startup/app_settings.h"
#include "core/connection/broadcast_address_source.h"
#include "core/startup/language_table.h"
#include "core/connection/my_wifi_select.h"

#include <QApplication>
#include <QLineEdit>
#include <QMutex>
#include <QPushButton>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <QtTest>

#include <atomic>
#include <cstring>

#include "test_runner.h"

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

std::unique_ptr<MyWifiSelect> dialog(CameraSearchWorker::VersionQuery query =
                                         [](const char *, char *) { return 0; })
{
    return std::make_unique<MyWifiSelect>(
        std::make_unique<FixedBroadcastSource>(QStringLiteral("127.31.0.255")), std::move(query));
}

void click(MyWifiSelect &d, const char *button)
{
    d.findChild<QPushButton *>(QLatin1String(button))->click();
}

} // namespace

class ConnectionDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { writeSetting("wifi/sta_ip", QString()); }

    void captionsFollowALanguageChange()
    {
        auto d = dialog();
        auto *wifi = d->findChild<QPushButton *>("pushButton_go_wifi");
        QTranslator english;
        QVERIFY(english.load(languageFileFor(2), QCoreApplication::applicationDirPath()));
        QCoreApplication::installTranslator(&english);
        QTRY_COMPARE(wifi->text(), QStringLiteral("Enter Wi-Fi mode"));
        QCoreApplication::removeTranslator(&english);
        QTRY_COMPARE(wifi->text(), QString::fromUtf8("进入wifi模式"));
    }

    void captionsFitInEveryLanguage()
    {
        const ProgramFontAt12pt font;
        auto d = dialog();
        click(*d, "pushButton_go_route"); // no address yet: the hint shows
        const QStringList cut = cutCaptionsInEveryLanguage(*d);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
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
        QCOMPARE(dialog()->addressText(), named); // and offered at the next start
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
        // Wi-Fi mode stores nothing.
        QCOMPARE(readSetting("wifi/sta_ip"), QStringLiteral("127.31.0.9"));
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
        QVERIFY(mainWindow.isVisible());
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

    void searchQueriesOffTheGuiThreadOneAtATimeUntilACameraAnswers()
    {
        std::atomic<int> calls{0}, inFlight{0}, maxInFlight{0};
        std::atomic<bool> onGuiThread{false};
        QMutex seenLock;
        QStringList addressesSeen;
        QThread *gui = QThread::currentThread();
        auto d = dialog([&](const char *address, char *reply) {
            maxInFlight = std::max(maxInFlight.load(), ++inFlight);
            onGuiThread = onGuiThread || QThread::currentThread() == gui;
            {
                QMutexLocker hold(&seenLock);
                addressesSeen << QString::fromLatin1(address);
            }
            QThread::msleep(120); // longer than the 50 ms tick, as a real reply wait is
            const int call = ++calls;
            --inFlight;
            if (call < 3)
                return 0;
            std::strcpy(reply, "127.31.0.1");
            return 7;
        });
        d->setAddressText("10.9.9.9");
        capturedDebug.clear();
        previousHandler = qInstallMessageHandler(captureDebug);
        click(*d, "pushButton_sousuo_ip_start");
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

    void dialogDestroyedMidQueryWaitsForTheQuery()
    {
        std::atomic<bool> querying{false};
        auto d = dialog([&](const char *, char *) {
            querying = true;
            QThread::msleep(200);
            querying = false;
            return 0;
        });
        click(*d, "pushButton_sousuo_ip_start");
        QTRY_VERIFY_WITH_TIMEOUT(querying.load(), 10000);
        d.reset(); // joins the search thread, which must not outlive the dialog
        QVERIFY(!querying.load());
    }
};

REGISTER_TEST_CLASS(ConnectionDialogTest)
#include "connection_dialog_test.moc"
