#pragma once
// Pictures of the location pool, by entry number, loaded on first use and kept until the
// frame loop releases them. The cache owns every picture it hands out: an address is good for
// the frame it was fetched in, unless it is held (below).

#include <cstdint>
#include <vector>

class PictureCache {
  public:
    // Sizes the cache to the chunk count of the picture pool in a slot (call it after opening
    // that pool). Pictures still cached from an earlier pool are freed.
    void Attach(int slot);
    int Entries() const { return static_cast<int>(pictures_.size()); }

    // The picture of an entry, loaded on first use; null when the entry is outside the pool or
    // cannot be loaded (the error code and context message tell why).
    uint8_t* Get(int entry);
    bool IsLoaded(int entry) const;

    // Whoever keeps a picture's address beyond the frame (the software pointer) holds it with
    // a call that stops it using the picture. Whatever frees the picture (a scene change, a
    // beach making room, the end of the run) makes that call first; the hold ends with it.
    // The picture as Get returns it; holding it again with the same call adds nothing. The
    // call must not use the cache.
    using LetGo = void (*)(const uint8_t* picture);
    uint8_t* Hold(int entry, LetGo letGo);

    // Frees an entry's picture through the memory manager; entries not loaded are ignored.
    void Release(int entry);
    // Frees every cached picture (scene change to nothing, program end).
    void ReleaseAll();

  private:
    bool inRange(int entry) const { return entry >= 0 && entry < Entries(); }
    // Tells the holders of an entry's picture that it goes, and forgets their holds.
    void tellHolders(int entry);

    struct HeldPicture {
        int entry;
        LetGo letGo;
    };

    int slot_ = 0;
    std::vector<uint8_t*> pictures_;
    std::vector<HeldPicture> held_;
};

// The process-wide cache of "tgp\location.tgp".
PictureCache& Pictures();
