#include "game/ui/handler_chain.h"

#include "game/ui/runtime.h"

void HandlerChain::install(std::initializer_list<Link> links) {
    installed_.clear();
    NormalWin* display = runtime().display;
    if (!display) return;
    for (const Link& link : links) {
        installed_.push_back({link, display->GetHandler(link.message)});
        display->RegisterHandler(link.message, link.own);
    }
}

void HandlerChain::remove() {
    NormalWin* display = runtime().display;
    for (const Installed& i : installed_) {
        if (display && display->GetHandler(i.link.message) == i.link.own) {
            display->RegisterHandler(i.link.message, i.previous);
        }
    }
    installed_.clear();
}

intptr_t HandlerChain::passOn(uint32_t message, WindowHandle window, uintptr_t wParam,
                              intptr_t lParam) const {
    for (const Installed& i : installed_) {
        if (i.link.message == message && i.previous) return i.previous(window, wParam, lParam);
    }
    return 0;
}
