#include "game/ui/damage_report.h"

#include <cstdio>

#include "engine/base/messages.h"
#include "engine/display/normhi.h"
#include "engine/platform/message_box.h"
#include "engine/platform/terminal.h"
#include "engine/resources/pool/pool.h"
#include "game/ui/runtime.h"
#include "texts/texts.h"

static_assert(sizeof(txt::kDamageReasons) / sizeof(txt::kDamageReasons[0]) == kDamageKinds);

namespace {

// The context message is not copied by the message service: it lives here until shown.
std::string gContext;

// The headless face writes every box to the terminal already.
bool boxesReachTerminal() {
    return dynamic_cast<platform::HeadlessMessageBox*>(&platform::messageBoxService()) != nullptr;
}

void toTerminal(const std::string& text) {
    if (!boxesReachTerminal()) platform::printToStderr("%s\n", text.c_str());
}

void reportPicture(const FileDamage& damage, const char* engineText) {
    std::string text = engineText ? std::string(engineText) + "\n" : std::string();
    text += damageLine(damage);
    toTerminal(text);
    platform::MessageBoxRequest box;
    box.caption = "INFO";
    box.text = text;
    box.icon = platform::BoxIcon::Exclamation;
    box.owner = GetBoxOwner();
    platform::messageBoxService().show(box);
}

}  // namespace

std::string damageLine(const FileDamage& damage) {
    return DescribeDamage(damage, txt::kDamageReasons);
}

std::string damageLine(const FileDamage& damage, int moreChunks) {
    std::string line = damageLine(damage);
    if (moreChunks > 0) {
        char text[96];
        std::snprintf(text, sizeof text, txt::kDamageMore, moreChunks);
        line += text;
    }
    return line;
}

std::string damageLine(const PoolCheck& check) {
    if (check.pool) return damageLine(check.pool);
    return damageLine(check.first(), static_cast<int>(check.damaged.size()) - 1);
}

void setDamageError(int16_t code, const char* engineContext, const std::string& line) {
    gContext = engineContext ? std::string(engineContext) + "\n" + line : line;
    SetErrorCode(code);
    SetContextMessage(gContext.c_str());
}

void showErrorEverywhere() {
    char text[512];
    BuildErrorMessage(text, sizeof text);
    toTerminal(text);
    Runtime& rt = runtime();
    ShowError(rt.display ? rt.display->GetWindow() : nullptr);
}

void installPictureDamageReport() {
    ForgetPictureDamage();
    SetPictureDamageReport(&reportPicture);
}

void uninstallPictureDamageReport() {
    SetPictureDamageReport(nullptr);
}
