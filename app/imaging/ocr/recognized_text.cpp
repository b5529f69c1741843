// SPDX-License-Identifier: GPL-3.0-or-later

#include "imaging/ocr/recognized_text.h"

const char *describeOutcome(RecognizedText::Outcome outcome)
{
    switch (outcome) {
    case RecognizedText::Outcome::Read:
        return "text read";
    case RecognizedText::Outcome::NoText:
        return "no text found";
    case RecognizedText::Outcome::BadPicture:
        return "not a picture that can be read";
    case RecognizedText::Outcome::NoLanguage:
        return "the language's trained data could not be loaded";
    case RecognizedText::Outcome::Cancelled:
        return "cancelled";
    }
    return "unknown";
}
