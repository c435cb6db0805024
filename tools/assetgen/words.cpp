// Language of the pictures drawn on this thread, and the watch on translated words.

#include "tools/assetgen/words.h"

#include <cstring>

namespace gen {

namespace {

// Per thread: the parts of the data set are drawn on two threads at once.
thread_local Language tLanguage = Language::German;
thread_local unsigned long tTranslated = 0;

}  // namespace

Language CurrentLanguage() {
    return tLanguage;
}

LanguagePass::LanguagePass(Language language) : previous_(tLanguage) {
    tLanguage = language;
}

LanguagePass::~LanguagePass() {
    tLanguage = previous_;
}

const char* Say(const char* german, const char* english) {
    if (std::strcmp(german, english) != 0) ++tTranslated;
    return tLanguage == Language::English ? english : german;
}

WordWatch::WordWatch() : start_(tTranslated) {}

bool WordWatch::SawTranslatedWords() const {
    return tTranslated != start_;
}

std::string EnglishPath(const std::string& relative) {
    return std::string(kEnglishFolder) + "/" + relative;
}

}  // namespace gen
