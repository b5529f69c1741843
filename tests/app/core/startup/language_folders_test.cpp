// SPDX-License-Identifier: GPL-3.0-or-later
// Where the translations are found: beside the program (build tree), else
// in the installed data folder next to bin/, whichever prefix that is.

#include "core/startup/language_folders.h"
#include "core/startup/language_switch.h"
#include "core/startup/language_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

constexpr int kEnglish = 2;
constexpr int kFrench = 3; // no file is shipped

// The compiled translations the build puts beside the test programs.
QString builtFile(const QString &code)
{
    return QCoreApplication::applicationDirPath() + "/language/language_" + code + ".qm";
}

// Puts `sourceCode`'s compiled translation at `folder`/language/ under the
// name of `asCode`.
bool placeFile(const QString &folder, const QString &sourceCode, const QString &asCode)
{
    return QDir().mkpath(folder + "/language")
           && QFile::copy(builtFile(sourceCode), folder + "/language/language_" + asCode + ".qm");
}

QString shownCaption()
{
    return QCoreApplication::translate("Corvane", "luyin");
}

} // namespace

class LanguageFoldersTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir prefix_;
    QTranslator translator_;

private slots:
    void initTestCase()
    {
        QVERIFY(prefix_.isValid());
        QVERIFY2(QFile::exists(builtFile("en")), "the build puts language/ beside the tests");
    }

    void cleanup()
    {
        QCoreApplication::removeTranslator(&translator_);
        QDir(prefix_.path()).removeRecursively();
        QDir().mkpath(prefix_.path());
    }

    void programFolderFirstThenInstalledDataFolder()
    {
        QCOMPARE(languageFolders("/opt/corvane/bin"),
                 QStringList({"/opt/corvane/bin", "/opt/corvane/share/corvane"}));
        QCOMPARE(languageFolders("/usr/bin"), QStringList({"/usr/bin", "/usr/share/corvane"}));
        // A trailing slash or a relative program folder names the same places.
        QCOMPARE(languageFolders("/usr/bin/").last(), QString("/usr/share/corvane"));
        QCOMPARE(languageFolders("pkg/bin").last(), QString("pkg/share/corvane"));
    }

    void installedLayoutLoadsFromTheDataFolder()
    {
        // <prefix>/bin has no language/ (as /usr/bin): the switch finds
        // <prefix>/share/corvane/language.
        const QString bin = prefix_.path() + "/bin";
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(placeFile(prefix_.path() + "/share/corvane", "en", "en"));
        LanguageSwitch languages(translator_, languageFolders(bin));
        QVERIFY(languages.switchTo(kEnglish));
        QCOMPARE(shownCaption(), QStringLiteral("Sound recording"));
    }

    void besideTheProgramWinsOverTheDataFolder()
    {
        // A build tree or an unpacked copy run from its own folder uses its
        // own files even when an installed copy exists: the Chinese file
        // under the English name beside the program is the one that loads.
        const QString bin = prefix_.path() + "/bin";
        QVERIFY(placeFile(bin, "cn_j", "en"));
        QVERIFY(placeFile(prefix_.path() + "/share/corvane", "en", "en"));
        LanguageSwitch languages(translator_, languageFolders(bin));
        QVERIFY(languages.switchTo(kEnglish));
        QVERIFY(shownCaption() != QStringLiteral("Sound recording"));
        QVERIFY(shownCaption() != QStringLiteral("luyin"));
    }

    void eachLanguageIsLookedUpInEveryFolder()
    {
        // English only beside the program, Chinese only installed: each is
        // found where it is, and a language in neither shows source texts.
        const QString bin = prefix_.path() + "/bin";
        QVERIFY(placeFile(bin, "en", "en"));
        QVERIFY(placeFile(prefix_.path() + "/share/corvane", "cn_j", "cn_j"));
        LanguageSwitch languages(translator_, languageFolders(bin));
        QVERIFY(languages.switchTo(kEnglish));
        QCOMPARE(shownCaption(), QStringLiteral("Sound recording"));
        QVERIFY(languages.switchTo(0));
        QVERIFY(shownCaption() != QStringLiteral("Sound recording"));
        QVERIFY(!languages.switchTo(kFrench));
        QCOMPARE(shownCaption(), QStringLiteral("luyin"));
    }

    void noFolderWithFilesShowsTheSourceTexts()
    {
        LanguageSwitch languages(translator_, languageFolders(prefix_.path() + "/bin"));
        QVERIFY(!languages.switchTo(kEnglish));
        QCOMPARE(shownCaption(), QStringLiteral("luyin"));
    }
};

QTEST_GUILESS_MAIN(LanguageFoldersTest)
#include "language_folders_test.moc"
