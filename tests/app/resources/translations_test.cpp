// The translation files built beside the program: the names the language
// table looks for, every text of the contract translated in both shipped
// languages, and drawn by the embedded font without a fallback font.

#include "core/startup/language_table.h"
#include "translation_contract.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QRawFont>
#include <QTranslator>
#include <QtTest>

#include "test_runner.h"

namespace {

bool hasCjk(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

// Names that stay Latin in Chinese too.
bool isProperName(const QString &source)
{
    return source == "lumivo" || source == "Lumivo Wireless" || source == "MyPDFBar";
}

QString programDir()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private:
    QTranslator english_;
    QTranslator chinese_;
    QRawFont font_;

private slots:
    void initTestCase()
    {
        // Loaded the way the program does: the language table's relative
        // name, resolved against the program's folder.
        QVERIFY(english_.load(languageFileFor(2), programDir()));
        QVERIFY(chinese_.load(languageFileFor(0), programDir()));
        QFile file(":/static/font/ui_font.ttf");
        QVERIFY(file.open(QIODevice::ReadOnly));
        font_.loadFromData(file.readAll(), 12, QFont::PreferDefaultHinting);
        QVERIFY(font_.isValid());
    }

    void everyBuiltFileIsOneTheLanguageTableNames()
    {
        QStringList tableNames;
        for (int i = 0; i < kLanguageCount; ++i)
            tableNames << languageFileFor(i);
        const QStringList built = QDir(programDir() + "/language").entryList({"*.qm"}, QDir::Files);
        QVERIFY(built.size() >= 2);
        for (const QString &name : built)
            QVERIFY2(tableNames.contains("language/" + name), qPrintable(name));
    }

    void englishTranslatesEveryTextIntoPlainEnglish()
    {
        QStringList untranslated;
        for (const TranslatedText &text : kTranslatedTexts) {
            const QString shown = english_.translate(text.context, text.source);
            if (shown.isEmpty() || hasCjk(shown))
                untranslated << QString("%1/%2").arg(text.context, QString::fromUtf8(text.source));
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join("; ")));
    }

    void chineseTranslatesKeysAndKeepsChineseFormTexts()
    {
        QStringList wrong;
        for (const TranslatedText &text : kTranslatedTexts) {
            const QString source = QString::fromUtf8(text.source);
            const QString shown = chinese_.translate(text.context, text.source);
            bool ok = !shown.isEmpty();
            if (hasCjk(source))
                ok = ok && shown == source;
            else if (!isProperName(source))
                ok = ok && hasCjk(shown);
            if (!ok)
                wrong << QString("%1/%2 -> '%3'").arg(text.context, source, shown);
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

    void contextsKeepKeysApart()
    {
        // The same source text means different things in a form and in
        // code, so a lookup in the wrong context must find nothing.
        QCOMPARE(english_.translate("Corvane", "software_close"), QString("Close"));
        QVERIFY(english_.translate("CorvaneClass", "software_close").isEmpty());
        QCOMPARE(english_.translate("MySettingsBar", "set success"), QString("Setting applied."));
        QVERIFY(english_.translate("Corvane", "set success").isEmpty());
        QCOMPARE(chinese_.translate("MySideBar", "yulan"), QString::fromUtf8("预览"));
        QCOMPARE(chinese_.translate("MyToolBar", "tiaomashibie"), QString::fromUtf8("条码识别"));
        QCOMPARE(english_.translate("MySettingsBarClass", "日语"), QString("Japanese"));
    }

    void fontDrawsEveryShownCharacterAndTheTablesScripts()
    {
        QString missing;
        for (const TranslatedText &text : kTranslatedTexts) {
            const QString all = english_.translate(text.context, text.source)
                                + chinese_.translate(text.context, text.source)
                                + QString::fromUtf8(text.source);
            for (const QChar c : all) {
                if (!c.isSpace() && !font_.supportsCharacter(c) && !missing.contains(c))
                    missing += c;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
        // The other languages of the table: characters the two Chinese
        // scripts write differently, accented Latin, Cyrillic and Greek.
        for (const QChar c : QStringLiteral("设置录錄體体语語ÄéñçßЖλ"))
            QVERIFY2(font_.supportsCharacter(c), qPrintable(QString(c)));
    }
};

REGISTER_TEST_CLASS(TranslationsTest)
#include "translations_test.moc"
