// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/compare/compare_model.h"

#include "tools/compare/compare_picture.h"

CompareModel::CompareModel() = default;

const CompareWindow &CompareModel::window(int number) const
{
    Q_ASSERT(number >= 1 && number <= kCompareWindowCount);
    return windows_[size_t(number - 1)];
}

CompareWindow &CompareModel::at(int number)
{
    Q_ASSERT(number >= 1 && number <= kCompareWindowCount);
    return windows_[size_t(number - 1)];
}

bool CompareModel::applyLayout(CompareLayout layout, int pageWidth, int pageHeight)
{
    layout_ = layout;
    const auto rects = compareWindowRects(layout, pageWidth, pageHeight);
    const int shown = visibleWindowCount(layout);
    for (int i = 0; i < kCompareWindowCount; ++i) {
        CompareWindow &window = windows_[size_t(i)];
        window.visible = i < shown;
        // A hidden window keeps its last place; only the shown ones move.
        if (window.visible)
            window.geometry = rects[size_t(i)];
    }
    if (selected_ != 0 && !window(selected_).visible) {
        selected_ = 0;
        return true;
    }
    return false;
}

int CompareModel::selectAt(const QPoint &pagePoint)
{
    selected_ = 0;
    for (int number = 1; number <= kCompareWindowCount; ++number) {
        const CompareWindow &candidate = window(number);
        if (candidate.visible && candidate.geometry.contains(pagePoint)) {
            selected_ = number;
            break;
        }
    }
    return selected_;
}

QVector<int> CompareModel::targets() const
{
    QVector<int> numbers;
    if (selected_ != 0) {
        if (!window(selected_).picture.isNull())
            numbers << selected_;
        return numbers;
    }
    for (int number = 1; number <= kCompareWindowCount; ++number)
        if (!window(number).picture.isNull())
            numbers << number;
    return numbers;
}

QVector<int> CompareModel::rotate(int quarterTurnDelta)
{
    const QVector<int> numbers = targets();
    for (int number : numbers)
        at(number).quarterTurns = turnedBy(at(number).quarterTurns, quarterTurnDelta);
    return numbers;
}

QVector<int> CompareModel::zoom(int cropTenthsDelta)
{
    const QVector<int> numbers = targets();
    for (int number : numbers)
        at(number).cropTenths = croppedBy(at(number).cropTenths, cropTenthsDelta);
    return numbers;
}

bool CompareModel::setPicture(int number, const QImage &picture)
{
    if (picture.isNull())
        return false;
    CompareWindow &window = at(number);
    window.picture = picture;
    window.quarterTurns = 0;
    window.cropTenths = 0;
    return true;
}

QImage CompareModel::view(int number, qreal pixelRatio) const
{
    const CompareWindow &shown = window(number);
    QImage picture = compareView(shown.picture, shown.quarterTurns, shown.cropTenths,
                                 shown.geometry.size() * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    return picture;
}
