#pragma once
// Pictures of the location pool, by entry number, loaded on first use and kept until the
// frame loop releases them.

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

    // Frees an entry's picture through the memory manager; entries not loaded are ignored.
    void Release(int entry);
    // Frees every cached picture (scene change to nothing, program end).
    void ReleaseAll();

  private:
    bool inRange(int entry) const { return entry >= 0 && entry < Entries(); }

    int slot_ = 0;
    std::vector<uint8_t*> pictures_;
};

// The process-wide cache of "tgp\location.tgp".
PictureCache& Pictures();
