#pragma once
// The language pictures are drawn in. The data set is German; the English build looks into the
// language folder first, which holds only the files whose pictures carry other words. A picture
// asks for its words with Say(german, english); a pass draws in one language per thread, and a
// WordWatch tells afterwards whether anything drawn during its life chose between two different
// words (only such pictures are drawn a second time, in English).

#include <string>

namespace gen {

enum class Language { German, English };

// The folder of the English files under the data directory ("uk/tgp/location.tgp").
inline constexpr const char* kEnglishFolder = "uk";

Language CurrentLanguage();

// Draws in `language` on this thread while it lives.
class LanguagePass {
  public:
    explicit LanguagePass(Language language);
    ~LanguagePass();
    LanguagePass(const LanguagePass&) = delete;
    LanguagePass& operator=(const LanguagePass&) = delete;

  private:
    Language previous_;
};

// The word in the current language (both forms are kept alive by the caller: literals).
const char* Say(const char* german, const char* english);

// Notices translated words asked for on this thread while it lives (nests).
class WordWatch {
  public:
    WordWatch();
    bool SawTranslatedWords() const;

  private:
    unsigned long start_;
};

// The path of a shared file's English counterpart.
std::string EnglishPath(const std::string& relative);

}  // namespace gen
