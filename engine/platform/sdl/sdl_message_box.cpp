#include "engine/platform/sdl/sdl_message_box.h"

#include <string>

#include "engine/platform/text_encoding.h"

namespace platform {

namespace {

constexpr int kButtonOk = 1;
constexpr int kButtonCancel = 2;
constexpr int kButtonYes = 3;
constexpr int kButtonNo = 4;

Uint32 IconFlags(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Error:
            return SDL_MESSAGEBOX_ERROR;
        case BoxIcon::Exclamation:
            return SDL_MESSAGEBOX_WARNING;
        default:
            return SDL_MESSAGEBOX_INFORMATION;
    }
}

}  // namespace

BoxAnswer SdlMessageBox::show(const MessageBoxRequest& request) {
    const std::string caption = EngineTextToUtf8(request.caption);
    const std::string text = EngineTextToUtf8(request.text);

    SDL_MessageBoxButtonData buttons[2] = {};
    int count = 0;
    const auto add = [&](int id, const char* label, bool isDefault) {
        Uint32 flags = 0;
        if (isDefault) flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
        if (id == kButtonCancel || id == kButtonNo)
            flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
        buttons[count++] = {flags, id, label};
    };
    switch (request.buttons) {
        case BoxButtons::Ok:
            add(kButtonOk, "OK", true);
            break;
        case BoxButtons::OkCancel:
            add(kButtonOk, "OK", request.defaultAnswer != BoxAnswer::Cancel);
            add(kButtonCancel, "Cancel", request.defaultAnswer == BoxAnswer::Cancel);
            break;
        case BoxButtons::YesNo:
            add(kButtonYes, "Yes", request.defaultAnswer != BoxAnswer::No);
            add(kButtonNo, "No", request.defaultAnswer == BoxAnswer::No);
            break;
    }
    const SDL_MessageBoxData data{
        IconFlags(request.icon), parent, caption.c_str(), text.c_str(), count, buttons, nullptr};
    int chosen = 0;
    if (SDL_ShowMessageBox(&data, &chosen) != 0) {
        fallback_.quiet = false;
        return fallback_.show(request);
    }
    switch (chosen) {
        case kButtonOk:
            return BoxAnswer::Ok;
        case kButtonCancel:
            return BoxAnswer::Cancel;
        case kButtonYes:
            return BoxAnswer::Yes;
        case kButtonNo:
            return BoxAnswer::No;
        default:
            // Closed without a choice: the answer that keeps things as they are.
            return request.buttons == BoxButtons::Ok
                       ? BoxAnswer::Ok
                       : (request.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Cancel);
    }
}

}  // namespace platform
