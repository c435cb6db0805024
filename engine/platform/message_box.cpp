#include "engine/platform/message_box.h"

#include "engine/platform/terminal.h"

namespace platform {

namespace {
HeadlessMessageBox builtinHeadless;
MessageBoxService* installed = nullptr;
constexpr std::size_t kKeptBoxes = 256;
}  // namespace

BoxAnswer HeadlessMessageBox::show(const MessageBoxRequest& request) {
    if (!quiet) {
        // The request keeps the engine's bytes; the copy is for a person at a terminal.
        printToStderr("[%s] %s\n", request.caption.c_str(), request.text.c_str());
    }
    if (shown.size() >= kKeptBoxes) shown.erase(shown.begin());
    shown.push_back(request);
    return request.defaultAnswer;
}

MessageBoxService& messageBoxService() {
    return installed ? *installed : builtinHeadless;
}

void setMessageBoxService(MessageBoxService* service) {
    installed = service;
}

}  // namespace platform
