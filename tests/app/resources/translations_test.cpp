// SPDX-License-Identifier: GPL-3.0-or-later

// The translation files built beside the program: the names the language
// table looks for, every text of the contract translated in all thirteen
// languages and written in each language's own script, nothing left
// unfinished in the sources, and every character drawn by the embedded
// fonts without a fallback font.

#include "core/startup/language_table.h"
#include "translation_contract.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>

#include <memory>
#include <vector>

#include "test_runner.h"

namespace {

// Ideographs, kana and CJK punctuation.
bool isCjk(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0x3000 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
}

bool isHangul(QChar c)
{
    return c.script() == QChar::Script_Hangul;
}

bool isThai(QChar c)
{
    return c.script() == QChar::Script_Thai;
}

bool isCyrillic(QChar c)
{
    return c.script() == QChar::Script_Cyrillic;
}

bool isGreek(QChar c)
{
    return c.script() == QChar::Script_Greek;
}

bool hasAny(const QString &text, bool (*test)(QChar))
{
    return std::any_of(text.begin(), text.end(), test);
}

// What a language's texts must look like: the script each translation is
// written in (null where Latin letters cannot be told apart from English),
// and whether the Chinese form texts are kept as they are.
struct Language {
    int index;
    const char *folder;
    bool (*script)(QChar);
    bool keepsChineseForms;
};

const Language kLanguages[kLanguageCount] = {
    {0, "cn_j", isCjk, true},       {1, "cn_f", isCjk, false},
    {2, "en", nullptr, false},      {3, "fa", nullptr, false},
    {4, "de", nullptr, false},      {5, "xibanya", nullptr, false},
    {6, "putaoya", nullptr, false}, {7, "e", isCyrillic, false},
    {8, "yidali", nullptr, false},  {9, "xila", isGreek, false},
    {10, "ri", isCjk, false}, {11, "han", isHangul, false},
    {12, "tai", isThai, false},
};
constexpr int kEnglish = 2;

// Names that stay Latin in every language.
bool isProperName(const QString &source)
{
    return source == "lumivo" || source == "Lumivo Wireless" || source == "MyPDFBar";
}

bool isAscii(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

QString programDir()
{
    return QCoreApplication::applicationDirPath();
}

QRawFont embeddedFont(const QString &file)
{
    QFile data(":/static/font/" + file);
    if (!data.open(QIODevice::ReadOnly))
        return QRawFont();
    return QRawFont(data.readAll(), 12, QFont::PreferDefaultHinting);
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private:
    std::vector<std::unique_ptr<QTranslator>> translators_;
    QRawFont font_;
    QRawFont thaiFont_;

    qreal advance(QChar c) const
    {
        return font_.advancesForGlyphIndexes(font_.glyphIndexesForString(QString(c))).value(0).x();
    }

    const QTranslator &translator(int index) const
    {
        return *translators_[size_t(index)];
    }

private slots:
    void initTestCase()
    {
        // Loaded the way the program does: the language table's relative
        // name, resolved against the program's folder.
        for (int i = 0; i < kLanguageCount; ++i) {
            translators_.push_back(std::make_unique<QTranslator>());
            QVERIFY2(translators_.back()->load(languageFileFor(i), programDir()),
                     qPrintable(languageFileFor(i)));
        }
        font_ = embeddedFont("ui_font.ttf");
        thaiFont_ = embeddedFont("ui_font_thai.ttf");
        QVERIFY(font_.isValid());
        QVERIFY(thaiFont_.isValid());
    }

    void everyBuiltFileIsOneTheLanguageTableNames()
    {
        QStringList tableNames;
        for (int i = 0; i < kLanguageCount; ++i)
            tableNames << languageFileFor(i);
        const QStringList built = QDir(programDir() + "/language").entryList({"*.qm"}, QDir::Files);
        QCOMPARE(built.size(), kLanguageCount);
        for (const QString &name : built)
            QVERIFY2(tableNames.contains("language/" + name), qPrintable(name));
        for (const Language &language : kLanguages)
            QCOMPARE(languageFileFor(language.index),
                     QString("language/language_%1.qm").arg(language.folder));
    }

    void everyLanguageTranslatesEveryTextInItsOwnScript()
    {
        QStringList wrong;
        for (const Language &language : kLanguages) {
            for (const TranslatedText &text : kTranslatedTexts) {
                const QString source = QString::fromUtf8(text.source);
                const QString shown = translator(language.index).translate(text.context, text.source);
                bool ok = !shown.isEmpty();
                if (language.index == kEnglish)
                    ok = ok && !hasAny(shown, isCjk);
                else if (isAscii(source) && source != "Lumivo Wireless")
                    ok = ok && shown != source; // keys and English texts
                if (language.keepsChineseForms && hasAny(source, isCjk))
                    ok = ok && shown == source;
                else if (!isProperName(source))
                    ok = ok && (language.script ? hasAny(shown, language.script)
                                                : !hasAny(shown, isCjk));
                if (!ok)
                    wrong << QString("%1: %2/%3 -> '%4'")
                                 .arg(language.folder, text.context, source, shown);
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

    void sourcesHaveNothingUnfinished()
    {
        // An unfinished entry still goes into the .qm file, so only the
        // compiler's own count shows a translation nobody has checked.
        const QRegularExpression summary(
            "Generated (\\d+) translation\\(s\\) \\((\\d+) finished and (\\d+) unfinished\\)");
        QTemporaryDir out;
        QVERIFY(out.isValid());
        for (const Language &language : kLanguages) {
            const QDir folder(QStringLiteral(CORVANE_LANGUAGE_SOURCES "/") + language.folder);
            QStringList arguments;
            for (const QString &file : folder.entryList({"*.ts"}, QDir::Files, QDir::Name))
                arguments << folder.filePath(file);
            QVERIFY2(!arguments.isEmpty(), language.folder);
            arguments << "-qm" << out.filePath("check.qm");
            QProcess lrelease;
            lrelease.start(QStringLiteral(CORVANE_LRELEASE), arguments);
            QVERIFY(lrelease.waitForFinished(60000));
            const QString report = QString::fromLocal8Bit(lrelease.readAllStandardOutput()
                                                          + lrelease.readAllStandardError());
            QCOMPARE(lrelease.exitCode(), 0);
            const QRegularExpressionMatch counts = summary.match(report);
            QVERIFY2(counts.hasMatch(), qPrintable(report));
            QVERIFY2(counts.captured(3) == "0", qPrintable(language.folder + (": " + report)));
            QVERIFY2(!report.contains("Ignored"), qPrintable(report));
            QVERIFY2(counts.captured(1).toInt() >= int(std::size(kTranslatedTexts)),
                     qPrintable(language.folder + (": " + report)));
        }
    }

    void everyLanguageIsLaidOutLeftToRight()
    {
        // Qt mirrors the whole interface when a translation says its
        // language is written right to left; none of the table's is, and the
        // fixed-position forms are not built for a mirrored layout.
        for (const Language &language : kLanguages) {
            QCoreApplication::installTranslator(translators_[size_t(language.index)].get());
            QCoreApplication::processEvents();
            const Qt::LayoutDirection direction = QGuiApplication::layoutDirection();
            QCoreApplication::removeTranslator(translators_[size_t(language.index)].get());
            QVERIFY2(direction == Qt::LeftToRight, language.folder);
        }
    }

    void contextsKeepKeysApart()
    {
        // The same source text means different things in a form and in
        // code, so a lookup in the wrong context must find nothing.
        const QTranslator &english = translator(kEnglish);
        const QTranslator &chinese = translator(0);
        QCOMPARE(english.translate("Corvane", "software_close"), QString("Close"));
        QVERIFY(english.translate("CorvaneClass", "software_close").isEmpty());
        QCOMPARE(english.translate("MySettingsBar", "set success"), QString("Setting applied."));
        QVERIFY(english.translate("Corvane", "set success").isEmpty());
        QCOMPARE(chinese.translate("MySideBar", "yulan"), QString::fromUtf8("预览"));
        QCOMPARE(chinese.translate("MyToolBar", "tiaomashibie"), QString::fromUtf8("条码识别"));
        QCOMPARE(english.translate("MySettingsBarClass", "日语"), QString("Japanese"));
    }

    void placeholdersAndLineBreaksSurviveEveryLanguage()
    {
        // A lost %1 drops the file name from a message; a lost line break
        // runs the two lines of the camera notice together.
        QStringList wrong;
        const QRegularExpression placeholder("%\\d");
        for (const Language &language : kLanguages) {
            for (const TranslatedText &text : kTranslatedTexts) {
                const QString english = translator(kEnglish).translate(text.context, text.source);
                const QString shown = translator(language.index).translate(text.context, text.source);
                auto it = placeholder.globalMatch(QString::fromUtf8(text.source) + english);
                bool ok = shown.count('\n') == english.count('\n');
                while (it.hasNext()) {
                    const QString mark = it.next().captured();
                    ok = ok && shown.contains(mark);
                }
                if (!ok)
                    wrong << QString("%1: %2/%3").arg(language.folder, text.context, text.source);
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

    void embeddedFontsDrawEveryShownCharacter()
    {
        // Thai comes from the second embedded face, everything else from
        // the application font itself.
        QString missing;
        for (const Language &language : kLanguages) {
            for (const TranslatedText &text : kTranslatedTexts) {
                const QString all = translator(language.index).translate(text.context, text.source)
                                    + QString::fromUtf8(text.source);
                for (const QChar c : all) {
                    const QRawFont &face = isThai(c) ? thaiFont_ : font_;
                    if (!c.isSpace() && !face.supportsCharacter(c) && !missing.contains(c))
                        missing += c;
                }
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }

    void apostrophesAndQuotesAreNotDrawnFullWidth()
    {
        // The application font is a Chinese face: it draws the curly quotes
        // a full em wide, which tears "l'autofocus" apart. Between Latin,
        // Greek or Cyrillic letters they must be the narrow ASCII ones.
        QStringList wide;
        for (const Language &language : kLanguages) {
            if (language.script == isCjk)
                continue;
            for (const TranslatedText &text : kTranslatedTexts) {
                const QString shown = translator(language.index).translate(text.context, text.source);
                for (const QChar c : shown) {
                    if (c.unicode() >= 0x2018 && c.unicode() <= 0x201F && advance(c) > advance('n'))
                        wide << QString("%1: %2").arg(language.folder, shown);
                }
            }
        }
        QVERIFY2(wide.isEmpty(), qPrintable(wide.join("; ")));
    }
};

REGISTER_TEST_CLASS(TranslationsTest)
#include "translations_test.moc"
