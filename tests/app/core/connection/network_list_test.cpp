// SPDX-License-Identifier: GPL-3.0-or-later

// The wireless network list: both output parsers on sample text, and the
// background runner with harmless stand-in commands (never the real lister).

#include "core/connection/netsh_network_parser.h"
#include "core/connection/nmcli_network_parser.h"
#include "core/connection/wireless_network_lister.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include "test_runner.h"

namespace {
NetworkListCommand command(const QString &program, const QStringList &arguments)
{
    NetworkListCommand c;
    c.program = program;
    c.arguments = arguments;
    c.parse = parseNmcliNetworks;
    return c;
}

QStringList listedBy(WirelessNetworkLister &lister)
{
    QSignalSpy listed(&lister, &WirelessNetworkLister::networksListed);
    lister.start();
    if (!listed.wait(20000))
        return {QStringLiteral("<nothing listed>")};
    return listed.at(0).at(0).toStringList();
}
} // namespace

class NetworkListTest : public QObject {
    Q_OBJECT

private slots:
    void netshKeepsTheLastWordOfEverySsidLineInOrderWithDuplicates()
    {
        const QString output = QStringLiteral("Interface name : Wi-Fi \r\n"
                                              "SSID 1 : Home Net\r\n"
                                              "    Authentication          : WPA2-Personal\r\n"
                                              "SSID 2 : Office\r\n"
                                              "SSID 3 : Office\r\n"
                                              "SSID 4 : \r\n"
                                              "ssid 5 : lowercase-is-not-a-match\r\n");
        QCOMPARE(parseNetshNetworks(output), QStringList({"Net", "Office", "Office"}));
        // A bare line feed does not end a line: only the last word counts.
        QCOMPARE(parseNetshNetworks("SSID 1 : A\nSSID 2 : B\r\n"), QStringList({"B"}));
    }

    void nmcliUnescapesKeepsSpacesDropsHiddenAndRepeatedNames()
    {
        const QString output = QStringLiteral("Home Net\n\nCafe\\:Guest\nback\\\\slash\n"
                                              "Home Net\n\nOffice\r\ntrailing\\");
        QCOMPARE(parseNmcliNetworks(output),
                 QStringList({"Home Net", "Cafe:Guest", "back\\slash", "Office", "trailing\\"}));
    }

    void listerReportsTheParsedOutputOnceAndEmptyWhenThereIsNone()
    {
        WirelessNetworkLister lister(command("printf", {"%s", "Home\\:Net\nOffice\nOffice\n"}));
        QSignalSpy listed(&lister, &WirelessNetworkLister::networksListed);
        lister.start(); // a second start while the first runs is ignored
        QCOMPARE(listedBy(lister), QStringList({"Home:Net", "Office"}));
        QTest::qWait(50);
        QCOMPARE(listed.count(), 1);

        WirelessNetworkLister none{NetworkListCommand()};
        QSignalSpy noneListed(&none, &WirelessNetworkLister::networksListed);
        none.start();
        QCOMPARE(noneListed.count(), 0); // never synchronously inside start()
        QVERIFY(noneListed.wait(5000));
        QCOMPARE(noneListed.at(0).at(0).toStringList(), QStringList());

        WirelessNetworkLister missing(command("/nonexistent/corvane-no-such-lister", {}));
        QCOMPARE(listedBy(missing), QStringList());
    }

    void hangingCommandIsStoppedAndWhatItPrintedCounts()
    {
        WirelessNetworkLister lister(command("sh", {"-c", "printf 'Early\\n'; exec sleep 60"}));
        lister.setTimeLimit(300);
        QCOMPARE(listedBy(lister), QStringList({"Early"}));
    }

    void deletingTheListerWhileItRunsEndsTheCommandQuietly()
    {
        QObject receiver;
        int answers = 0;
        auto *lister = new WirelessNetworkLister(command("sleep", {"60"}));
        connect(lister, &WirelessNetworkLister::networksListed, &receiver, [&] { ++answers; });
        lister->start();
        QPointer<QProcess> child = lister->findChild<QProcess *>();
        QVERIFY(child && child->waitForStarted(20000));
        delete lister;
        QVERIFY(child.isNull());
        QCoreApplication::processEvents();
        QCOMPARE(answers, 0);
    }
};

REGISTER_TEST_CLASS(NetworkListTest)
#include "network_list_test.moc"
