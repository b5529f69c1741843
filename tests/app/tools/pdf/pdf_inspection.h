#ifndef CORVANE_TEST_PDF_INSPECTION_H
#define CORVANE_TEST_PDF_INSPECTION_H

// Test pictures, and what Poppler's pdfinfo and qpdf read from a written
// document: page sizes, the structure check, the open action's page, the
// stored picture data.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>

inline QString makeJpeg(const QString &folder, const QString &name, int width, int height,
                        QColor color = Qt::darkCyan)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(color);
    const QString path = folder + QLatin1Char('/') + name;
    return picture.save(path, "JPG", 90) ? path : QString();
}

inline QByteArray runTool(const QString &program, const QStringList &arguments,
                          int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAllStandardOutput();
}

// "Page    1 size:  2592 x 1944 pts" for every page.
inline QList<QSizeF> pdfPageSizes(const QString &pdf)
{
    const QString info =
        QString::fromUtf8(runTool("pdfinfo", {"-f", "1", "-l", "1000", pdf}));
    QList<QSizeF> sizes;
    QRegularExpression line(R"(Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)");
    auto it = line.globalMatch(info);
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
    QStringList pages;        // page object references in page order
    QStringList pageImages;   // the image object drawn on each page
    QStringList imageFilters; // the filter of each page's image
    QString openActionPage;   // the page the open action shows
};

inline PdfStructure pdfStructure(const QString &pdf)
{
    const QJsonObject json = QJsonDocument::fromJson(
        runTool("qpdf", {"--json=1", "--json-key=pages", "--json-key=objects", pdf})).object();
    PdfStructure s;
    for (const QJsonValue page : json["pages"].toArray()) {
        s.pages << page["object"].toString();
        const QJsonObject image = page["images"].toArray().first().toObject();
        s.pageImages << image["object"].toString();
        s.imageFilters << image["filter"].toArray().first().toString();
    }
    const QJsonObject objects = json["objects"].toObject();
    const QString root = objects["trailer"].toObject()["/Root"].toString();
    QJsonValue action = objects[root].toObject()["/OpenAction"];
    if (action.isString()) // an indirect array
        action = objects[action.toString()];
    s.openActionPage = action.toArray().first().toString();
    return s;
}

// The stored bytes of an object's stream ("12 0 R"), without decoding.
inline QByteArray rawStreamData(const QString &pdf, const QString &reference)
{
    return runTool("qpdf", {"--show-object=" + reference.section(' ', 0, 0),
                            "--raw-stream-data", pdf});
}

inline QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

#endif
