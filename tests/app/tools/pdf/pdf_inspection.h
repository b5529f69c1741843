// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_TEST_PDF_INSPECTION_H
#define CORVANE_TEST_PDF_INSPECTION_H

// Test pictures, and what pdfinfo and qpdf read from a written document.

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>

inline QString makeJpeg(const QString &folder, const QString &name, int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(qRgb(width % 256, height % 256, 90));
    const QString path = folder + '/' + name;
    return picture.save(path, "JPG", 90) ? path : QString();
}

inline QByteArray runTool(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

// From "Page    1 size:  2592 x 1944 pts" lines.
inline QList<QSizeF> pdfPageSizes(const QString &pdf)
{
    QList<QSizeF> sizes;
    auto it = QRegularExpression(R"(Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)")
                  .globalMatch(runTool("pdfinfo", {"-f", "1", "-l", "1000", pdf}));
    while (it.hasNext()) {
        const auto m = it.next();
        sizes << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    }
    return sizes;
}

inline bool qpdfCheckPasses(const QString &pdf)
{
    int code = -1;
    runTool("qpdf", {"--check", pdf}, &code);
    return code == 0;
}

struct PdfStructure {
    QStringList pages;      // page objects ("12 0 R") in page order
    QStringList images;     // the image drawn on each page
    QStringList filters;    // that image's filter
    QString openActionPage; // the page the document opens at
};

inline PdfStructure pdfStructure(const QString &pdf)
{
    const QJsonObject json = QJsonDocument::fromJson(runTool(
        "qpdf", {"--json=1", "--json-key=pages", "--json-key=objects", pdf})).object();
    PdfStructure s;
    for (const QJsonValue page : json["pages"].toArray()) {
        s.pages << page["object"].toString();
        s.images << page["images"][0]["object"].toString();
        s.filters << page["images"][0]["filter"][0].toString();
    }
    const QJsonObject objects = json["objects"].toObject();
    QJsonValue action = objects[objects["trailer"]["/Root"].toString()]["/OpenAction"];
    if (action.isString()) // an indirect array
        action = objects[action.toString()];
    s.openActionPage = action[0].toString();
    return s;
}

// The stored bytes of an object's stream, not decoded.
inline QByteArray rawStreamData(const QString &pdf, const QString &reference)
{
    return runTool("qpdf", {"--show-object=" + reference.section(' ', 0, 0), "--raw-stream-data", pdf});
}

#endif
