// Start-up: command-line options, the embedded font and the stored language.

#include "core/startup/app_settings.h"
#include "core/startup/application_setup.h"
#include "core/startup/startup_options.h"

#include <QApplication>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QTranslator>
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

    void storedLanguageChoosesTheTranslation()
    {
        const QString key = QStringLiteral("luyin");
        {
            writeSetting("dev/softwarelanguage", "2");
            QTranslator translator;
            QVERIFY(installStoredLanguage(translator));
            QCOMPARE(QCoreApplication::translate("Corvane", "luyin"), QStringLiteral("Sound recording"));
            QCOMPARE(QCoreApplication::translate("CorvaneClass", "设置"), QStringLiteral("Settings"));
        }
        {
            // Outside the table: no file, the source texts show.
            writeSetting("dev/softwarelanguage", "13");
            QTranslator translator;
            QVERIFY(!installStoredLanguage(translator));
            QCOMPARE(QCoreApplication::translate("Corvane", "luyin"), key);
        }
        {
            // Not a number: index 0, Simplified Chinese.
            writeSetting("dev/softwarelanguage", "zh");
            QTranslator translator;
            QVERIFY(installStoredLanguage(translator));
            QVERIFY(QCoreApplication::translate("Corvane", "luyin") != key);
        }
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
