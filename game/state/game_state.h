#pragma once
// The game state record: everything a game in progress is, in one block whose byte image is
// also the savegame file. The layout is fixed to the byte; the checks below keep it so.

#include <cstddef>
#include <cstdint>

constexpr int kPhotoSlots = 30;
constexpr int kPhotoWidth = 320;
constexpr int kPhotoHeight = 180;
constexpr int kVisitorSlots = 50;
constexpr int kOrders = 50;
constexpr int kInitialOrders = 9;
constexpr int kHotels = 3;
constexpr int kBeaches = 10;
constexpr int kSecrets = 7;
constexpr int kVipGates = 4;
constexpr int kCamouflageItems = 6;
constexpr int kReportLines = 6;
constexpr int kReportLineBytes = 80;

// A photo as the album and the savegame hold it: 16-bit width and height, then its pixels.
struct PhotoImage {
    uint16_t width;
    uint16_t height;
    uint16_t pixels[kPhotoWidth * kPhotoHeight];
};
static_assert(sizeof(PhotoImage) == 115204);

// Grading of the 30 photos, one column per field.
struct PhotoRecords {
    int32_t blurLevel[kPhotoSlots];
    int32_t withFlash[kPhotoSlots];
    int32_t daytime[kPhotoSlots];
    int32_t withTele[kPhotoSlots];
    int32_t subject[kPhotoSlots];
    int32_t subjectPose[kPhotoSlots];
    int32_t value[kPhotoSlots];
};

// The visitors of the beach being shown, one column per field.
struct BeachVisitors {
    int32_t typeId[kVisitorSlots];
    int32_t x[kVisitorSlots];
    int32_t y[kVisitorSlots];
    int32_t pose[kVisitorSlots];
    int32_t animated[kVisitorSlots];
    int32_t posesLeft[kVisitorSlots];
    int32_t life[kVisitorSlots];
};

struct GameState {
    int32_t sceneId;  // a SceneNumber (scene_ids.h)
    int32_t location;
    int32_t month;  // 0..11
    int32_t day;    // 1..30
    int32_t hour;
    int32_t minute;
    int32_t second;
    int32_t year;
    int32_t gameSpeed;    // 0 slow, 1 normal, 2 fast
    uint32_t tickLength;  // performance-counter units per game second
    int32_t reserved40;
    int32_t beachLoaded;
    int32_t scrollX;
    int32_t lastBeachHour;
    int32_t reserved56[2];
    int32_t money;
    int32_t roomRented[kHotels];
    int32_t tip;
    int32_t porterMood[kHotels];  // 3 = off duty
    int32_t lampOn[kHotels];
    int32_t camera[3];
    int32_t lens[3];
    int32_t flash[3];
    int32_t camouflage[kCamouflageItems];
    int32_t selectedCamera;
    int32_t zoomOn;
    int32_t flashOn;
    int32_t camouflageOn;
    int32_t clockShown;
    int32_t balanceShown;
    int32_t flashGlow;
    int32_t shutterLock;
    int32_t shotsTaken[3];
    int32_t photoUsed[kPhotoSlots];
    PhotoImage photos[kPhotoSlots];
    PhotoRecords photoRecords;
    int32_t photosToSend;
    int32_t euroToSend;
    int32_t reportPending;
    char reportLines[kReportLines][kReportLineBytes];
    int32_t reserved3457784;
    BeachVisitors visitors;
    int32_t secretFound[kSecrets];
    int32_t secretRedeemed[kSecrets];
    int32_t nightsPaid[kHotels];
    int32_t hoursOnBeach;
    int32_t hospitalBill;
    int32_t recoveryHoursTotal;
    int32_t recoveryHoursLeft;
    int32_t vipMember[kVipGates];
    int32_t currentHotel;
    int32_t currentRoom;
    int32_t onMap;
    int32_t beachRate[kBeaches];
    int32_t reserved3459340[10];
    int32_t currentBeach;
    int32_t crowdedBeach;
    int32_t currentOrder;  // -1: none
    int32_t orderDaysLeft;
    int32_t orderSubject[kOrders];
    int32_t orderDone[kOrders];
    int32_t orderDays[kOrders];
    int32_t orderBonus[kOrders];
    int32_t orderCount[kOrders];
    int32_t apartmentVisits;
    int32_t shopVisits;
    int32_t tvVisits;
};

