#include "engine/platform/message_box.h"

#include <cstdio>

namespace platform {

namespace {
HeadlessMessageBox builtinHeadless;
MessageBoxService* installed = nullptr;
constexpr std::size_t kKeptBoxes = 256;
}  // namespace

BoxAnswer HeadlessMessageBox::show(const MessageBoxRequest& request) {
    if (!quiet) {
        std::fprintf(stderr, "[%s] %s\n", request.caption.c_str(), request.text.c_str());
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
