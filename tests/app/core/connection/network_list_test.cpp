// The wireless network list: both output parsers on sample text, and the
// background runner with harmless stand-in commands (never the real lister).

#include "core/connection/netsh_network_parser.h"
#include "core/connection/nmcli_network_parser.h"
#include "core/connection/wireless_network_lister.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include "test_runner.h"

class NetworkListTest : public QObject {
    Q_OBJECT

private:
    static NetworkListCommand printing(const QString &text)
    {
        NetworkListCommand command;
        command.program = QStringLiteral("printf");
        command.arguments = QStringList{QStringLiteral("%s"), text};
        command.parse = parseNmcliNetworks;
        return command;
    }

private slots:
    void netshKeepsTheLastWordOfEverySsidLineInOrderWithDuplicates()
    {
        const QString output = QStringLiteral(
            "\r\n"
            "Interface name : Wi-Fi \r\n"
            "There are 4 networks currently visible.\r\n"
            "\r\n"
            "SSID 1 : Home Net\r\n"
            "    Network type            : Infrastructure\r\n"
            "    Authentication          : WPA2-Personal\r\n"
            "\r\n"
            "SSID 2 : Office\r\n"
            "SSID 3 : Office\r\n"
            "SSID 4 : \r\n"
            "ssid 5 : lowercase-is-not-a-match\r\n");
        QCOMPARE(parseNetshNetworks(output),
                 QStringList({"Net", "Office", "Office"}));
    }

    void netshSplitsOnlyAtCarriageReturnLineFeed()
    {
        // A bare line feed does not end a line, so both names sit on one
        // "line" and only the last word of it counts.
        QCOMPARE(parseNetshNetworks("SSID 1 : A\nSSID 2 : B\r\n"), QStringList({"B"}));
        QCOMPARE(parseNetshNetworks(QString()), QStringList());
        QCOMPARE(parseNetshNetworks("no networks here\r\n\r\n"), QStringList());
    }

    void nmcliUnescapesKeepsSpacesDropsHiddenAndRepeatedNames()
    {
        const QString output = QStringLiteral("Home Net\n"
                                              "\n"
                                              "Cafe\\:Guest\n"
                                              "back\\\\slash\n"
                                              "Home Net\n"
                                              "\n"
                                              "Office\r\n"
                                              "trailing\\");
        QCOMPARE(parseNmcliNetworks(output),
                 QStringList({"Home Net", "Cafe:Guest", "back\\slash", "Office", "trailing\\"}));
        QCOMPARE(parseNmcliNetworks(QStringLiteral("\n\n")), QStringList());
    }

    void listerReportsTheParsedOutputOfTheCommand()
    {
        WirelessNetworkLister lister(printing(QStringLiteral("Home\\:Net\nOffice\nOffice\n")));
        QSignalSpy listed(&lister, &WirelessNetworkLister::networksListed);
        lister.start();
        lister.start(); // ignored while the first runs
        QVERIFY(listed.wait(20000));
        QCOMPARE(listed.count(), 1);
        QCOMPARE(listed.at(0).at(0).toStringList(), QStringList({"Home:Net", "Office"}));
        QTest::qWait(50);
        QCOMPARE(listed.count(), 1);
    }

    void listerAnswersEmptyWhenThereIsNoCommandOrItCannotStart()
    {
        NetworkListCommand none;
        WirelessNetworkLister noLister(none);
        QSignalSpy noneListed(&noLister, &WirelessNetworkLister::networksListed);
        noLister.start();
        QCOMPARE(noneListed.count(), 0); // never synchronously inside start()
        QVERIFY(noneListed.wait(5000));
        QCOMPARE(noneListed.at(0).at(0).toStringList(), QStringList());

        NetworkListCommand missing = printing(QString());
        missing.program = QStringLiteral("/nonexistent/corvane-no-such-lister");
        WirelessNetworkLister failing(missing);
        QSignalSpy failed(&failing, &WirelessNetworkLister::networksListed);
        failing.start();
        QVERIFY(failed.wait(20000));
        QCOMPARE(failed.at(0).at(0).toStringList(), QStringList());
    }

    void hangingCommandIsStoppedAndWhatItPrintedCounts()
    {
        NetworkListCommand hanging = printing(QString());
        hanging.program = QStringLiteral("sh");
        hanging.arguments = QStringList{QStringLiteral("-c"),
                                        QStringLiteral("printf 'Early\\n'; exec sleep 60")};
        WirelessNetworkLister lister(hanging);
        lister.setTimeLimit(300);
        QSignalSpy listed(&lister, &WirelessNetworkLister::networksListed);
        lister.start();
        QVERIFY(listed.wait(20000));
        QCOMPARE(listed.at(0).at(0).toStringList(), QStringList({"Early"}));
    }

    void deletingTheListerWhileItRunsEndsTheCommandQuietly()
    {
        NetworkListCommand slow = printing(QString());
        slow.program = QStringLiteral("sleep");
        slow.arguments = QStringList{QStringLiteral("60")};
        QObject receiver;
        int answers = 0;
        auto *lister = new WirelessNetworkLister(slow);
        connect(lister, &WirelessNetworkLister::networksListed, &receiver,
                [&answers] { ++answers; });
        lister->start();
        QProcess *child = lister->findChild<QProcess *>();
        QVERIFY(child);
        QVERIFY(child->waitForStarted(20000));
        QPointer<QProcess> watched(child);
        delete lister;
        QVERIFY(watched.isNull());
        QCoreApplication::processEvents();
        QCOMPARE(answers, 0);
    }
};

REGISTER_TEST_CLASS(NetworkListTest)
#include "network_list_test.moc"
