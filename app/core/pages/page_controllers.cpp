// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/pages/page_controllers.h"

namespace {

class IgnoringPage final : public PageController {
public:
    void rotateLeft() override {}
    void rotateRight() override {}
    void zoomIn() override {}
    void zoomOut() override {}
};

} // namespace

PageControllers::PageControllers() : ignoring_(std::make_unique<IgnoringPage>()) {}

PageControllers::~PageControllers() = default;

void PageControllers::set(int pageIndex, std::unique_ptr<PageController> controller)
{
    controllers_[pageIndex] = std::move(controller);
}

PageController &PageControllers::at(int pageIndex)
{
    const auto found = controllers_.find(pageIndex);
    return found != controllers_.end() && found->second ? *found->second : *ignoring_;
}
