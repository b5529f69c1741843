// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_TEXT_PICTURE_H
#define CORVANE_TEST_TEXT_PICTURE_H

// A picture of printed lines for the OCR tool's tests: dark print in the
// program's own font on a light page, as a photo of a sheet would be.

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QVector>
#include <QStringList>

inline const QStringList &englishTestLines()
{
    static const QStringList lines = {"Minutes of the orchard society, third meeting",
                                      "The members agreed to plant twelve pear trees",
                                      "along the western wall before the end of April."};
    return lines;
}

inline const QStringList &chineseTestLines()
{
    static const QStringList lines = {QString::fromUtf8("果园协会春季第三次会议纪要"),
                                      QString::fromUtf8("会员同意在四月底以前种植十二棵梨树")};
    return lines;
}

inline QImage textPicture(const QStringList &lines, QSize size = QSize(1600, 900))
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(":/static/font/ui_font.ttf");
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.first();
    }();
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(240, 240, 236));
    QPainter painter(&picture);
    QFont font(family);
    font.setPixelSize(size.height() / 22);
    painter.setFont(font);
    painter.setPen(QColor(30, 30, 30));
    int y = size.height() / 6;
    for (const QString &line : lines) {
        painter.drawText(QPoint(size.width() / 12, y), line);
        y += size.height() / 10;
    }
    return picture;
}

// Edit distance between the texts over the expected text's length, white
// space ignored.
inline double characterErrorRate(QString expected, QString read)
{
    expected.remove(QRegularExpression("\\s"));
    read.remove(QRegularExpression("\\s"));
    if (expected.isEmpty())
        return read.isEmpty() ? 0 : 1;
    QVector<int> row(read.size() + 1), next(read.size() + 1);
    for (int j = 0; j <= read.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= expected.size(); ++i) {
        next[0] = i;
        for (int j = 1; j <= read.size(); ++j)
            next[j] = qMin(qMin(row[j] + 1, next[j - 1] + 1),
                           row[j - 1] + (expected[i - 1] == read[j - 1] ? 0 : 1));
        row.swap(next);
    }
    return double(row[read.size()]) / expected.size();
}

#endif
