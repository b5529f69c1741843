// Settings store, language table, file naming and the private temp folder.

#include "core/startup/app_settings.h"
#include "core/startup/file_naming.h"
#include "core/startup/language_table.h"
#include "core/startup/private_temp_folder.h"
#include "core/startup/process_values.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class AppSettingsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;

private slots:
    void initTestCase()
    {
        QVERIFY(settingsDir_.isValid());
        setSettingsFolderForTests(settingsDir_.path());
    }

    void absentKeysGiveTheirDefaults()
    {
        QCOMPARE(readSetting("dev/savePath"), QString("0"));
        QCOMPARE(readSetting("dev/softwarelanguage"), QString("0"));
        QCOMPARE(readSettingOr("wifi/sta_ip", QString()), QString());
    }

    void writtenValueIsVisibleToTheNextReadAndLandsInTheIniFile()
    {
        writeSetting("wifi/sta_ip", "10.0.0.5");
        QCOMPARE(readSettingOr("wifi/sta_ip", QString()), QString("10.0.0.5"));
        // The store sits where tests put it, in the organisation's folder.
        const QString ini = settingsDir_.path() + "/Telmora/TelmoraCorvane.ini";
        QVERIFY2(QFile::exists(ini), qPrintable(ini));
        QSettings direct(ini, QSettings::IniFormat);
        QCOMPARE(direct.value("wifi/sta_ip").toString(), QString("10.0.0.5"));
        writeSetting("wifi/sta_ip", "");
        QCOMPARE(readSettingOr("wifi/sta_ip", "x"), QString(""));
    }

    void languageTableMapsIndexesAndRejectsOthers()
    {
        QCOMPARE(languageFileFor(0), QString("language/language_cn_j.qm"));
        QCOMPARE(languageFileFor(2), QString("language/language_en.qm"));
        QCOMPARE(languageFileFor(12), QString("language/language_tai.qm"));
        QVERIFY(languageFileFor(13).isEmpty());
        QVERIFY(languageFileFor(-1).isEmpty());
        QCOMPARE(languageIndexFromSetting("10"), 10);
        QCOMPARE(languageIndexFromSetting("abc"), 0);
        QCOMPARE(languageIndexFromSetting(""), 0);
        QCOMPARE(languageIndexFromSetting("13"), 13);
    }

    void fileNamesUseStartDateEvenAfterMidnight()
    {
        QTemporaryDir folder;
        const QString path = makeFilePath(folder.path(), "20241129", QTime(0, 0, 5, 10), ".jpg");
        QCOMPARE(path, folder.path() + "/20241129-00-00-05-010.jpg");
        QCOMPARE(makeFilePath(folder.path(), "20241129", QTime(14, 3, 59, 123), ".avi"),
                 folder.path() + "/20241129-14-03-59-123.avi");
    }

    void sameMillisecondNeverOverwrites()
    {
        QTemporaryDir folder;
        const QTime t(14, 3, 59, 123);
        const QString first = makeFilePath(folder.path(), "20241129", t, ".jpg");
        QFile(first).open(QIODevice::WriteOnly);
        const QString second = makeFilePath(folder.path(), "20241129", t, ".jpg");
        QCOMPARE(second, folder.path() + "/20241129-14-03-59-123-1.jpg");
        QFile(second).open(QIODevice::WriteOnly);
        QCOMPARE(makeFilePath(folder.path(), "20241129", t, ".jpg"),
                 folder.path() + "/20241129-14-03-59-123-2.jpg");
    }

    void photoAndVideoGoToStandardFoldersWithoutSavePath()
    {
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
        QVERIFY(processValues().freezeStillPath.endsWith("corvane_temp_dongjie_file.jpg"));
    }

    void unsafeFoldersAreNotPrivate()
    {
        QTemporaryDir dir;
        const QString open = dir.path() + "/open";
        QVERIFY(QDir().mkdir(open));
        chmod(QFile::encodeName(open).constData(), 0777);
        QVERIFY(!isPrivateFolder(open));
        const QString link = dir.path() + "/link";
        const QString target = dir.path() + "/target";
        QVERIFY(QDir().mkdir(target));
        chmod(QFile::encodeName(target).constData(), 0700);
        QVERIFY(isPrivateFolder(target));
        QVERIFY(QFile::link(target, link));
        QVERIFY(!isPrivateFolder(link));
    }
};

QTEST_GUILESS_MAIN(AppSettingsTest)
#include "app_settings_test.moc"
