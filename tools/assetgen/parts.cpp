// Writing the parts of the data set, and the review sheets.

#include "tools/assetgen/parts.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include "engine/resources/bmp.h"
#include "game/asset_table.h"
#include "tools/assetgen/beach.h"
#include "tools/assetgen/contact_sheet.h"
#include "tools/assetgen/location.h"
#include "tools/assetgen/movies.h"
#include "tools/assetgen/visitors.h"

namespace gen {

namespace {

// A picture pool in both languages: the shared file and, where words differ, the English one.
bool WritePicturePool(const Output& out, const std::string& relative, int count,
                      const std::function<Canvas(int)>& draw) {
    const ChunksInTwoLanguages chunks = PicturesInBothLanguages(count, draw);
    return out.WriteBoth(relative, BuildPool(assets::kPicturePoolKind, chunks.german),
                         BuildPool(assets::kPicturePoolKind, chunks.english));
}

}  // namespace

bool WriteLocation(const Output& out) {
    return WritePicturePool(out, "tgp/location.tgp", assets::kLocationPictureCount,
                            LocationPicture);
}

bool WriteSets(const Output& out) {  // figures only: no words on them
    return out.Write("tgp/sets.tgp", BuildPool(assets::kPicturePoolKind, VisitorPoolChunks()));
}

bool WriteBeaches(const Output& out) {
    bool ok = true;
    for (int beach = 1; beach <= assets::kBeachCount; ++beach) {
        char name[32];
        std::snprintf(name, sizeof name, "tgp/beach%02d.tgp", beach);
        ok = WritePicturePool(out, name, assets::kBeachEntries,
                              [beach](int entry) { return BeachPicture(beach, entry); }) &&
             ok;
    }
    return ok;
}

bool WriteDataSet(const Output& out, const std::set<std::string>& only) {
    struct Part {
        const char* name;
        bool (*write)(const Output&);
    };
    // Listed longest first: two workers share them.
    static const Part kParts[] = {
        {"movies", WriteMovies}, {"beaches", WriteBeaches},   {"location", WriteLocation},
        {"sets", WriteSets},     {"music", WriteMusic},       {"sound", WriteSoundPool},
        {"font", WriteFont},     {"launcher", WriteLauncher}, {"config", WriteConfig},
    };
    std::vector<const Part*> todo;
    for (const Part& p : kParts)
        if (only.empty() || only.count(p.name)) todo.push_back(&p);
    out.MakeFolder("sav");
    out.MakeFolder("fotos");
    // The movies stay on this thread (the movie writer opens its file through the file
    // manager); the other parts run beside it.
    std::vector<bool> results(todo.size(), true);
    std::thread worker([&] {
        for (size_t k = 0; k < todo.size(); ++k)
            if (std::string(todo[k]->name) != "movies") results[k] = todo[k]->write(out);
    });
    for (size_t k = 0; k < todo.size(); ++k)
        if (std::string(todo[k]->name) == "movies") results[k] = todo[k]->write(out);
    worker.join();
    bool ok = true;
    for (size_t k = 0; k < todo.size(); ++k) {
        if (!results[k]) std::fprintf(stderr, "assetgen: writing %s failed\n", todo[k]->name);
        ok = ok && results[k];
    }
    return ok;
}

bool WriteContactSheets(const std::string& bmpName) {
    auto save = [](const std::string& name, const Canvas& sheet) {
        const std::vector<uint16_t> pixels = sheet.To565();
        const Bytes bmp = EncodeBmp24(pixels.data(), sheet.Width(), sheet.Height());
        std::FILE* f = std::fopen(name.c_str(), "wb");
        if (!f) return false;
        const bool ok = std::fwrite(bmp.data(), 1, bmp.size(), f) == bmp.size();
        return std::fclose(f) == 0 && ok;
    };
    const std::string stem = bmpName.size() > 4 ? bmpName.substr(0, bmpName.size() - 4) : bmpName;
    std::vector<SheetItem> backgrounds, pieces, visitors, beaches;
    for (int n = 1; n < assets::kLocationPictureCount; ++n) {
        if (assets::LocationPictureSize(n).width == 0) continue;
        const assets::Picture* p = assets::FindLocationPicture(n);
        const std::string label = std::to_string(n) + " " + (p ? p->what : "flyer");
        if (p && p->art == assets::Art::Background)
            backgrounds.push_back({label, LocationPicture(n)});
        else
            pieces.push_back({label, LocationPicture(n)});
    }
    for (int type = 1; type <= assets::kVisitorLastObject; ++type) {
        const int first = assets::VisitorFirstSprite(type);
        visitors.push_back(
            {std::to_string(type) + (assets::IsCelebrity(type) ? " VIP" : ""),
             VisitorSprite(first + (type <= assets::kVisitorPeople ? type % 8 : 0))});
    }
    for (int pose = 0; pose < 8; ++pose)
        visitors.push_back({"19 pose " + std::to_string(pose),
                            VisitorSprite(assets::VisitorFirstSprite(19) + pose)});
    for (int beach = 1; beach <= assets::kBeachCount; ++beach) {
        beaches.push_back(
            {"beach " + std::to_string(beach) + " day", BeachPicture(beach, assets::kBeachDay)});
        beaches.push_back({"beach " + std::to_string(beach) + " night",
                           BeachPicture(beach, assets::kBeachNight)});
    }
    std::vector<SheetItem> panel;
    for (int e = assets::kBeachPanel; e < assets::kBeachEntries; ++e)
        panel.push_back({"entry " + std::to_string(e), BeachPicture(1, e)});
    std::vector<SheetItem> stills;
    for (int k = 0; k < MovieCount(); ++k)
        stills.push_back({MovieName(k).substr(7), MovieStill(k, 1.6)});
    bool ok =
        save(stem + "-movies.bmp", ContactSheet("movie stills at 1.6 s", stills, 328, 264, 6));
    ok = save(bmpName, ContactSheet("location pool: backgrounds", backgrounds, 328, 266, 4));
    ok = save(stem + "-pieces.bmp", ContactSheet("location pool: pieces", pieces)) && ok;
    ok = save(stem + "-visitors.bmp",
              ContactSheet("visitors (one pose each)", visitors, 168, 200)) &&
         ok;
    ok = save(stem + "-beaches.bmp", ContactSheet("beach panoramas", beaches, 1290, 200, 2)) && ok;
    ok = save(stem + "-panel.bmp", ContactSheet("beach panel and buttons", panel, 336, 220, 4)) &&
         ok;
    return ok;
}

}  // namespace gen
