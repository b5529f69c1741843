// Start-up: command-line options, the embedded font and the language switch.

#include "core/startup/app_settings.h"
#include "core/startup/application_setup.h"
#include "core/startup/language_switch.h"
#include "core/startup/startup_options.h"

#include <QApplication>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;

    static StartupOptions parse(const QStringList &args)
    {
        return parseStartupOptions(QStringList{QStringLiteral("corvane")} + args);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir_.isValid());
        setSettingsFolderForTests(settingsDir_.path());
    }

    void noOptionsRunsUntilClosed()
    {
        const StartupOptions o = parse({});
        QVERIFY(o.valid);
        QVERIFY(o.camera.isEmpty());
        QCOMPARE(o.quitAfterSeconds, 0.0);
    }

    void cameraOptionTakesADottedAddress()
    {
        const StartupOptions o = parse({"--camera", "127.0.0.1"});
        QVERIFY(o.valid);
        QCOMPARE(o.camera, QStringLiteral("127.0.0.1"));
        QVERIFY(!parse({"--camera", "camera.local"}).valid);
        QVERIFY(!parse({"--camera", "::1"}).valid);
        QVERIFY(!parse({"--camera"}).valid);
    }

    void screenshotNeedsAnEnd()
    {
        QVERIFY(!parse({"--screenshot", "/tmp/x.png"}).valid);
        const StartupOptions o = parse({"--screenshot", "shot.png", "--quit-after", "2.5"});
        QVERIFY(o.valid);
        QCOMPARE(o.screenshotPath, QStringLiteral("shot.png"));
        QCOMPARE(o.quitAfterSeconds, 2.5);
        QVERIFY(!parse({"--quit-after", "0"}).valid);
        QVERIFY(!parse({"--quit-after", "soon"}).valid);
        QVERIFY(!parse({"--no-such-option"}).valid);
    }

    void embeddedFontBecomesTheApplicationFont()
    {
        const QString family = useEmbeddedFont();
        QVERIFY(!family.isEmpty());
        QCOMPARE(QApplication::font().family(), family);
        QCOMPARE(QFontInfo(QApplication::font()).family(), family);
    }

    void everySwitchReplacesTheOneTranslator()
    {
        // The stored choice, then Chinese, then a language without a file
        // (French) or outside the table: the source texts show, not an
        // earlier language.
        const auto shown = [] { return QCoreApplication::translate("Corvane", "luyin"); };
        LanguageSwitch &program = LanguageSwitch::program();
        for (const char *missing : {"3", "13"}) {
            writeSetting("dev/softwarelanguage", "2");
            QVERIFY(program.switchToStored());
            QCOMPARE(shown(), QStringLiteral("Sound recording"));
            QVERIFY(program.switchTo(0));
            writeSetting("dev/softwarelanguage", missing);
            QVERIFY(!program.switchToStored());
            QCOMPARE(shown(), QStringLiteral("luyin"));
            QCOMPARE(QCoreApplication::translate("CorvaneClass", "设置"), QString::fromUtf8("设置"));
        }
        writeSetting("dev/softwarelanguage", "zh"); // not a number: Simplified Chinese
        QVERIFY(program.switchToStored());
        QVERIFY(shown() != QStringLiteral("luyin") && shown() != QStringLiteral("Sound recording"));
    }

    void fileNamesFromTheDesktopAreIgnoredNotFatal()
    {
        const StartupOptions o = parse({"/home/me/scan.jpg", "--quit-after", "1", "other.pdf"});
        QVERIFY(o.valid);
        QCOMPARE(o.ignoredArguments, QStringList({"/home/me/scan.jpg", "other.pdf"}));
        QCOMPARE(o.quitAfterSeconds, 1.0);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
