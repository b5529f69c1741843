// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_CAPTION_FIT_H
#define CORVANE_TEST_CAPTION_FIT_H

// Whether the fixed-size captions of a form show whole, in every language
// of the table. Forms place their labels and buttons at fixed sizes, so a
// translation longer than its widget is cut off on screen. Measured in the
// program's own (embedded) font at 12 pt, larger than the default of the
// usual desktops, so a desktop with a bigger font still shows whole words.
// The test program links corvane_resources for the font.

#include "core/startup/application_setup.h"
#include "core/startup/language_table.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QTranslator>

// Sets the program's font at 12 pt for its lifetime; forms built inside it
// use that font.
class ProgramFontAt12pt {
public:
    ProgramFontAt12pt() : before_(QApplication::font())
    {
        useEmbeddedFont();
        QFont font = QApplication::font();
        font.setPointSize(12);
        QApplication::setFont(font);
    }
    ~ProgramFontAt12pt() { QApplication::setFont(before_); }
    ProgramFontAt12pt(const ProgramFontAt12pt &) = delete;
    ProgramFontAt12pt &operator=(const ProgramFontAt12pt &) = delete;

private:
    QFont before_;
};

// The captions of the form that do not fit their widget as it is now.
inline QStringList cutCaptions(QWidget &form)
{
    QStringList cut;
    for (QLabel *label : form.findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                              : label->sizeHint().width() > label->width())
            cut << QString("%1 (%2 of %3 px wide)")
                       .arg(label->text())
                       .arg(label->sizeHint().width())
                       .arg(label->width());
    }
    for (QAbstractButton *button : form.findChildren<QAbstractButton *>()) {
        auto *tool = qobject_cast<QToolButton *>(button);
        if (button->text().isEmpty() || (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly))
            continue;
        if (button->sizeHint().width() > button->width())
            cut << QString("%1 (%2 of %3 px)")
                       .arg(button->text())
                       .arg(button->sizeHint().width())
                       .arg(button->width());
    }
    for (QGroupBox *group : form.findChildren<QGroupBox *>()) {
        if (group->minimumSizeHint().width() > group->width())
            cut << group->title();
    }
    return cut;
}

// cutCaptions() with each language of the table installed in turn, as
// "language/language_xx.qm: caption".
inline QStringList cutCaptionsInEveryLanguage(QWidget &form)
{
    QStringList cut;
    for (int language = 0; language < kLanguageCount; ++language) {
        QTranslator translator;
        if (!translator.load(languageFileFor(language), QCoreApplication::applicationDirPath())) {
            cut << languageFileFor(language) + ": not found";
            continue;
        }
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::processEvents();
        for (const QString &caption : cutCaptions(form))
            cut << languageFileFor(language) + ": " + caption;
        QCoreApplication::removeTranslator(&translator);
        QCoreApplication::processEvents();
    }
    return cut;
}

#endif
