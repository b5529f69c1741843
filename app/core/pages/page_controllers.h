// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef CORVANE_PAGE_CONTROLLERS_H
#define CORVANE_PAGE_CONTROLLERS_H

// The controllers of the main window's pages, by stacked-page index. A page
// whose tool is not built yet has no controller: it gets one that ignores
// everything (its page cannot be reached while its tool bar button is
// disabled).
//
// Thread rules: GUI thread only. Owns the controllers.

#include "core/pages/page_controller.h"

#include <map>
#include <memory>

class PageControllers {
public:
    PageControllers();
    ~PageControllers();

    void set(int pageIndex, std::unique_ptr<PageController> controller);
    PageController &at(int pageIndex);
    bool has(int pageIndex) const { return controllers_.count(pageIndex) != 0; }

private:
    std::map<int, std::unique_ptr<PageController>> controllers_;
    std::unique_ptr<PageController> ignoring_;
};

#endif
