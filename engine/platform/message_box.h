#pragma once
// The message-box seam: every box the engine shows (errors, INFO notices, questions) goes
// through one service. Players get the SDL2 face; tests and scripted runs get the headless
// face, which never blocks.

#include <string>
#include <vector>

namespace platform {

enum class BoxIcon { Error, Exclamation, Information, Question };
enum class BoxButtons { Ok, YesNo, OkCancel };
enum class BoxAnswer { Ok, Yes, No, Cancel };

struct MessageBoxRequest {
    std::string caption;  // bytes as the engine has them (single-byte code pages)
    std::string text;
    BoxIcon icon = BoxIcon::Information;
    BoxButtons buttons = BoxButtons::Ok;
    BoxAnswer defaultAnswer = BoxAnswer::Ok;
    void* owner = nullptr;  // window handle the box belongs to, if any
    bool systemModal = false;
};

class MessageBoxService {
  public:
    virtual ~MessageBoxService() = default;
    virtual BoxAnswer show(const MessageBoxRequest& request) = 0;
};

// Writes "[caption] text" to stderr (as UTF-8) and answers with the request's default answer.
// Keeps the boxes it was asked to show so that tests can look at them.
class HeadlessMessageBox final : public MessageBoxService {
  public:
    BoxAnswer show(const MessageBoxRequest& request) override;

    bool quiet = false;  // tests that expect boxes switch the stderr copy off
    std::vector<MessageBoxRequest> shown;
};

// The installed service; the headless face until something else is installed.
MessageBoxService& messageBoxService();
// Installs a service (null restores the built-in headless face). The caller keeps ownership.
void setMessageBoxService(MessageBoxService* service);

}  // namespace platform
