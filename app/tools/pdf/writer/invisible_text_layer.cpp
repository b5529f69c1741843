// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pdf/writer/invisible_text_layer.h"

#include "tools/pdf/writer/haru_document.h"
#include "tools/pdf/writer/word_placement.h"

#include <QFile>

#include <algorithm>

namespace {

constexpr double kLargestFontSize = HPDF_MAX_FONTSIZE;
constexpr double kSmallestFontSize = 0.5;

} // namespace

bool InvisibleTextLayer::load(HaruDocument &doc, const QString &fontPath)
{
    font_ = nullptr;
    if (HPDF_UseUTFEncodings(doc.handle()) != HPDF_OK) {
        doc.takeError();
        return false;
    }
    const char *name =
        HPDF_LoadTTFontFromFile(doc.handle(), QFile::encodeName(fontPath).constData(), HPDF_TRUE);
    HPDF_Font font = name ? HPDF_GetFont(doc.handle(), name, "UTF-8") : nullptr;
    if (!font || doc.hasError()) {
        doc.takeError();
        return false;
    }
    const double ascent = HPDF_Font_GetAscent(font) / 1000.0;
    const double descent = -HPDF_Font_GetDescent(font) / 1000.0;
    if (ascent > 0 && descent >= 0) {
        ascent_ = ascent;
        descent_ = descent;
    }
    font_ = font;
    return true;
}

QByteArray InvisibleTextLayer::encodable(const QString &word)
{
    QString kept;
    kept.reserve(word.size());
    for (const QChar c : word) {
        if (c.isSurrogate() || c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0)
            || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
            continue;
        kept.append(c);
    }
    return kept.toUtf8();
}

int InvisibleTextLayer::draw(HaruDocument &doc, HPDF_Page page, const PdfPageText &text,
                             QSizeF pageSize) const
{
    if (!font_ || text.words.isEmpty())
        return 0;
    int placed = 0;
    HPDF_Page_BeginText(page);
    HPDF_Page_SetTextRenderingMode(page, HPDF_INVISIBLE);
    for (const PdfTextWord &word : text.words) {
        const QByteArray bytes = encodable(word.text);
        WordPlacement placement;
        if (bytes.isEmpty() || !placeWord(word.corners, QSizeF(text.pictureSize), pageSize, &placement))
            continue;
        // The em box, ascent and descent, spans the word's box.
        const double size = std::clamp(placement.height / (ascent_ + descent_), kSmallestFontSize,
                                       kLargestFontSize);
        const HPDF_TextWidth natural = HPDF_Font_TextWidth(
            font_, reinterpret_cast<const HPDF_BYTE *>(bytes.constData()), HPDF_UINT(bytes.size()));
        const double naturalLength = natural.width * size / 1000.0;
        const double scaling =
            naturalLength > 0 ? std::clamp(100.0 * placement.length / naturalLength,
                                           double(HPDF_MIN_HORIZONTALSCALING),
                                           double(HPDF_MAX_HORIZONTALSCALING))
                              : 100.0;
        const QPointF baseline = placement.readingStart + placement.up * (descent_ * size);
        HPDF_Page_SetFontAndSize(page, font_, HPDF_REAL(size));
        HPDF_Page_SetHorizontalScalling(page, HPDF_REAL(scaling));
        HPDF_Page_SetTextMatrix(page, HPDF_REAL(placement.along.x()), HPDF_REAL(placement.along.y()),
                                HPDF_REAL(placement.up.x()), HPDF_REAL(placement.up.y()),
                                HPDF_REAL(baseline.x()), HPDF_REAL(baseline.y()));
        HPDF_Page_ShowText(page, bytes.constData());
        if (doc.hasError())
            doc.takeError();
        else
            ++placed;
    }
    HPDF_Page_EndText(page);
    if (doc.hasError())
        doc.takeError();
    return placed;
}
