// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: command-line options, the settings store, file naming, the
// private temp folder, the embedded font and the language switch.

#include "core/startup/app_settings.h"
#include "core/startup/application_setup.h"
#include "core/startup/file_naming.h"
#include "core/startup/language_switch.h"
#include "core/startup/language_table.h"
#include "core/startup/private_temp_folder.h"
#include "core/startup/process_values.h"
#include "core/startup/startup_options.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QGlyphRun>
#include <QTextLayout>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include "test_runner.h"

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void optionsAreCheckedAndStrayWordsIgnored_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("camera");
        QTest::addColumn<double>("quitAfter");
        QTest::addColumn<QStringList>("ignored");
        const QStringList none;
        QTest::newRow("none") << none << true << QString() << 0.0 << none;
        QTest::newRow("camera") << QStringList{"--camera", "127.0.0.1"} << true << "127.0.0.1" << 0.0 << none;
        QTest::newRow("camera name") << QStringList{"--camera", "camera.local"} << false;
        QTest::newRow("camera v6") << QStringList{"--camera", "::1"} << false;
        QTest::newRow("camera missing") << QStringList{"--camera"} << false;
        QTest::newRow("screenshot, no end") << QStringList{"--screenshot", "x.png"} << false;
        QTest::newRow("screenshot") << QStringList{"--screenshot", "x.png", "--quit-after", "2.5"}
                                    << true << QString() << 2.5 << none;
        QTest::newRow("quit zero") << QStringList{"--quit-after", "0"} << false;
        QTest::newRow("quit word") << QStringList{"--quit-after", "soon"} << false;
        QTest::newRow("unknown") << QStringList{"--no-such-option"} << false;
        QTest::newRow("desktop files") << QStringList{"/home/me/scan.jpg", "--quit-after", "1", "b.pdf"}
                                       << true << QString() << 1.0
                                       << QStringList{"/home/me/scan.jpg", "b.pdf"};
    }

    void optionsAreCheckedAndStrayWordsIgnored()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, valid);
        const StartupOptions o = parseStartupOptions(QStringList{"corvane"} + args);
        QCOMPARE(o.valid, valid);
        if (!valid)
            return;
        QFETCH(QString, camera);
        QFETCH(double, quitAfter);
        QFETCH(QStringList, ignored);
        QCOMPARE(o.camera, camera);
        QCOMPARE(o.quitAfterSeconds, quitAfter);
        QCOMPARE(o.ignoredArguments, ignored);
        QCOMPARE(o.screenshotPath.isEmpty(), !args.contains("--screenshot"));
    }

    void settingsStoreReadsDefaultsAndWritesItsIniFile()
    {
        QCOMPARE(readSetting("dev/savePath"), QString("0"));
        QCOMPARE(readSettingOr("wifi/unset", "x"), QString("x"));
        writeSetting("wifi/sta_ip", "10.0.0.5");
        QCOMPARE(readSettingOr("wifi/sta_ip", QString()), QString("10.0.0.5"));
        QSettings direct(QSettings::IniFormat, QSettings::UserScope, "Telmora", "TelmoraCorvane");
        QCOMPARE(direct.value("wifi/sta_ip").toString(), QString("10.0.0.5"));
        writeSetting("wifi/sta_ip", "");
        QCOMPARE(readSettingOr("wifi/sta_ip", "x"), QString(""));
    }

    void languageTableMapsIndexesAndRejectsOthers()
    {
        QCOMPARE(languageFileFor(0), QString("language/language_cn_j.qm"));
        QCOMPARE(languageFileFor(12), QString("language/language_tai.qm"));
        QVERIFY(languageFileFor(13).isEmpty());
        QVERIFY(languageFileFor(-1).isEmpty());
        QCOMPARE(languageIndexFromSetting("10"), 10);
        QCOMPARE(languageIndexFromSetting("abc"), 0);
    }

    void fileNamesUseTheStartDateAndNeverOverwrite()
    {
        QTemporaryDir folder;
        const QTime t(0, 0, 5, 10);
        const QString first = makeFilePath(folder.path(), "20241129", t, ".jpg");
        QCOMPARE(first, folder.path() + "/20241129-00-00-05-010.jpg");
        QFile(first).open(QIODevice::WriteOnly);
        const QString second = makeFilePath(folder.path(), "20241129", t, ".jpg");
        QCOMPARE(second, folder.path() + "/20241129-00-00-05-010-1.jpg");
        QFile(second).open(QIODevice::WriteOnly);
        QCOMPARE(makeFilePath(folder.path(), "20241129", t, ".jpg"),
                 folder.path() + "/20241129-00-00-05-010-2.jpg");

        ProcessValues &v = processValues();
        const QString saved = v.savePath;
        v.savePath = "0";
        QVERIFY(makePhotoPath().startsWith(v.picturesDir + "/" + v.startDate + "-"));
        QVERIFY(makePhotoPath().endsWith(".jpg"));
        QVERIFY(makeVideoPath().startsWith(v.moviesDir + "/" + v.startDate + "-"));
        QVERIFY(makeVideoPath().endsWith(".avi"));
        v.savePath = "/data/scans";
        QVERIFY(makePhotoPath().startsWith("/data/scans/"));
        v.savePath = saved;
    }

    void temporaryFilesLiveInAPrivateFolder()
    {
        const QString folder = privateTempFolder();
        QVERIFY(isPrivateFolder(folder));
        QCOMPARE(QFileInfo(processValues().freezeStillPath).absolutePath(), folder);
        QCOMPARE(QFileInfo(processValues().annotationTempPath).absolutePath(), folder);

        QTemporaryDir dir;
        const QString open = dir.path() + "/open", target = dir.path() + "/target";
        QVERIFY(QDir().mkdir(open) && QDir().mkdir(target));
        chmod(QFile::encodeName(open).constData(), 0777);
        chmod(QFile::encodeName(target).constData(), 0700);
        QVERIFY(!isPrivateFolder(open));
        QVERIFY(isPrivateFolder(target));
        QVERIFY(QFile::link(target, dir.path() + "/link"));
        QVERIFY(!isPrivateFolder(dir.path() + "/link"));
    }

    void embeddedFontBecomesTheApplicationFont()
    {
        const QString family = useEmbeddedFont();
        QVERIFY(!family.isEmpty());
        QCOMPARE(QFontInfo(QApplication::font()).family(), family);
        // The application font has no Thai: a Thai caption is laid out in
        // its embedded substitute, every glyph a real one (index 0 is the
        // box drawn for a missing character), with the Latin of the same
        // caption left to the application font.
        const QStringList substitutes = QFont::substitutes(family);
        QCOMPARE(substitutes.size(), 1);
        QTextLayout layout(QString::fromUtf8("ตั้งค่าโหมด Wi-Fi"), QApplication::font());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        int thaiRuns = 0;
        for (const QGlyphRun &run : layout.glyphRuns()) {
            QVERIFY(!run.glyphIndexes().contains(0));
            const QString drawnWith = run.rawFont().familyName();
            if (drawnWith.compare(substitutes.first(), Qt::CaseInsensitive) == 0) {
                QVERIFY(run.rawFont().supportsCharacter(QChar(0x0E15)));
                ++thaiRuns;
            } else {
                QVERIFY2(drawnWith.startsWith(family), qPrintable(drawnWith));
            }
        }
        QCOMPARE(thaiRuns, 1);
    }

    void everySwitchReplacesTheOneTranslator()
    {
        // The stored choice, then Chinese, then an index outside the table,
        // which names no file: the source texts show, not an earlier
        // language.
        const auto shown = [] { return QCoreApplication::translate("Corvane", "luyin"); };
        LanguageSwitch &program = LanguageSwitch::program();
        for (const char *missing : {"13", "-1"}) {
            writeSetting("dev/softwarelanguage", "2");
            QVERIFY(program.switchToStored());
            QCOMPARE(shown(), QStringLiteral("Sound recording"));
            QVERIFY(program.switchTo(0));
            writeSetting("dev/softwarelanguage", missing);
            QVERIFY(!program.switchToStored());
            QCOMPARE(shown(), QStringLiteral("luyin"));
        }
        writeSetting("dev/softwarelanguage", "zh"); // not a number: Simplified Chinese
        QVERIFY(program.switchToStored());
        QVERIFY(shown() != QStringLiteral("luyin") && shown() != QStringLiteral("Sound recording"));
        program.switchTo(-1); // back to the source texts for the tests after this one
    }
};

REGISTER_TEST_CLASS(StartupTest)
#include "startup_test.moc"
