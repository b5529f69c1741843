// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_MARKING_TRANSLATOR_H
#define CORVANE_TEST_MARKING_TRANSLATOR_H

// Translates every text to "context|source", so a retranslated form and
// the translation context of each text are visible.

#include <QTranslator>

class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return QString::fromLatin1(context) + QLatin1Char('|') + QString::fromUtf8(source);
    }
};

#endif
