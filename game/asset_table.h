#pragma once
// Every resource the game opens, declared once: the numbered pictures of the location pool with
// their sizes and the places the scenes draw them, the beach and visitor pools, the sound pool,
// the background loops, the movies and the font. The scenes and the asset generator both use
// this table, so the art and the hit areas cannot drift apart. Header only: nothing to link.
//
// A position of -1 means the scene computes it (full-screen pictures sit at (0, 0); sprites
// and animations are placed by their scene's rules).

#include <cstddef>

namespace assets {

// ---------------------------------------------------------------------------------------------
// Files, in the game's own spelling (the file manager matches them ignoring case).

constexpr const char* kLocationPool = "tgp\\location.tgp";
constexpr const char* kBeachPoolFormat = "tgp\\beach%02d.tgp";  // beach number 1..10
constexpr const char* kVisitorPool = "tgp\\sets.tgp";
constexpr const char* kSoundPool = "tap\\sound.tap";
constexpr const char* kFontFile = "font\\font.tff";
constexpr const char* kConfigFile = "config.cfg";

constexpr int kPicturePoolKind = 21;
constexpr int kSoundPoolKind = 24;

// Background loops (played looping on the stream channel).
constexpr const char* kMusicMap = "TAP\\map01.wav";
constexpr const char* kMusicGate = "TAP\\vorstand01.wav";
constexpr const char* kMusicHotel = "TAP\\hotel01.wav";
constexpr const char* kMusicHotel3 = "TAP\\hotel02.wav";
constexpr const char* kMusicTown = "TAP\\stadt01.wav";
constexpr const char* kMusicShop = "TAP\\shop01.wav";
constexpr const char* kMusicLobby = "TAP\\lobby01.wav";
constexpr const char* kMusicLobby2 = "TAP\\lobby02.wav";
constexpr const char* kMusicRoom = "TAP\\zimmer01.wav";
constexpr const char* kMusicComputer = "TAP\\computer01.wav";
constexpr const char* kMusicHospital = "TAP\\hospital01.wav";
constexpr const char* kMusicPolice = "TAP\\polizei01.wav";
constexpr const char* kMusicBeach = "TAP\\track01.wav";

constexpr const char* kAllMusic[] = {
    kMusicMap,    kMusicGate, kMusicHotel,    kMusicHotel3,   kMusicTown,   kMusicShop, kMusicLobby,
    kMusicLobby2, kMusicRoom, kMusicComputer, kMusicHospital, kMusicPolice, kMusicBeach};

// Movies (full screen, 640 × 480).
constexpr const char* kMovieIntro = "movies\\intro.avi";
constexpr const char* kMovieNewGame = "movies\\intro02.avi";
constexpr const char* kMovieGameOver = "movies\\gameover.avi";
constexpr const char* kMovieWon = "movies\\extro01.avi";
constexpr const char* kMovieShopLaura = "movies\\shop02.avi";
constexpr const char* kMovieHomeLaura = "movies\\wohn02.avi";
constexpr const char* kMovieTvLogo = "movies\\tvlogo.avi";
constexpr const char* kMovieTv = "movies\\tv02.avi";
constexpr const char* kMovieScan = "movies\\scan.avi";
constexpr const char* kMovieSend = "movies\\send.avi";
constexpr const char* kMovieLifeguard = "movies\\bademeister.avi";
constexpr const char* kMovieHospitalBed = "movies\\sista.avi";
constexpr const char* kMovieBodyguard = "movies\\bodyguard.avi";
constexpr const char* kMovieBeachPolice = "movies\\polizeibeach.avi";
constexpr const char* kMovieHotelArrest = "movies\\knasthotel.avi";
constexpr const char* kMovieDonation = "movies\\pagare.avi";
// Secret i (1..7): found / redeemed.
constexpr const char* kMovieSecret[7] = {
    "movies\\secret1.avi", "movies\\secret2.avi", "movies\\secret3.avi", "movies\\secret4.avi",
    "movies\\secret5.avi", "movies\\secret6.avi", "movies\\secret7.avi"};
constexpr const char* kMovieSecretRedeem[7] = {
    "movies\\secret1e.avi", "movies\\secret2e.avi", "movies\\secret3e.avi", "movies\\secret4e.avi",
    "movies\\secret5e.avi", "movies\\secret6e.avi", "movies\\secret7e.avi"};

constexpr const char* kAllMovies[] = {kMovieIntro,
                                      kMovieNewGame,
                                      kMovieGameOver,
                                      kMovieWon,
                                      kMovieShopLaura,
                                      kMovieHomeLaura,
                                      kMovieTvLogo,
                                      kMovieTv,
                                      kMovieScan,
                                      kMovieSend,
                                      kMovieLifeguard,
                                      kMovieHospitalBed,
                                      kMovieBodyguard,
                                      kMovieBeachPolice,
                                      kMovieHotelArrest,
                                      kMovieDonation,
                                      kMovieSecret[0],
                                      kMovieSecret[1],
                                      kMovieSecret[2],
                                      kMovieSecret[3],
                                      kMovieSecret[4],
                                      kMovieSecret[5],
                                      kMovieSecret[6],
                                      kMovieSecretRedeem[0],
                                      kMovieSecretRedeem[1],
                                      kMovieSecretRedeem[2],
                                      kMovieSecretRedeem[3],
                                      kMovieSecretRedeem[4],
                                      kMovieSecretRedeem[5],
                                      kMovieSecretRedeem[6]};

// Launcher files.
constexpr const char* kLauncherBackground = "IMAGES\\BACK.BMP";
constexpr const char* kLauncherButton = "IMAGES\\B1.BMP";
constexpr const char* kLauncherButtonSpare = "IMAGES\\B2.BMP";
constexpr const char* kLauncherTune = "WAVES\\MAIN.WAV";

// ---------------------------------------------------------------------------------------------
// Sound pool entries ("tap\sound.tap"; entry 0 is a short silence).

constexpr int kSoundClick = 1;
constexpr int kSoundShutter = 2;
constexpr int kSoundEntries = 3;

// ---------------------------------------------------------------------------------------------
// Location pool ("tgp\location.tgp"): picture numbers.

// Full-screen backgrounds, 640 × 480.
constexpr int kPicMenuBackground = 1;
constexpr int kPicMap = 2;
constexpr int kPicLobbyDay[3] = {3, 5, 7};
constexpr int kPicLobbyNight[3] = {4, 6, 8};
constexpr int kPicTownDay = 25;
constexpr int kPicTownEvening = 27;
constexpr int kPicTownNight = 67;
constexpr int kPicRoomDay[3] = {32, 176, 179};
constexpr int kPicRoomNight[3] = {33, 177, 180};
constexpr int kPicRoomLamp[3] = {54, 178, 181};  // night with the lamp on
constexpr int kPicEnquiry = 42;
constexpr int kPicComputer = 49;
constexpr int kPicHotelDay[3] = {55, 160, 162};
constexpr int kPicHotelNight[3] = {56, 161, 163};
constexpr int kPicLaptopDay[3] = {57, 182, 184};
constexpr int kPicLaptopNight[3] = {58, 183, 185};
constexpr int kPicHospitalDay = 61;
constexpr int kPicHospitalNight = 62;
constexpr int kPicPoliceDay = 63;
constexpr int kPicPoliceNight = 64;
constexpr int kPicShop = 66;
constexpr int kPicReception[3] = {74, 174, 175};
constexpr int kPicCameraCounter = 109;
constexpr int kPicCamouflageCounter = 110;
constexpr int kPicSaveScreen = 187;
constexpr int kPicLoadScreen = 188;
constexpr int kPicAlbum = 189;
constexpr int kPicApartment = 243;
constexpr int kPicHospitalInside = 244;
constexpr int kPicHospitalCashier = 245;
constexpr int kPicPoliceInside = 246;
constexpr int kPicPoliceOffice = 247;
constexpr int kPicGate[4] = {257, 258, 259, 260};  // scenes 28..31 (beaches 2, 4, 7, 8)

// Main menu buttons.
constexpr int kPicMenuNewGame = 9;
constexpr int kPicMenuLoad = 10;
constexpr int kPicMenuQuit = 11;
constexpr int kPicMenuIntro = 186;

// Island map.
constexpr int kPicMapBeach = 12;
constexpr int kPicMapHotel = 13;
constexpr int kPicMapShop = 14;
constexpr int kPicMapPlayer = 15;
constexpr int kPicMapSave = 16;
constexpr int kPicMapLoad = 17;
constexpr int kPicMapMenu = 18;
constexpr int kPicMapEndDay = 21;
constexpr int kPicMapSpeed[3] = {22, 23, 24};
constexpr int kPicMapHospital = 59;
constexpr int kPicMapPolice = 60;
constexpr int kPicPreviewHotel[3] = {142, 143, 144};
constexpr int kPicPreviewVipBeach[4] = {145, 146, 147, 148};  // beaches 2, 4, 7, 8
constexpr int kPicPreviewHospital = 149;
constexpr int kPicPreviewPolice = 150;
constexpr int kPicPreviewShop = 151;

// Shared pieces.
constexpr int kPicCursor = 19;
constexpr int kPicDatePanel = 20;
constexpr int kPicMoneyPanel = 28;
constexpr int kPicBack = 26;  // the small back button at (590, 10) and the enquiry box's close
constexpr int kPicMessageBox = 34;
constexpr int kPicMessageOk = 35;
constexpr int kPicConfirmBox = 36;
constexpr int kPicConfirmYes = 37;
constexpr int kPicConfirmNo = 38;
constexpr int kPicEnquiryBox = 43;

// Hotels.
constexpr int kPicPorterBored[3] = {39, 264, 265};
constexpr int kPicPorterEating = 40;  // hotel 1 only
constexpr int kPicToRoom = 41;
constexpr int kPicReceptionistBase[3] = {70, 166, 170};  // four pictures each
constexpr int kPicArrestExtra[3] = {96, 266, 267};
constexpr int kPicLamp[3] = {268, 269, 270};
constexpr int kPicRoomTv = 271;
constexpr int kPicRoomToLaptop = 273;
constexpr int kPicLaptopToCamera = 274;
constexpr int kPicLaptopToComputer = 275;
constexpr int kPicTipMore = 276;
constexpr int kPicTipLess = 277;
constexpr int kPicAsk = 278;
constexpr int kPicHotelDoor[3] = {279, 280, 281};
constexpr int kPicRentRoom = 289;

// Album, computer, news.
constexpr int kPicTransfer = 45;
constexpr int kPicSend = 51;
constexpr int kPicNews = 52;
constexpr int kPicComputerBack = 68;
constexpr int kPicNewsOrder[9] = {190, 191, 192, 193, 194, 205, 206, 207, 208};

// Shop and town.
constexpr int kPicShopAssistantBase = 198;  // 198..204, played 198..204..199
constexpr int kPicHomeAssistantBase = 195;  // 195..197, played 195, 196, 197, 196, 195
constexpr int kPicShopBuyCameras = 282;
constexpr int kPicShopBuyCamouflage = 283;
constexpr int kPicTownShopDoor = 284;
constexpr int kPicTownHomeDoor = 285;

// Apartment secrets.
constexpr int kPicSecretRedeem = 100;
constexpr int kPicSecretView = 101;
constexpr int kPicSecretBase = 101;  // secret i (1..7) is picture 101 + i
constexpr int kPicSecretSpot[7] = {290, 291, 292, 293, 294, 295, 296};  // hidden spots

// Hospital and police.
constexpr int kPicHospitalDoor = 286;
constexpr int kPicPoliceDoor = 287;
constexpr int kPicHospitalTv = 272;
constexpr int kPicPayBill = 288;
constexpr int kPicOfficerStill = 248;                     // variant 0, one picture
constexpr int kPicOfficerWave[4] = {249, 250, 251, 252};  // variant 1
constexpr int kPicOfficerTalk[4] = {253, 254, 255, 256};  // variant 2

// Members-only gates.
constexpr int kPicGateFlyerFirst = 218;  // 218..242, one per frame
constexpr int kPicGateFlyerCount = 25;
constexpr int kPicGateCounter = 261;
constexpr int kPicGatePay = 262;
constexpr int kPicGateBack = 263;
constexpr int kPicGateEntrance = 297;
constexpr int kPicGateToCounter = 298;

// The pool holds pictures 0..kLocationPictureCount-1; numbers without a picture hold a 1 × 1
// placeholder so that every number resolves. The picture cache needs this many slots.
constexpr int kLocationPictureCount = 299;

// ---------------------------------------------------------------------------------------------
// Sizes and positions of the location pictures.

enum class Art : unsigned char {
    Background,  // 640 × 480, copied to the whole screen
    Button,      // hotspot with its label drawn on it
    Marker,      // map marker or small icon
    Panel,       // panel or box drawn under text
    Sprite,      // figure or animation step, colour 0 around it
    Preview,     // map preview or news picture
    Hidden,      // secret spot: barely visible
};

struct Picture {
    int number;
    int width;
    int height;
    Art art;
    int x;  // where the scene draws it, -1 when the scene computes it
    int y;
    const char* what;
};

inline constexpr Picture kLocationPictures[] = {
    // Backgrounds.
    {1, 640, 480, Art::Background, 0, 0, "main menu"},
    {2, 640, 480, Art::Background, 0, 0, "island map"},
    {3, 640, 480, Art::Background, 0, 0, "lobby hotel 1 day"},
    {4, 640, 480, Art::Background, 0, 0, "lobby hotel 1 night"},
    {5, 640, 480, Art::Background, 0, 0, "lobby hotel 2 day"},
    {6, 640, 480, Art::Background, 0, 0, "lobby hotel 2 night"},
    {7, 640, 480, Art::Background, 0, 0, "lobby hotel 3 day"},
    {8, 640, 480, Art::Background, 0, 0, "lobby hotel 3 night"},
    {25, 640, 480, Art::Background, 0, 0, "town street day"},
    {27, 640, 480, Art::Background, 0, 0, "town street evening"},
    {67, 640, 480, Art::Background, 0, 0, "town street night"},
    {32, 640, 480, Art::Background, 0, 0, "room hotel 1 day"},
    {33, 640, 480, Art::Background, 0, 0, "room hotel 1 night"},
    {54, 640, 480, Art::Background, 0, 0, "room hotel 1 lamp"},
    {176, 640, 480, Art::Background, 0, 0, "room hotel 2 day"},
    {177, 640, 480, Art::Background, 0, 0, "room hotel 2 night"},
    {178, 640, 480, Art::Background, 0, 0, "room hotel 2 lamp"},
    {179, 640, 480, Art::Background, 0, 0, "room hotel 3 day"},
    {180, 640, 480, Art::Background, 0, 0, "room hotel 3 night"},
    {181, 640, 480, Art::Background, 0, 0, "room hotel 3 lamp"},
    {42, 640, 480, Art::Background, 0, 0, "porter enquiry"},
    {49, 640, 480, Art::Background, 0, 0, "computer"},
    {55, 640, 480, Art::Background, 0, 0, "hotel 1 outside day"},
    {56, 640, 480, Art::Background, 0, 0, "hotel 1 outside night"},
    {160, 640, 480, Art::Background, 0, 0, "hotel 2 outside day"},
    {161, 640, 480, Art::Background, 0, 0, "hotel 2 outside night"},
    {162, 640, 480, Art::Background, 0, 0, "hotel 3 outside day"},
    {163, 640, 480, Art::Background, 0, 0, "hotel 3 outside night"},
    {57, 640, 480, Art::Background, 0, 0, "laptop hotel 1 day"},
    {58, 640, 480, Art::Background, 0, 0, "laptop hotel 1 night"},
    {182, 640, 480, Art::Background, 0, 0, "laptop hotel 2 day"},
    {183, 640, 480, Art::Background, 0, 0, "laptop hotel 2 night"},
    {184, 640, 480, Art::Background, 0, 0, "laptop hotel 3 day"},
    {185, 640, 480, Art::Background, 0, 0, "laptop hotel 3 night"},
    {61, 640, 480, Art::Background, 0, 0, "hospital outside day"},
    {62, 640, 480, Art::Background, 0, 0, "hospital outside night"},
    {63, 640, 480, Art::Background, 0, 0, "police outside day"},
    {64, 640, 480, Art::Background, 0, 0, "police outside night"},
    {66, 640, 480, Art::Background, 0, 0, "shop"},
    {74, 640, 480, Art::Background, 0, 0, "reception hotel 1"},
    {174, 640, 480, Art::Background, 0, 0, "reception hotel 2"},
    {175, 640, 480, Art::Background, 0, 0, "reception hotel 3"},
    {109, 640, 480, Art::Background, 0, 0, "camera counter"},
    {110, 640, 480, Art::Background, 0, 0, "camouflage counter"},
    {187, 640, 480, Art::Background, 0, 0, "save screen"},
    {188, 640, 480, Art::Background, 0, 0, "load screen"},
    {189, 640, 480, Art::Background, 0, 0, "photo album"},
    {243, 640, 480, Art::Background, 0, 0, "apartment"},
    {244, 640, 480, Art::Background, 0, 0, "hospital inside"},
    {245, 640, 480, Art::Background, 0, 0, "hospital cashier"},
    {246, 640, 480, Art::Background, 0, 0, "police inside"},
    {247, 640, 480, Art::Background, 0, 0, "police officer's desk"},
    {257, 640, 480, Art::Background, 0, 0, "gate of beach 2"},
    {258, 640, 480, Art::Background, 0, 0, "gate of beach 4"},
    {259, 640, 480, Art::Background, 0, 0, "gate of beach 7"},
    {260, 640, 480, Art::Background, 0, 0, "gate of beach 8"},

    // Main menu.
    {9, 150, 56, Art::Button, 480, 160, "new game"},
    {10, 150, 56, Art::Button, 480, 240, "load game"},
    {186, 150, 56, Art::Button, 480, 320, "intro"},
    {11, 150, 56, Art::Button, 470, 410, "quit"},

    // Island map.
    {12, 44, 40, Art::Marker, -1, -1, "beach marker"},
    {13, 44, 44, Art::Marker, -1, -1, "hotel marker"},
    {14, 44, 44, Art::Marker, 252, 256, "shop marker"},
    {15, 28, 34, Art::Marker, -1, -1, "player marker"},
    {16, 70, 46, Art::Button, 565, 370, "save"},
    {17, 70, 46, Art::Button, 559, 314, "load"},
    {18, 118, 50, Art::Button, 515, 421, "to the title screen"},
    {21, 110, 32, Art::Button, 79, 10, "end the day"},
    {22, 70, 40, Art::Button, 16, 51, "speed slow"},
    {23, 70, 40, Art::Button, 91, 46, "speed normal"},
    {24, 70, 40, Art::Button, 166, 51, "speed fast"},
    {59, 44, 44, Art::Marker, 164, 297, "hospital marker"},
    {60, 44, 44, Art::Marker, 296, 316, "police marker"},
    {142, 104, 72, Art::Preview, 530, 240, "preview hotel 1"},
    {143, 104, 72, Art::Preview, 530, 240, "preview hotel 2"},
    {144, 104, 72, Art::Preview, 530, 240, "preview hotel 3"},
    {145, 104, 72, Art::Preview, 530, 240, "preview beach 2"},
    {146, 104, 72, Art::Preview, 530, 240, "preview beach 4"},
    {147, 104, 72, Art::Preview, 530, 240, "preview beach 7"},
    {148, 104, 72, Art::Preview, 530, 240, "preview beach 8"},
    {149, 104, 72, Art::Preview, 530, 240, "preview hospital"},
    {150, 104, 72, Art::Preview, 530, 240, "preview police"},
    {151, 104, 72, Art::Preview, 530, 240, "preview shop"},

    // Shared pieces.
    {19, 24, 24, Art::Sprite, -1, -1, "cursor"},
    {20, 140, 44, Art::Panel, 10, 430, "date panel"},
    {28, 140, 26, Art::Panel, 10, 400, "money panel"},
    {26, 44, 44, Art::Button, 590, 10, "back"},
    {34, 240, 140, Art::Panel, 210, 150, "message box"},
    {35, 72, 28, Art::Button, 294, 256, "message OK"},
    {36, 240, 110, Art::Panel, 210, 250, "confirm box"},
    {37, 72, 28, Art::Button, 240, 322, "confirm yes"},
    {38, 72, 28, Art::Button, 348, 322, "confirm no"},
    {43, 320, 150, Art::Panel, 160, 140, "enquiry box"},

    // Hotels.
    {39, 100, 170, Art::Sprite, 120, 230, "bored porter hotel 1"},
    {264, 100, 170, Art::Sprite, 120, 230, "bored porter hotel 2"},
    {265, 100, 170, Art::Sprite, 120, 230, "bored porter hotel 3"},
    {40, 100, 170, Art::Sprite, 120, 230, "eating porter hotel 1"},
    {41, 140, 40, Art::Button, 470, 420, "to the room"},
    {70, 80, 110, Art::Sprite, 300, 170, "receptionist 1 step 0"},
    {71, 80, 110, Art::Sprite, 300, 170, "receptionist 1 step 1"},
    {72, 80, 110, Art::Sprite, 300, 170, "receptionist 1 step 2"},
    {73, 80, 110, Art::Sprite, 300, 170, "receptionist 1 step 3"},
    {166, 80, 110, Art::Sprite, 300, 170, "receptionist 2 step 0"},
    {167, 80, 110, Art::Sprite, 300, 170, "receptionist 2 step 1"},
    {168, 80, 110, Art::Sprite, 300, 170, "receptionist 2 step 2"},
    {169, 80, 110, Art::Sprite, 300, 170, "receptionist 2 step 3"},
    {170, 80, 110, Art::Sprite, 300, 170, "receptionist 3 step 0"},
    {171, 80, 110, Art::Sprite, 300, 170, "receptionist 3 step 1"},
    {172, 80, 110, Art::Sprite, 300, 170, "receptionist 3 step 2"},
    {173, 80, 110, Art::Sprite, 300, 170, "receptionist 3 step 3"},
    {96, 180, 100, Art::Sprite, 420, 340, "police car outside hotel 1"},
    {266, 180, 100, Art::Sprite, 420, 340, "police car outside hotel 2"},
    {267, 180, 100, Art::Sprite, 420, 340, "police car outside hotel 3"},
    {268, 60, 130, Art::Sprite, 60, 170, "lamp hotel 1"},
    {269, 60, 130, Art::Sprite, 60, 170, "lamp hotel 2"},
    {270, 60, 130, Art::Sprite, 60, 170, "lamp hotel 3"},
    {271, 130, 110, Art::Sprite, 440, 190, "room television"},
    {273, 120, 80, Art::Sprite, 250, 280, "room laptop"},
    {274, 170, 44, Art::Button, 235, 210, "laptop: to the camera"},
    {275, 170, 44, Art::Button, 235, 270, "laptop: to the computer"},
    {276, 150, 36, Art::Button, 150, 360, "more tip"},
    {277, 150, 36, Art::Button, 310, 360, "less tip"},
    {278, 150, 36, Art::Button, 470, 360, "ask"},
    {279, 90, 130, Art::Sprite, 275, 300, "door hotel 1"},
    {280, 90, 130, Art::Sprite, 275, 300, "door hotel 2"},
    {281, 90, 130, Art::Sprite, 275, 300, "door hotel 3"},
    {289, 160, 40, Art::Button, 316, 250, "rent a room"},

    // Album and computer.
    {45, 140, 40, Art::Button, 480, 350, "transfer photos"},
    {51, 150, 44, Art::Button, 44, 333, "send photos"},
    {52, 150, 44, Art::Button, 436, 337, "read news"},
    {68, 134, 40, Art::Button, 253, 408, "computer: back"},
    {190, 220, 96, Art::Preview, 210, 233, "news order 0"},
    {191, 220, 96, Art::Preview, 210, 233, "news order 1"},
    {192, 220, 96, Art::Preview, 210, 233, "news order 2"},
    {193, 220, 96, Art::Preview, 210, 233, "news order 3"},
    {194, 220, 96, Art::Preview, 210, 233, "news order 4"},
    {205, 220, 96, Art::Preview, 210, 233, "news order 5"},
    {206, 220, 96, Art::Preview, 210, 233, "news order 6"},
    {207, 220, 96, Art::Preview, 210, 233, "news order 7"},
    {208, 220, 96, Art::Preview, 210, 233, "news order 8"},

    // Shop and town.
    {198, 110, 230, Art::Sprite, 250, 170, "Laura in the shop 0"},
    {199, 110, 230, Art::Sprite, 250, 170, "Laura in the shop 1"},
    {200, 110, 230, Art::Sprite, 250, 170, "Laura in the shop 2"},
    {201, 110, 230, Art::Sprite, 250, 170, "Laura in the shop 3"},
    {202, 110, 230, Art::Sprite, 250, 170, "Laura in the shop 4"},
    {203, 110, 230, Art::Sprite, 250, 170, "Laura in the shop 5"},
    {204, 110, 230, Art::Sprite, 250, 170, "Laura in the shop 6"},
    {195, 110, 230, Art::Sprite, 480, 110, "Laura at home 0"},
    {196, 110, 230, Art::Sprite, 480, 110, "Laura at home 1"},
    {197, 110, 230, Art::Sprite, 480, 110, "Laura at home 2"},
    {282, 150, 40, Art::Button, 460, 300, "buy cameras"},
    {283, 150, 40, Art::Button, 460, 350, "buy camouflage"},
    {284, 100, 150, Art::Sprite, 110, 220, "town: shop door"},
    {285, 90, 140, Art::Sprite, 440, 230, "town: apartment door"},

    // Apartment secrets (column i at x = 20 + 65 (i - 1)).
    {100, 60, 22, Art::Button, -1, 426, "redeem secret"},
    {101, 60, 22, Art::Button, -1, 400, "view secret"},
    {102, 60, 60, Art::Preview, -1, 334, "secret 1"},
    {103, 60, 60, Art::Preview, -1, 334, "secret 2"},
    {104, 60, 60, Art::Preview, -1, 334, "secret 3"},
    {105, 60, 60, Art::Preview, -1, 334, "secret 4"},
    {106, 60, 60, Art::Preview, -1, 334, "secret 5"},
    {107, 60, 60, Art::Preview, -1, 334, "secret 6"},
    {108, 60, 60, Art::Preview, -1, 334, "secret 7"},
    {290, 98, 80, Art::Hidden, 40, 40, "secret spot room hotel 1"},
    {291, 60, 50, Art::Hidden, 20, 120, "secret spot lobby hotel 2"},
    {292, 60, 50, Art::Hidden, 30, 150, "secret spot outside hotel 3"},
    {293, 60, 50, Art::Hidden, 40, 250, "secret spot gate of beach 4"},
    {294, 60, 50, Art::Hidden, 40, 250, "secret spot gate of beach 8"},
    {295, 60, 50, Art::Hidden, 540, 200, "secret spot outside the police"},
    {296, 60, 50, Art::Hidden, 540, 200, "secret spot outside the hospital"},

    // Hospital and police.
    {286, 110, 140, Art::Sprite, 265, 290, "hospital door"},
    {287, 110, 140, Art::Sprite, 265, 290, "police door"},
    {272, 130, 110, Art::Sprite, 470, 120, "hospital television"},
    {288, 180, 40, Art::Button, 380, 260, "pay the bill"},
    {248, 160, 240, Art::Sprite, 240, 150, "officer, still"},
    {249, 160, 240, Art::Sprite, 240, 150, "officer waving 0"},
    {250, 160, 240, Art::Sprite, 240, 150, "officer waving 1"},
    {251, 160, 240, Art::Sprite, 240, 150, "officer waving 2"},
    {252, 160, 240, Art::Sprite, 240, 150, "officer waving 3"},
    {253, 160, 240, Art::Sprite, 240, 150, "officer talking 0"},
    {254, 160, 240, Art::Sprite, 240, 150, "officer talking 1"},
    {255, 160, 240, Art::Sprite, 240, 150, "officer talking 2"},
    {256, 160, 240, Art::Sprite, 240, 150, "officer talking 3"},

    // Gates.
    {261, 300, 200, Art::Panel, 170, 120, "gate counter"},
    {262, 150, 34, Art::Button, 190, 280, "pay the fee"},
    {263, 100, 34, Art::Button, 350, 280, "back from the counter"},
    {297, 150, 180, Art::Sprite, 245, 220, "gate entrance"},
    {298, 120, 100, Art::Sprite, 450, 240, "gate counter window"},
};

// The gate's flying sprite, pictures 218..242.
constexpr int kGateFlyerWidth = 180;
constexpr int kGateFlyerHeight = 50;

// The picture's entry in kLocationPictures, null for a number without a picture of its own.
constexpr const Picture* FindLocationPicture(int number) {
    for (const Picture& picture : kLocationPictures) {
        if (picture.number == number) {
            return &picture;
        }
    }
    return nullptr;
}

// Width and height of a location picture, including the gate's flyer; 0 × 0 for a number
// that holds only a placeholder.
struct Size {
    int width;
    int height;
};
constexpr Size LocationPictureSize(int number) {
    if (number >= kPicGateFlyerFirst && number < kPicGateFlyerFirst + kPicGateFlyerCount) {
        return {kGateFlyerWidth, kGateFlyerHeight};
    }
    const Picture* picture = FindLocationPicture(number);
    return picture ? Size{picture->width, picture->height} : Size{0, 0};
}

// Layout the design leaves to the pictures (areas without a picture of their own).
constexpr int kLobbyExitAreaX = 570;  // the second "Hotel verlassen" area while renting
constexpr int kLobbyExitAreaY = 80;
constexpr int kLobbyExitAreaWidth = 100;
constexpr int kLobbyExitAreaHeight = 220;
constexpr int kApartmentSecretX0 = 20;  // column i (1..7) at x0 + step (i - 1)
constexpr int kApartmentSecretStep = 65;
constexpr int kGateCounterTextX = 190;  // first text line on the gate counter
constexpr int kGateCounterTextY = 136;
constexpr int kGateCounterLineStep = 22;

// ---------------------------------------------------------------------------------------------
// Beach pools ("tgp\beach01.tgp" .. "tgp\beach10.tgp"): entries 1..23 (0 is unused).

constexpr int kBeachCount = 10;
constexpr int kBeachDay = 1;
constexpr int kBeachNight = 2;
constexpr int kBeachPanel = 3;
constexpr int kBeachCameraButton[3] = {4, 5, 6};
constexpr int kBeachFlashButton = 7;
constexpr int kBeachZoomButton = 8;
constexpr int kBeachCamouflageButton = 9;
constexpr int kBeachClockButton = 10;
constexpr int kBeachExitButton = 11;
constexpr int kBeachViewfinder[3] = {12, 13, 14};
constexpr int kBeachBalanceButton = 15;
constexpr int kBeachCameraButtonOn[3] = {16, 17, 18};
constexpr int kBeachFlashOn = 19;
constexpr int kBeachZoomOn = 20;
constexpr int kBeachCamouflageOn = 21;
constexpr int kBeachClockOn = 22;
constexpr int kBeachBalanceOn = 23;
constexpr int kBeachEntries = 24;  // chunks 0..23

constexpr int kPanoramaWidth = 2560;
constexpr int kPanoramaHeight = 360;
constexpr int kViewfinderWidth = 320;
constexpr int kViewfinderHeight = 180;
// The panel fills the screen rows below the beach view.
constexpr int kBeachPanelX = 0;
constexpr int kBeachPanelY = 360;
constexpr int kBeachPanelWidth = 640;
constexpr int kBeachPanelHeight = 120;
constexpr int kBeachButtonY = 366;
constexpr int kBeachButtonHeight = 50;

struct BeachButton {
    int entry;
    int activeEntry;  // -1 without an active picture
    int x;
    int width;
    const char* what;
};
inline constexpr BeachButton kBeachButtons[] = {
    {4, 16, 15, 50, "camera 0"},  {5, 17, 69, 50, "camera 1"}, {6, 18, 125, 50, "camera 2"},
    {8, 20, 200, 60, "zoom"},     {7, 19, 270, 60, "flash"},   {9, 21, 340, 60, "camouflage"},
    {15, 23, 453, 60, "balance"}, {10, 22, 520, 52, "clock"},  {11, -1, 578, 56, "leave"},
};

// ---------------------------------------------------------------------------------------------
// Visitor pool ("tgp\sets.tgp"): sprite k is entry k; entry 0 is unused.

constexpr int kVisitorPeople = 34;  // type ids 1..34, eight poses each
constexpr int kVisitorPoses = 8;
constexpr int kVisitorFirstObject = 35;  // type ids 35..56, one sprite each
constexpr int kVisitorLastObject = 56;
constexpr int kVisitorSprites = 294;  // sprites 1..294
constexpr int kVisitorEntries = kVisitorSprites + 1;

// First sprite of a visitor type (ids 1..56), as the catalogue lays them out.
constexpr int VisitorFirstSprite(int typeId) {
    if (typeId >= kVisitorFirstObject) {
        return 273 + (typeId - kVisitorFirstObject);
    }
    return 1 + kVisitorPoses * (typeId - 1);
}
constexpr int VisitorSpriteCount(int typeId) {
    return typeId >= kVisitorFirstObject ? 1 : 8;
}
// Members-only celebrities: the glamorous ones.
constexpr bool IsCelebrity(int typeId) {
    return (typeId >= 18 && typeId <= 21) || typeId == 29 || (typeId >= 31 && typeId <= 33);
}
// The tallest a visitor sprite may be (a sprite centred at the lowest spawn row still shows).
constexpr int kVisitorMaxWidth = 150;
constexpr int kVisitorMaxHeight = 170;

}  // namespace assets
