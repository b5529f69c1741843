// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/barcode/zbar_scan.h"

#include "imaging/barcode/code_text.h"

#include <opencv2/core/mat.hpp>
#include <zbar.h>

namespace barcode {

namespace {

CodeFamily familyOf(zbar::zbar_symbol_type_t type)
{
    switch (type) {
    case zbar::ZBAR_QRCODE:
    case zbar::ZBAR_SQCODE:
    case zbar::ZBAR_PDF417:
        return CodeFamily::Matrix;
    default:
        return CodeFamily::Linear;
    }
}

} // namespace

std::unique_ptr<zbar::ImageScanner> makeScanner()
{
    auto scanner = std::make_unique<zbar::ImageScanner>();
    // Otherwise ZBar tries to announce every read on the system bus and
    // prints a complaint per scan where there is none.
    scanner->request_dbus(false);
    scanner->set_config(zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 1);
    // ISBN-10 would replace the 13 digits printed under a book's code.
    scanner->set_config(zbar::ZBAR_ISBN10, zbar::ZBAR_CFG_ENABLE, 0);
    // A two- or five-digit add-on on its own means nothing, and any pair of
    // bars in a picture reads as one.
    scanner->set_config(zbar::ZBAR_EAN2, zbar::ZBAR_CFG_ENABLE, 0);
    scanner->set_config(zbar::ZBAR_EAN5, zbar::ZBAR_CFG_ENABLE, 0);
    // Raw bytes: ZBar's own character-set guess garbles UTF-8.
    scanner->set_config(zbar::ZBAR_QRCODE, zbar::ZBAR_CFG_BINARY, 1);
    // Interleaved 2 of 5 has weak start and stop patterns: parts of a code
    // crossed at a slant, of other codes and of text read as short codes.
    scanner->set_config(zbar::ZBAR_I25, zbar::ZBAR_CFG_MIN_LEN, kMinInterleavedLength);
    // Every row and column: only then does ZBar count how many scan lines
    // agree on a linear code and drop the reads of a single line, which
    // are mostly false.
    scanner->set_config(zbar::ZBAR_NONE, zbar::ZBAR_CFG_X_DENSITY, 1);
    scanner->set_config(zbar::ZBAR_NONE, zbar::ZBAR_CFG_Y_DENSITY, 1);
    return scanner;
}

std::vector<DecodedCode> scanPicture(zbar::ImageScanner &scanner, const cv::Mat &packed)
{
    std::vector<DecodedCode> codes;
    if (packed.empty() || packed.type() != CV_8UC1 || !packed.isContinuous())
        return codes;
    zbar::Image image(static_cast<unsigned>(packed.cols), static_cast<unsigned>(packed.rows), "Y800",
                      packed.data,
                      static_cast<unsigned long>(packed.cols) * static_cast<unsigned long>(packed.rows));
    if (scanner.scan(image) > 0) {
        for (zbar::SymbolIterator symbol = image.symbol_begin(); symbol != image.symbol_end(); ++symbol) {
            codes.push_back({textFromCodeBytes(symbol->get_data(), familyOf(symbol->get_type())),
                             symbol->get_type_name()});
        }
    }
    // The results refer to the picture's buffer, which the caller owns.
    scanner.recycle_image(image);
    return codes;
}

} // namespace barcode
