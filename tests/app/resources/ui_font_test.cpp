// The embedded user-interface font: it registers, and it draws every
// character of the shipped translations without a fallback font.

#include "translation_contract.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QRawFont>
#include <QTranslator>
#include <QtTest>

namespace {

const char kFontPath[] = ":/static/font/ui_font.ttf";

} // namespace

class UiFontTest : public QObject {
    Q_OBJECT

private:
    QString family_;
    QRawFont rawFont_;

private slots:
    void initTestCase()
    {
        QFile file(kFontPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        rawFont_.loadFromData(file.readAll(), 12, QFont::PreferDefaultHinting);
        QVERIFY(rawFont_.isValid());
    }

    void registersAsAnApplicationFontWithAFamily()
    {
        const int id = QFontDatabase::addApplicationFont(kFontPath);
        QVERIFY(id >= 0);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        QVERIFY(!families.isEmpty());
        family_ = families.first();
        QVERIFY(!family_.isEmpty());
    }

    void coversTheScriptsOfTheLanguageTable()
    {
        const QList<QFontDatabase::WritingSystem> systems = rawFont_.supportedWritingSystems();
        for (QFontDatabase::WritingSystem wanted :
             {QFontDatabase::Latin, QFontDatabase::Greek, QFontDatabase::Cyrillic,
              QFontDatabase::SimplifiedChinese, QFontDatabase::TraditionalChinese}) {
            QVERIFY2(systems.contains(wanted), qPrintable(QFontDatabase::writingSystemName(wanted)));
        }
        // Characters the two Chinese scripts write differently, and accented
        // Latin of the European languages.
        for (const QChar c : QStringLiteral("设置录錄體体语語ÄéñçßЖλ")) {
            QVERIFY2(rawFont_.supportsCharacter(c), qPrintable(QString(c)));
        }
    }

    void drawsEveryCharacterOfTheShippedTranslations_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("en") << QStringLiteral("language_en.qm");
        QTest::newRow("cn_j") << QStringLiteral("language_cn_j.qm");
    }

    void drawsEveryCharacterOfTheShippedTranslations()
    {
        QFETCH(QString, file);
        QTranslator translator;
        QVERIFY(translator.load(file, QCoreApplication::applicationDirPath() + "/language"));
        QString missing;
        for (const TranslatedText &text : kTranslatedTexts) {
            const QString shown = translator.translate(text.context, text.source);
            const QString source = QString::fromUtf8(text.source);
            for (const QChar c : shown + source) {
                if (!c.isSpace() && !rawFont_.supportsCharacter(c) && !missing.contains(c))
                    missing += c;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }
};

QTEST_MAIN(UiFontTest)
#include "ui_font_test.moc"
