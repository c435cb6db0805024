#pragma once
// Handlers put in front of the ones the display object already has for some messages: each
// of them sees its message first and passes it on (or not) to the handler it displaced. The
// pause while away, the options box, the mute key and the screenshot keys are each one chain;
// the last installed sees a message first. Removing puts back what was there, where nothing
// was installed in front of it since.

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "engine/display/normhi.h"

class HandlerChain {
  public:
    struct Link {
        uint32_t message;
        MessageHandler own;
    };

    // Installs the handlers on the program's display (none: nothing happens).
    void install(std::initializer_list<Link> links);
    void remove();
    // Hands the message to the handler this chain displaced for it (0 where there was none).
    intptr_t passOn(uint32_t message, WindowHandle window, uintptr_t wParam, intptr_t lParam) const;

  private:
    struct Installed {
        Link link;
        MessageHandler previous;
    };
    std::vector<Installed> installed_;
};
