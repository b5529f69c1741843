// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/barcode_tool/barcode_tool.h"

#include "core/main_window/status_banner.h"
#include "imaging/transforms/gray_from_image.h"

#include <QApplication>
#include <QClipboard>

namespace {

// The wait cursor for the length of a scope.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

BarcodeTool::BarcodeTool(QClipboard *clipboard, StatusBanner *banner)
    : clipboard_(clipboard), banner_(banner)
{
}

QString BarcodeTool::read(const QImage &picture)
{
    std::vector<barcode::DecodedCode> codes;
    {
        WaitCursor wait;
        codes = reader_.read(grayFromImage(picture));
    }
    QString text;
    for (const barcode::DecodedCode &code : codes) {
        if (&code != &codes.front())
            text += QLatin1Char('\t');
        text += QString::fromStdString(code.text);
    }
    if (codes.empty()) {
        banner_->showFail(QStringLiteral("Recognition Failed"));
        return text;
    }
    clipboard_->setText(text, QClipboard::Clipboard);
    banner_->showOk(QStringLiteral("Recognition successfully [ ") + text + QStringLiteral(" ]"));
    return text;
}