constexpr std::size_t kGameStateBytes = 3460408;

static_assert(sizeof(GameState) == kGameStateBytes);
static_assert(offsetof(GameState, sceneId) == 0);
static_assert(offsetof(GameState, month) == 8);
static_assert(offsetof(GameState, year) == 28);
static_assert(offsetof(GameState, gameSpeed) == 32);
static_assert(offsetof(GameState, tickLength) == 36);
static_assert(offsetof(GameState, beachLoaded) == 44);
static_assert(offsetof(GameState, scrollX) == 48);
static_assert(offsetof(GameState, money) == 64);
static_assert(offsetof(GameState, roomRented) == 68);
static_assert(offsetof(GameState, tip) == 80);
static_assert(offsetof(GameState, porterMood) == 84);
static_assert(offsetof(GameState, lampOn) == 96);
static_assert(offsetof(GameState, camera) == 108);
static_assert(offsetof(GameState, lens) == 120);
static_assert(offsetof(GameState, flash) == 132);
static_assert(offsetof(GameState, camouflage) == 144);
static_assert(offsetof(GameState, selectedCamera) == 168);
static_assert(offsetof(GameState, shutterLock) == 196);
static_assert(offsetof(GameState, shotsTaken) == 200);
static_assert(offsetof(GameState, photoUsed) == 212);
static_assert(offsetof(GameState, photos) == 332);
static_assert(offsetof(GameState, photoRecords) == 3456452);
static_assert(offsetof(GameState, photosToSend) == 3457292);
static_assert(offsetof(GameState, euroToSend) == 3457296);
static_assert(offsetof(GameState, reportPending) == 3457300);
static_assert(offsetof(GameState, reportLines) == 3457304);
static_assert(offsetof(GameState, visitors) == 3457788);
static_assert(offsetof(GameState, secretFound) == 3459188);
static_assert(offsetof(GameState, secretRedeemed) == 3459216);
static_assert(offsetof(GameState, nightsPaid) == 3459244);
static_assert(offsetof(GameState, hoursOnBeach) == 3459256);
static_assert(offsetof(GameState, hospitalBill) == 3459260);
static_assert(offsetof(GameState, recoveryHoursTotal) == 3459264);
static_assert(offsetof(GameState, recoveryHoursLeft) == 3459268);
static_assert(offsetof(GameState, vipMember) == 3459272);
static_assert(offsetof(GameState, currentHotel) == 3459288);
static_assert(offsetof(GameState, currentRoom) == 3459292);
static_assert(offsetof(GameState, onMap) == 3459296);
static_assert(offsetof(GameState, beachRate) == 3459300);
static_assert(offsetof(GameState, currentBeach) == 3459380);
static_assert(offsetof(GameState, crowdedBeach) == 3459384);
static_assert(offsetof(GameState, currentOrder) == 3459388);
static_assert(offsetof(GameState, orderDaysLeft) == 3459392);
static_assert(offsetof(GameState, orderSubject) == 3459396);
static_assert(offsetof(GameState, orderDone) == 3459596);
static_assert(offsetof(GameState, orderDays) == 3459796);
static_assert(offsetof(GameState, orderBonus) == 3459996);
static_assert(offsetof(GameState, orderCount) == 3460196);
static_assert(offsetof(GameState, apartmentVisits) == 3460396);
static_assert(offsetof(GameState, shopVisits) == 3460400);
static_assert(offsetof(GameState, tvVisits) == 3460404);

// The process-wide record; zero when the program starts.
GameState& gameState();
// Sets every byte of the record to zero, as it is when the program starts.
void clearGameState();

// Sets what a new game starts with; every other field keeps its value.
void startNewGame();
